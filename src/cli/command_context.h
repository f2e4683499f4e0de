// CommandContext: what every subcommand of `quillon` gets: its parser with the common options,
// the terminal front end, the workspace over the settings, the Ctrl+C flag, and the one way to
// write its output and its messages.
#pragma once

#include <CLI/CLI.hpp>

#include <csignal>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/clock.h"
#include "core/run_mode.h"
#include "core/ui/terminal_ui.h"
#include "core/workspace.h"
#include "platform/file_system.h"
#include "program/exit_status.h"
#include "program/session.h"
#include "settings/settings_store.h"

namespace quillon::cli {

/// Writes `text` to standard output and flushes it. Nothing when it was written; otherwise the
/// system's reason ("No space left on device").
[[nodiscard]] std::optional<std::string> writeStandardOutput(std::string_view text);

/// Marks `option` as naming files or folders: each value is taken in the platform's own form
/// where it enters (on Windows "C:/LIBS/MY.LIB" becomes "C:\LIBS\MY.LIB"). Returns `option`.
CLI::Option* asPath(CLI::Option* option);

/// Adds the required FILE... arguments of the commands that load executables, module-definition
/// files and LIB files as one library, taken as paths. Returns the option.
CLI::Option* addLibraryInputs(CLI::App& app, std::vector<std::string>& files);

/// What a run may do with the settings file.
enum class SettingsUse {
    None,       ///< reads no settings at all
    ReadOnly,   ///< reads the settings file and never writes it
    ReadWrite,  ///< reads it and records what the desktop program records
};

/// The options every subcommand takes, before or after its name.
struct CommonOptions {
    /// The folder of the settings file (`--settings DIR`); empty for the usual place.
    std::string settingsDir;
    /// `--quiet`: no message on stderr but usage errors and questions asked.
    bool quiet = false;
};

/// The input files a subcommand was given, sorted by whether they are there.
struct InputFiles {
    /// Full paths of the files that exist, in the order given.
    std::vector<std::string> found;
    /// The files not found, as typed (each already named on stderr).
    std::vector<std::string> missing;
};

class CommandContext {
public:
    /// Every command runs without a window.
    static constexpr RunMode kRunMode{true, false};

    /// `arguments` are those after the subcommand's name; `common` holds the common options given
    /// before it; `interrupted` is the flag the Ctrl+C handler sets.
    CommandContext(std::string name, std::vector<std::string> arguments,
                   volatile std::sig_atomic_t& interrupted, CommonOptions common = {});
    ~CommandContext();
    CommandContext(const CommandContext&) = delete;
    CommandContext& operator=(const CommandContext&) = delete;

    /// "list", "compare"...; empty for the batch form.
    [[nodiscard]] const std::string& name() const { return m_name; }

    /// The subcommand's parser, named "quillon NAME", with `description`, the common options
    /// `--settings DIR` and `--quiet`, and the subcommand's exit statuses as its footer. The
    /// subcommand adds its own options, then calls `parse`.
    [[nodiscard]] CLI::App& parser(const std::string& description);
    /// Parses the arguments. Nothing when the run goes on; otherwise the status to end with:
    /// Success after `--help` printed the usage to stdout, Usage after a usage error was told on
    /// stderr.
    [[nodiscard]] std::optional<ExitStatus> parse();

    /// Opens the run: the terminal front end and the workspace, over the settings file as `use`
    /// says (None: a workspace over no settings file). `interactive` asks the questions on the
    /// terminal. Call once, after `parse`.
    Workspace& open(SettingsUse use, bool interactive = false);
    [[nodiscard]] Workspace& workspace() { return *m_ws; }
    /// The session of the run; null when it reads no settings.
    [[nodiscard]] Session* session() { return m_session.get(); }
    [[nodiscard]] ui::TerminalUi& ui() { return *m_ui; }

    [[nodiscard]] bool quiet() const { return m_common.quiet; }
    /// True once Ctrl+C was pressed.
    [[nodiscard]] bool interrupted() const { return m_interrupted != 0; }

    /// Writes `text` to standard output and flushes it. False after telling on stderr why it
    /// could not be written (the system's reason, "No space left on device").
    [[nodiscard]] bool writeOut(std::string_view text);
    /// Tells `text` on stderr as "quillon NAME: text", unless quiet. File names are written as
    /// the system spells them; names read from files (Windows-1252) are the caller's to convert.
    void tell(std::string_view text) const;
    /// Tells a usage error on stderr, even when quiet, with a pointer to `--help`.
    [[nodiscard]] ExitStatus usageError(std::string_view text) const;
    /// Tells that Ctrl+C stopped the run and returns `status`.
    [[nodiscard]] ExitStatus cancelled(ExitStatus status = ExitStatus::Cancelled) const;

    /// Sorts `files` into those that exist and those that do not, naming each of the latter on
    /// stderr ("FILE: file not found").
    [[nodiscard]] InputFiles findInputs(const std::vector<std::string>& files);
    /// Loads the files found into the workspace's library with the multi-file loader, as the
    /// batch form does. Nothing when it holds symbols now; otherwise the status to end with:
    /// NotFound when no input file was found, Cancelled (told), NoNames.
    [[nodiscard]] std::optional<ExitStatus> loadInputs(const InputFiles& inputs);
    /// Tells on stderr when `file` (as typed) is not an existing file, and returns false then.
    [[nodiscard]] bool checkInput(const std::string& file);

private:
    /// "quillon NAME: ", or "quillon: " for the batch form.
    [[nodiscard]] std::string prefix() const;

    std::string m_name;
    std::vector<std::string> m_arguments;
    volatile std::sig_atomic_t& m_interrupted;
    CommonOptions m_common;
    std::unique_ptr<CLI::App> m_parser;

    std::unique_ptr<ui::TerminalUi> m_ui;
    std::unique_ptr<Session> m_session;
    // The services of a run that reads no settings.
    std::unique_ptr<platform::FileSystem> m_files;
    std::unique_ptr<settings::SettingsStore> m_noSettings;
    SteadyClock m_clock;
    std::unique_ptr<Workspace> m_ownWs;
    Workspace* m_ws = nullptr;
};

}  // namespace quillon::cli
