// The compare command of the command-line program.
#include "cli/compare_command.h"

#include <string>
#include <vector>

#include "base/text_encoding.h"
#include "cli/compare_output.h"
#include "cli/lib_file_input.h"
#include "cli/locate_setup.h"
#include "reports/compare_library.h"
#include "reports/compare_settings.h"
#include "reports/module_definition.h"

namespace quillon::cli {

namespace {

struct CompareArguments {
    std::string module;
    bool matchCase = false;
    bool ignoreCase = false;
    bool ignoreOrdinals = false;
    bool partial = false;
    bool all = false;
    bool json = false;
    std::vector<std::string> priority;
    std::string libFile;
    std::string diskFile;
};

void addOptions(CLI::App& app, CompareArguments& a)
{
    app.add_option("--module", a.module,
                   "compare only this module, named as LIB names it (QUILLSMP.dll; letter case "
                   "ignored)")
        ->type_name("NAME");
    CLI::Option* matchCase =
        app.add_flag("--match-case", a.matchCase, "letter case counts (casing is reported)");
    CLI::Option* ignoreCase =
        app.add_flag("--ignore-case", a.ignoreCase, "compare names in upper case");
    matchCase->excludes(ignoreCase);
    app.add_flag("--ignore-ordinals", a.ignoreOrdinals, "do not compare ordinals");
    app.add_flag("--partial", a.partial,
                 "module names that differ in case or extension name the same module");
    addPriorityOption(app, a.priority);
    app.add_flag("--all", a.all, "list every row, not only the changed ones");
    app.add_flag("--json", a.json, "write one JSON document");
    asPath(app.add_option("LIB", a.libFile, "the Clarion LIB file"))->required();
    asPath(app.add_option(
        "DISKFILE", a.diskFile,
        "the file to compare with (a DLL, EXE or LIB file): compares the one module "
        "of LIB, or the one --module names; without DISKFILE each module is compared "
        "with the DLL located for it"));
}

}  // namespace

ExitStatus runCompareCommand(CommandContext& context)
{
    CompareArguments a;
    CLI::App& app = context.parser(
        "Compares the modules of a Clarion LIB file with the DLL/EXE files on disk. Options "
        "default from section [Compare] of Quillon32.ini (UseMatchCase, UseIgnoreOrdinals, "
        "UseHeavyMangling). Never writes the settings file.");
    addOptions(app, a);
    if (const std::optional<ExitStatus> status = context.parse())
        return *status;

    Workspace& ws = context.open(SettingsUse::ReadOnly);
    ws.options.UseNoMessages = true;
    useLocateOptions(context, locateOptions(context, a.priority));
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

    if (!context.checkInput(a.libFile))
        return ExitStatus::CompareError;
    if (const std::optional<std::string> why = loadLibFileInput(ws, a.libFile)) {
        if (context.interrupted())
            return context.cancelled(ExitStatus::CompareCancelled);
        context.tell(*why);
        return ExitStatus::CompareError;
    }
    if (!a.diskFile.empty()) {
        // A missing DISKFILE is also reported per module, as the window reports it.
        (void)context.checkInput(a.diskFile);
        request.diskFile = ws.files().fullPath(a.diskFile);
        if (a.module.empty() && ws.library.ModuleCount != 1)
            return context.usageError(
                a.libFile + " holds " + std::to_string(ws.library.ModuleCount) +
                " modules: name one with --module to compare it with " + a.diskFile);
    }
    if (!a.module.empty() && !reports::findModuleRow(ws, a.module)) {
        context.tell("no module " + a.module + " in " + a.libFile);
        return ExitStatus::CompareError;
    }
    const std::vector<reports::ModuleComparison> modules =
        reports::compareLibraryModules(ws, request);
    if (context.interrupted())
        return context.cancelled(ExitStatus::CompareCancelled);
    if (!context.writeOut(a.json ? compareJson(modules, a.all) : compareText(modules, a.all)))
        return ExitStatus::CompareError;
    return static_cast<ExitStatus>(compareExitBits(modules));
}

}  // namespace quillon::cli
