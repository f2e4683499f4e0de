// The shared context of the subcommands of `quillon`.
#include "cli/command_context.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "cli/exit_status_table.h"
#include "cli/help_text.h"
#include "platform/environment.h"
#include "platform/native_path.h"
#include "program/file_loader.h"
#include "settings/settings_location.h"

namespace quillon::cli {

CommandContext::CommandContext(std::string name, std::vector<std::string> arguments,
                               volatile std::sig_atomic_t& interrupted, CommonOptions common)
    : m_name(std::move(name)),
      m_arguments(std::move(arguments)),
      m_interrupted(interrupted),
      m_common(std::move(common))
{
}

CommandContext::~CommandContext() = default;

std::string CommandContext::prefix() const
{
    return m_name.empty() ? std::string("quillon: ") : "quillon " + m_name + ": ";
}

CLI::App& CommandContext::parser(const std::string& description)
{
    m_parser = std::make_unique<CLI::App>(description, "quillon " + m_name);
    m_parser->formatter(std::make_shared<HelpFormatter>());
    asPath(m_parser->add_option("--settings", m_common.settingsDir,
                                "use DIR/Quillon32.ini as the settings file"))
        ->type_name("DIR");
    m_parser->add_flag("--quiet", m_common.quiet,
                       "print no message on stderr (the exit status tells the outcome)");
    m_parser->footer(exitStatusHelp(m_name));
    return *m_parser;
}

std::optional<ExitStatus> CommandContext::parse()
{
    // CLI11 takes the arguments last first.
    std::vector<std::string> reversed(m_arguments.rbegin(), m_arguments.rend());
    try {
        m_parser->parse(reversed);
    } catch (const CLI::CallForHelp&) {
        return writeOut(m_parser->help()) ? ExitStatus::Success : ExitStatus::WriteFailed;
    } catch (const CLI::ParseError& e) {
        return usageError(e.what());
    }
    return std::nullopt;
}

Workspace& CommandContext::open(SettingsUse use, bool interactive)
{
    m_ui = std::make_unique<ui::TerminalUi>(m_interrupted, interactive, m_common.quiet);
    if (use == SettingsUse::None) {
        m_files = std::make_unique<platform::FileSystem>();
        m_noSettings = std::make_unique<settings::SettingsStore>(
            *m_files, std::string(), settings::SettingsStore::Access::ReadOnly);
        m_ownWs = std::make_unique<Workspace>(*m_ui, *m_files, *m_noSettings, m_clock);
        m_ws = m_ownWs.get();
    } else {
        platform::Environment env = platform::Environment::fromProcess();
        if (!m_common.settingsDir.empty())
            env.set("QUILLON_SETTINGS_DIR", platform::nativePath(m_common.settingsDir));
        m_session = std::make_unique<Session>(
            *m_ui, std::move(env), settings::LocationInputs::fromProcess(),
            use == SettingsUse::ReadOnly ? settings::SettingsStore::Access::ReadOnly
                                         : settings::SettingsStore::Access::ReadWrite);
        m_ws = &m_session->workspace();
    }
    m_ws->options.UseStatusBar = false;
    return *m_ws;
}

CLI::Option* asPath(CLI::Option* option)
{
    return option->transform([](const std::string& value) { return platform::nativePath(value); },
                             "", "");
}

CLI::Option* addLibraryInputs(CLI::App& app, std::vector<std::string>& files)
{
    return asPath(app.add_option("FILE", files,
                                 "executables (DLL, EXE, ...), module-definition files (.def) or "
                                 "Clarion LIB files"))
        ->required();
}

std::optional<std::string> writeStandardOutput(std::string_view text)
{
    errno = 0;
    const bool written = std::fwrite(text.data(), 1, text.size(), stdout) == text.size();
    if (written && std::fflush(stdout) == 0)
        return std::nullopt;
    const int err = errno != 0 ? errno : EIO;
    std::clearerr(stdout);
    return std::string(std::strerror(err));
}

bool CommandContext::writeOut(std::string_view text)
{
    const std::optional<std::string> failed = writeStandardOutput(text);
    if (failed)
        tell("standard output: " + *failed);
    return !failed;
}

void CommandContext::tell(std::string_view text) const
{
    if (m_common.quiet)
        return;
    const std::string line = prefix() + std::string(text) + "\n";
    std::fputs(line.c_str(), stderr);
}

ExitStatus CommandContext::usageError(std::string_view text) const
{
    std::fprintf(stderr, "quillon %s: %s\nRun \"quillon %s --help\" for the options.\n",
                 m_name.c_str(), std::string(text).c_str(), m_name.c_str());
    return ExitStatus::Usage;
}

ExitStatus CommandContext::cancelled(ExitStatus status) const
{
    tell("cancelled");
    return status;
}

bool CommandContext::checkInput(const std::string& file)
{
    platform::FileSystem& files = m_ws->files();
    const std::string full = files.fullPath(file);
    if (files.isFile(full))
        return true;
    tell(file + (files.isFolder(full) ? ": is a folder, not a file" : ": file not found"));
    return false;
}

InputFiles CommandContext::findInputs(const std::vector<std::string>& files)
{
    InputFiles inputs;
    for (const std::string& file : files) {
        if (checkInput(file))
            inputs.found.push_back(m_ws->files().fullPath(file));
        else
            inputs.missing.push_back(file);
    }
    return inputs;
}

std::optional<ExitStatus> CommandContext::loadInputs(const InputFiles& inputs)
{
    if (inputs.found.empty())
        return ExitStatus::NotFound;
    m_ws->cancel.clear();
    LoadCounts counts;
    (void)loadFileList(*m_ws, makeInputFileList(*m_ws, inputs.found), kRunMode, {}, &counts);
    m_ui->progressEnd();
    if (counts.cancelled || m_ws->cancel.cancelled() || interrupted())
        return cancelled();
    if (m_ws->library.SymbolCount == 0)
        return ExitStatus::NoNames;
    return std::nullopt;
}

}  // namespace quillon::cli
