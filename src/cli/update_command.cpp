// The `quillon update` command.
#include "cli/update_command.h"

#include <nlohmann/json.hpp>

#include <csignal>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "base/ascii_text.h"
#include "cli/cli_parse.h"
#include "cli/command_session.h"
#include "core/ui/terminal_ui.h"
#include "locate/locate_state.h"
#include "locate/search_places.h"
#include "program/command_line.h"
#include "program/session.h"
#include "refresh/library_file_update.h"
#include "refresh/update_preview.h"
#include "reports/compare_settings.h"

namespace quillon::cli {

namespace {

/// The exit status when the file to update, or the file to write, is not named as a LIB file:
/// nothing was read or written.
constexpr int kExitNotLibFile = 7;
/// The exit status when located modules were kept as they were because their executable could
/// not be read whole or gave no names ("kept: <read error>"); the other modules are written.
constexpr int kExitModulesKept = 8;

volatile std::sig_atomic_t g_interrupted = 0;  // set by the interrupt handler only

extern "C" void onUpdateInterrupt(int)
{
    g_interrupted = 1;
}

const char* outcomeName(BatchOutcome outcome)
{
    switch (outcome) {
        case BatchOutcome::Saved:
            return "written";
        case BatchOutcome::NoNames:
            return "no import definitions";
        case BatchOutcome::NotLocated:
            return "not written";
        case BatchOutcome::Cancelled:
            return "cancelled";
        case BatchOutcome::OpenFileError:
        case BatchOutcome::WriteFailed:
            return "write failed";
    }
    return "";
}

/// Tells why the update refused to start; true when it did.
bool reportRefusal(const refresh::FileUpdateResult& result, bool quiet)
{
    if (result.refusal == refresh::FileUpdateRefusal::None)
        return false;
    if (quiet)
        return true;
    if (result.refusal == refresh::FileUpdateRefusal::NotLibFile)
        std::fprintf(stderr,
                     "quillon update: %s is not a LIB file (the name does not end in .LIB); "
                     "nothing was read or written\n",
                     result.libFile.c_str());
    else
        std::fprintf(stderr,
                     "quillon update: %s is not a LIB file name (it must end in .LIB); %s is "
                     "unchanged\n",
                     result.target.c_str(), result.libFile.c_str());
    return true;
}

/// The exit status: a refusal, then the outcome, then modules kept unread.
int exitCode(const refresh::FileUpdateResult& result)
{
    if (result.refusal != refresh::FileUpdateRefusal::None)
        return kExitNotLibFile;
    const int code = refresh::fileUpdateExitCode(result);
    const bool failed = result.outcome == BatchOutcome::Cancelled ||
                        result.outcome == BatchOutcome::OpenFileError ||
                        result.outcome == BatchOutcome::WriteFailed;
    if (!failed && result.update.unreadable > 0)
        return kExitModulesKept;
    return code;
}

void report(const refresh::FileUpdateResult& result, bool json, bool quiet)
{
    if (reportRefusal(result, quiet))
        return;
    const refresh::UpdateOutcome& u = result.update;
    if (json) {
        const nlohmann::json out = {
            {"file", result.libFile},     {"target", result.target},
            {"modules", u.modules},       {"updated", u.updated},
            {"notLocated", u.notLocated}, {"kept", u.kept},
            {"unreadable", u.unreadable}, {"symbols", result.symbols},
            {"status", u.statusText},     {"result", outcomeName(result.outcome)},
            {"written", result.written()}};
        std::puts(out.dump(2, ' ', false, nlohmann::json::error_handler_t::replace).c_str());
    } else if (!quiet && !u.statusText.empty()) {
        std::printf("%s - %zu symbols\n", u.statusText.c_str(), result.symbols);
    }
    if (quiet)
        return;
    const std::string& file = result.libFile;
    switch (result.outcome) {
        case BatchOutcome::Saved:
            if (!json)
                std::printf("LIB file written: %s\n", result.target.c_str());
            break;
        case BatchOutcome::NotLocated:
            if (u.modules == 0)
                std::fprintf(stderr, "quillon update: %s: file not found\n", file.c_str());
            else if (u.unreadable > 0)
                std::fprintf(stderr, "quillon update: no module was updated; %s is unchanged\n",
                             file.c_str());
            else
                std::fprintf(stderr, "quillon update: no module was located; %s is unchanged\n",
                             file.c_str());
            break;
        case BatchOutcome::NoNames:
            std::fprintf(stderr, "quillon update: %s: no import definitions%s%s\n", file.c_str(),
                         result.errorText.empty() ? "" : ": ", result.errorText.c_str());
            break;
        case BatchOutcome::Cancelled:
            std::fprintf(stderr, "quillon update: cancelled; %s is unchanged\n", file.c_str());
            break;
        case BatchOutcome::OpenFileError:
        case BatchOutcome::WriteFailed:
            std::fprintf(stderr, "quillon update: writing %s failed: %s (error %d)\n",
                         result.target.c_str(), result.errorText.c_str(), result.code);
            break;
    }
}

/// `--preview`: lists what an update would change and writes nothing.
int previewUpdate(Workspace& ws, const std::string& libFile, bool json, bool quiet)
{
    refresh::FileUpdateResult loaded;
    loaded.libFile = ws.files().fullPath(libFile);
    loaded.target = loaded.libFile;
    if (!refresh::loadLibraryForUpdate(ws, loaded)) {
        report(loaded, false, quiet);
        return exitCode(loaded);
    }
    const reports::CompareOptions options = reports::readCompareSettings(ws.settings()).options;
    const refresh::UpdatePreview preview = refresh::buildUpdatePreview(ws, options);
    if (preview.cancelled) {
        if (!quiet)
            std::fputs("quillon update: cancelled\n", stderr);
        return 5;
    }
    if (json) {
        nlohmann::json rows = nlohmann::json::array();
        const auto function = [](const std::optional<refresh::LibFunction>& f) {
            return f ? nlohmann::json{{"module", f->module},
                                      {"function", f->symbol},
                                      {"ordinal", f->ordinal}}
                     : nlohmann::json();
        };
        for (const refresh::UpdatePreviewRow& row : preview.rows)
            rows.push_back({{"module", row.module},
                            {"function", row.symbol},
                            {"ordinal", row.ordinal},
                            {"change", row.change},
                            {"drops", function(row.drops)},
                            {"writes", function(row.writes)}});
        const nlohmann::json out = {{"file", loaded.libFile},
                                    {"modules", preview.modules},
                                    {"changed", preview.changedModules},
                                    {"notLocated", preview.notLocated},
                                    {"kept", preview.kept},
                                    {"rows", rows}};
        std::puts(out.dump(2, ' ', false, nlohmann::json::error_handler_t::replace).c_str());
    } else if (!quiet) {
        for (const std::string& line : refresh::updatePreviewLines(preview))
            std::puts(line.c_str());
    }
    return 0;
}

}  // namespace

int runUpdateCommand(int argc, char** argv)
{
    CLI::App app{"Updates a Clarion LIB file from the DLL/EXE files behind its modules.",
                 "quillon update"};
    std::vector<std::string> arguments;
    std::string output;
    std::string settingsDir;
    bool json = false;
    bool quiet = false;
    bool preview = false;
    app.add_option("-o,--output", output, "write OUT.LIB instead of FILE.LIB");
    app.add_flag("--json", json, "print the result as a JSON object");
    app.add_flag("--preview,--dry-run", preview,
                 "list what the update would change (module, function, ordinal, change) and "
                 "write nothing");
    app.add_flag("--quiet", quiet, "print nothing (the exit status tells the outcome)");
    app.add_option("--settings", settingsDir, "use DIR/Quillon32.ini as the settings file");
    app.add_option("FILE.LIB", arguments, "the LIB file, and /s or /s:OUT.LIB")->required();
    if (const std::optional<int> code = parseSubcommand(app, argc, argv))
        return *code;

    std::vector<std::string> files;
    for (const std::string& argument : arguments) {
        if (isSilentSwitch(argument)) {
            const std::size_t colon = argument.find(':');
            if (colon != std::string::npos) {
                if (!output.empty()) {
                    std::fputs("quillon update: give the output file once (/s:OUT.LIB or -o)\n",
                               stderr);
                    return 2;
                }
                output = std::string(trimBlanks(argument.substr(colon + 1)));
            }
        } else {
            files.push_back(argument);
        }
    }
    if (files.size() != 1) {
        std::fprintf(stderr, "quillon update: name one LIB file\n%s\n", app.help().c_str());
        return 2;
    }

    std::signal(SIGINT, onUpdateInterrupt);
    ui::TerminalUi ui(g_interrupted, false, quiet || json);
    const std::unique_ptr<Session> session = openCommandSession(ui, settingsDir);
    Workspace& ws = session->workspace();
    ws.options.UseStatusBar = 0;
    locate::state(ws).environment = locate::locateEnvironment(ws.files(), session->environment());

    if (preview)
        return previewUpdate(ws, files.front(), json, quiet);
    const refresh::FileUpdateResult result =
        refresh::updateLibraryFile(ws, refresh::FileUpdateRequest{files.front(), output});
    ui.progressEnd();
    report(result, json, quiet);
    return exitCode(result);
}

}  // namespace quillon::cli
