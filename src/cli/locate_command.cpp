// The "locate" command of the command-line program.
#include "cli/locate_command.h"

#include <csignal>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "core/ui/terminal_ui.h"
#include "core/workspace.h"
#include "lib/lib_reader.h"
#include "locate/autolocate_options.h"
#include "locate/locate_module.h"
#include "locate/locate_report.h"
#include "locate/path_parts.h"
#include "maintenance/exceptions.h"
#include "platform/environment.h"
#include "platform/paths.h"
#include "settings/options_io.h"
#include "settings/settings_location.h"
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
    bool help = false;
    std::string error;
};

bool isLibName(std::string_view arg)
{
    const std::string upper = locate::upperAscii(arg);
    return upper.size() > 4 && upper.compare(upper.size() - 4, 4, ".LIB") == 0;
}

Arguments parse(int argc, char** argv)
{
    Arguments a;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--help" || arg == "-h")
            a.help = true;
        else if (arg == "--verify")
            a.verify = true;
        else if (arg == "--deep")
            a.deep = true;
        else if (arg == "--dll-only")
            a.dllOnly = true;
        else if (arg == "--exact")
            a.exact = true;
        else if (arg.starts_with("--priority="))
            a.priority = std::string(arg.substr(11));
        else if (arg.starts_with("--"))
            a.error = "unknown option " + std::string(arg);
        else if (isLibName(arg))
            a.libFiles.emplace_back(arg);
        else if (!trimBlanks(arg).empty())
            a.modules.emplace_back(arg);
    }
    if (!a.help && a.error.empty() && a.libFiles.empty() && a.modules.empty())
        a.error = "nothing to locate";
    return a;
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

bool loadLibraryFile(Workspace& ws, const std::string& file)
{
    lib::LibLoadRequest request;
    request.fileName = ws.files().fullPath(file);
    request.quiet = true;
    const Result<lib::LibLoadOutcome> loaded = lib::loadLibrary(ws, request);
    if (!loaded) {
        std::fprintf(stderr, "quillon: %s: %s\n", file.c_str(), loaded.error().text.c_str());
        return false;
    }
    if (loaded->end != lib::LibLoadEnd::Loaded) {
        std::fprintf(stderr, "quillon: %s: not a library file, or an empty one\n", file.c_str());
        return false;
    }
    return true;
}

}  // namespace

int runLocateCommand(int argc, char** argv)
{
    const Arguments args = parse(argc, argv);
    if (args.help) {
        std::puts(kLocateUsage);
        return 0;
    }
    if (!args.error.empty()) {
        std::fprintf(stderr, "quillon: %s\n%s\n", args.error.c_str(), kLocateUsage);
        return 2;
    }

    volatile std::sig_atomic_t interrupted = 0;
    ui::TerminalUi ui(interrupted, false, true);
    platform::FileSystem files;
    const platform::Environment env = platform::Environment::fromProcess();
    const settings::SettingsLocation where =
        settings::locateSettingsFile(files, env, settings::LocationInputs::fromProcess());
    settings::SettingsStore store(where.settingsFile);
    SteadyClock clock;
    Workspace ws(ui, files, store, clock);
    settings::OptionsContext context;
    context.settingsFolder = where.settingsFolder;
    settings::LoadOptions(store, files, ws.options, context);
    ws.SilentMode = true;
    ws.QuietLoad = true;
    ws.options.UseNoMessages = 1;
    ws.options.UseStatusBar = 0;
    maintenance::loadExceptList(ws);
    locate::state(ws).environment = locate::locateEnvironment(files, env);
    applyArguments(ws, args);

    for (const std::string& file : args.libFiles) {
        if (!loadLibraryFile(ws, file))
            return 2;
    }
    const locate::LocateReport report = locate::locateModules(ws, args.modules);
    const std::string text = locate::locateReportText(report);
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
