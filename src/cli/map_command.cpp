// The `quillon map` command of the command-line program.
#include "cli/map_command.h"

#include <csignal>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "cli/cli_parse.h"
#include "cli/command_session.h"
#include "core/ui/terminal_ui.h"
#include "program/session.h"
#include "reports/clarion_map.h"
#include "reports/module_definition.h"

namespace quillon::cli {

namespace {

volatile std::sig_atomic_t g_mapInterrupted = 0;  // set by the interrupt handler only

extern "C" void onMapInterrupt(int)
{
    g_mapInterrupted = 1;
}

void fail(const std::string& text)
{
    std::fputs(("quillon map: " + text + "\n").c_str(), stderr);
}

}  // namespace

int runMapCommand(int argc, char** argv)
{
    std::string moduleName;
    std::string outFile;
    std::string settingsDir;
    bool prototypesOnly = false;
    std::vector<std::string> files;
    CLI::App app(
        "Loads executables, module-definition files and Clarion LIB files as a library and "
        "writes a Clarion MAP include of its functions: per module MODULE('file') ... END with "
        "one prototype per function, labelled and named by its exported name. Parameters come "
        "from decorated names (C++, _Name@N); a function whose name tells too little is written "
        "as a comment line with a note.",
        "quillon map");
    app.add_option("--module", moduleName, "only this module (letter case ignored)");
    app.add_flag("--prototypes", prototypesOnly,
                 "the prototype lines alone, without the head and MODULE structures");
    app.add_option("-o,--output", outFile, "write to OUT instead of standard output");
    app.add_option("--settings", settingsDir, "use DIR/Quillon32.ini as the settings file");
    app.add_option("FILE", files,
                   "executables (DLL, EXE, ...), module-definition files (.def) or Clarion LIB "
                   "files")
        ->required();
    if (const std::optional<int> code = parseSubcommand(app, argc, argv))
        return *code;

    std::signal(SIGINT, onMapInterrupt);
    ui::TerminalUi ui(g_mapInterrupted, false, false);
    const std::unique_ptr<Session> session = openCommandSession(ui, settingsDir);
    Workspace& ws = session->workspace();
    ws.options.UseStatusBar = 0;
    ws.cancel.clear();
    if (const int code = loadCommandInputFiles(ws, files); code != 0)
        return code;

    std::vector<std::size_t> rows;
    if (!moduleName.empty()) {
        const std::optional<std::size_t> module = reports::findModuleRow(ws, moduleName);
        if (!module) {
            fail("no module named " + moduleName + " in the library");
            return 2;
        }
        rows.push_back(*module);
    }
    const std::vector<reports::MapModule> modules = reports::mapModules(ws, rows);
    const std::string text = prototypesOnly ? reports::clarionPrototypeText(modules)
                                            : reports::clarionMapText(modules);
    if (!outFile.empty()) {
        const Status written =
            reports::writeClarionMap(ws.files(), ws.files().fullPath(outFile), text);
        if (!written.ok()) {
            fail(outFile + ": " + written.error().text);
            return 6;
        }
        return 0;
    }
    if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size() || std::fflush(stdout) != 0) {
        fail("standard output: Access denied");
        return 6;
    }
    return 0;
}

}  // namespace quillon::cli
