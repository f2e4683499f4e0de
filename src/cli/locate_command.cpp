// The "locate" command of the command-line program.
#include "cli/locate_command.h"

#include <csignal>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <nlohmann/json.hpp>

#include "base/lib_file_name.h"
#include "base/text_encoding.h"
#include "cli/cli_parse.h"
#include "cli/command_session.h"
#include "core/ui/terminal_ui.h"
#include "core/workspace.h"
#include "locate/autolocate_options.h"
#include "locate/locate_module.h"
#include "locate/locate_report.h"
#include "locate/path_parts.h"
#include "maintenance/exceptions.h"
#include "platform/environment.h"
#include "platform/paths.h"
#include "settings/settings_store.h"

namespace quillon::cli {

namespace {

struct Arguments {
    std::vector<std::string> libFiles;
    std::vector<std::string> modules;
    bool verify = false;
    bool deep = false;
    bool dllOnly = false;
    bool exact = false;
    std::string priority;
};

/// Sorts the operands into LIB files and module names.
void sortOperands(Arguments& a, const std::vector<std::string>& operands)
{
    for (const std::string& arg : operands) {
        if (isLibFileName(arg))
            a.libFiles.push_back(arg);
        else if (!trimBlanks(arg).empty())
            a.modules.push_back(arg);
    }
}

std::string reportJson(const locate::LocateReport& report)
{
    nlohmann::ordered_json modules = nlohmann::ordered_json::array();
    for (const locate::LocateReportRow& row : report.rows) {
        modules.push_back({{"module", cp1252ToUtf8(row.module)},
                           {"found", row.found},
                           {"path", row.found ? nlohmann::ordered_json(cp1252ToUtf8(row.path))
                                              : nlohmann::ordered_json(nullptr)},
                           {"bits", locate::bitnessText(row)},
                           {"step", row.step}});
    }
    const nlohmann::ordered_json doc = {{"modules", modules}, {"cancelled", report.cancelled}};
    return doc.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) + "\n";
}

/// The options the command line sets override the stored ones for this run.
void applyArguments(Workspace& ws, const Arguments& a)
{
    locate::AutolocateOptions o = locate::readAutolocateOptions(ws.settings());
    if (a.verify)
        o.UseVerifyOSAutolocate = 1;
    if (a.deep)
        o.UseAutolocateDeep = 1;
    if (a.dllOnly)
        o.UseOnlyDLLAutolocate = 1;
    if (a.exact)
        o.UseRelaxedAutolocate = 0;
    if (!a.priority.empty()) {
        o.UsePriorityPath = 1;
        o.FirstFolder = a.priority;
    }
    locate::state(ws).fixedOptions = o;
    locate::state(ws).optionsChanged();
}

}  // namespace

int runLocateCommand(int argc, char** argv)
{
    Arguments args;
    std::vector<std::string> operands;
    bool json = false;
    CLI::App app(
        "Locates the files behind the modules of Clarion LIB files (or named modules) "
        "and prints one line per module: module, path, bitness, the step that found "
        "it.",
        "quillon locate");
    app.add_flag("--verify", args.verify, "accept only files with an NE or PE header");
    app.add_flag("--deep", args.deep, "search the subfolders of the priority folder too");
    app.add_flag("--dll-only", args.dllOnly, "try only the .DLL extension");
    app.add_flag("--exact", args.exact, "no relaxed matching of names");
    asPath(app.add_option("--priority", args.priority, "search FOLDER first"))
        ->option_text("FOLDER");
    app.add_flag("--json", json, "print one JSON document instead of lines");
    std::string settingsDir;
    asPath(app.add_option("--settings", settingsDir, "use DIR/Quillon32.ini as the settings file"))
        ->option_text("DIR");
    asPath(app.add_option("FILE.LIB|MODULE", operands,
                          "LIB files whose modules to locate, or module names"))
        ->required();
    if (const std::optional<int> code = parseSubcommand(app, argc, argv))
        return *code;
    sortOperands(args, operands);
    if (args.libFiles.empty() && args.modules.empty()) {
        std::fprintf(stderr, "quillon locate: nothing to locate\n%s", app.help().c_str());
        return 2;
    }

    volatile std::sig_atomic_t interrupted = 0;
    ui::TerminalUi ui(interrupted, false, true);
    const std::unique_ptr<Session> session = openCommandSession(ui, settingsDir);
    Workspace& ws = session->workspace();
    ws.QuietLoad = true;
    ws.options.UseNoMessages = 1;
    ws.options.UseStatusBar = 0;
    maintenance::loadExceptList(ws);
    locate::state(ws).environment = locate::locateEnvironment(ws.files(), session->environment());
    applyArguments(ws, args);

    for (const std::string& file : args.libFiles) {
        if (const std::optional<std::string> why = loadCommandLibFile(ws, file)) {
            std::fprintf(stderr, "quillon: %s\n", why->c_str());
            return 2;
        }
    }
    const locate::LocateReport report = locate::locateModules(ws, args.modules);
    const std::string text = json ? reportJson(report) : locate::locateReportText(report);
    std::fwrite(text.data(), 1, text.size(), stdout);
    std::fflush(stdout);
    if (report.cancelled)
        return 1;
    for (const locate::LocateReportRow& row : report.rows) {
        if (!row.found)
            return 1;
    }
    return 0;
}

}  // namespace quillon::cli
