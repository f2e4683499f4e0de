// The compare command of the command-line program.
#include "cli/compare_command.h"

#include <CLI/CLI.hpp>
#include <csignal>
#include <cstdio>
#include <string>

#include "base/text_encoding.h"
#include "cli/cli_parse.h"
#include "cli/command_session.h"
#include "cli/compare_output.h"
#include "core/ui/terminal_ui.h"
#include "locate/locate_module.h"
#include "locate/search_places.h"
#include "maintenance/exceptions.h"
#include "program/session.h"
#include "reports/compare_library.h"
#include "reports/compare_module.h"
#include "reports/compare_settings.h"
#include "reports/compare_status.h"
#include "reports/module_definition.h"

namespace quillon::cli {

namespace {

struct Arguments {
    std::string module;
    bool matchCase = false;
    bool ignoreCase = false;
    bool ignoreOrdinals = false;
    bool partial = false;
    bool all = false;
    bool json = false;
    std::string settingsDir;
    std::string libFile;
    std::string diskFile;
};

void fail(const std::string& text)
{
    std::fprintf(stderr, "quillon compare: %s\n", cp1252ToUtf8(text).c_str());
}

int compareRun(const Arguments& a)
{
    volatile std::sig_atomic_t interrupted = 0;
    ui::TerminalUi ui(interrupted, false, true);
    const std::unique_ptr<Session> session = openCommandSession(ui, a.settingsDir);
    Workspace& ws = session->workspace();
    ws.QuietLoad = true;
    ws.options.UseNoMessages = 1;
    ws.options.UseStatusBar = 0;
    maintenance::loadExceptList(ws);
    locate::state(ws).environment = locate::locateEnvironment(ws.files(), session->environment());

    reports::LibraryCompareRequest request;
    request.options = reports::readCompareSettings(ws.settings()).options;
    if (a.matchCase)
        request.options.UseMatchCase = true;
    if (a.ignoreCase)
        request.options.UseMatchCase = false;
    if (a.ignoreOrdinals)
        request.options.UseIgnoreOrdinals = true;
    request.options.partialMatch = a.partial;
    request.moduleName = a.module;

    if (const std::optional<std::string> why = loadCommandLibFile(ws, a.libFile)) {
        fail(*why);
        return reports::kSeverityError;
    }
    if (!a.diskFile.empty()) {
        request.diskFile = ws.files().fullPath(a.diskFile);
        if (a.module.empty() && ws.library.ModuleCount != 1) {
            fail(a.libFile + " holds " + std::to_string(ws.library.ModuleCount) +
                 " modules: name one with --module");
            return 2;
        }
    }
    if (!a.module.empty() && !reports::findModuleRow(ws, a.module)) {
        fail("no module " + a.module + " in " + a.libFile);
        return reports::kSeverityError;
    }
    const std::vector<reports::ModuleComparison> modules =
        reports::compareLibraryModules(ws, request);
    const std::string out = a.json ? compareJson(modules, a.all) : compareText(modules, a.all);
    std::fwrite(out.data(), 1, out.size(), stdout);
    std::fflush(stdout);
    return compareExitBits(modules);
}

}  // namespace

int runCompareCommand(int argc, char** argv)
{
    CLI::App app{"Compares the modules of a Clarion LIB file with the DLL/EXE files on disk.",
                 "quillon compare"};
    Arguments a;
    app.add_option("--module", a.module, "compare only this module")->type_name("NAME");
    CLI::Option* matchCase =
        app.add_flag("--match-case", a.matchCase, "letter case counts (casing is reported)");
    CLI::Option* ignoreCase =
        app.add_flag("--ignore-case", a.ignoreCase, "compare names in upper case");
    matchCase->excludes(ignoreCase);
    app.add_flag("--ignore-ordinals", a.ignoreOrdinals, "do not compare ordinals");
    app.add_flag("--partial", a.partial,
                 "module names that differ in case or extension name the same module");
    app.add_flag("--all", a.all, "list every row, not only the changed ones");
    app.add_flag("--json", a.json, "write one JSON document");
    asPath(
        app.add_option("--settings", a.settingsDir, "use DIR/Quillon32.ini as the settings file"))
        ->type_name("DIR");
    asPath(app.add_option("LIB", a.libFile, "the Clarion LIB file"))->required();
    asPath(app.add_option(
        "DISKFILE", a.diskFile,
        "the file to compare with (a DLL, EXE or LIB file); without it each module is "
        "compared with its located executable"));
    app.footer(
        "Options default from section [Compare] of Quillon32.ini (UseMatchCase, "
        "UseIgnoreOrdinals, UseHeavyMangling).\n"
        "Exit status (bits, or-ed over the modules): 0 nothing changed; 1 an error (file not "
        "found, module not located, unreadable input); 2 usage; 4 changes that keep programs "
        "linked against the LIB file working (casing, functions only on disk, duplicates); 8 "
        "changes that break them (functions missing on disk, ordinals changed, renamed "
        "functions, another module).");
    try {
        app.parse(argc - 1, argv + 1);
    } catch (const CLI::ParseError& e) {
        const int code = app.exit(e);
        return code == 0 ? 0 : 2;
    }
    return compareRun(a);
}

}  // namespace quillon::cli
