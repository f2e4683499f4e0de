// The `quillon map` command of the command-line program.
#include "cli/map_command.h"

#include <optional>
#include <string>
#include <vector>

#include "base/text_encoding.h"
#include "reports/clarion_map.h"
#include "reports/module_definition.h"

namespace quillon::cli {

ExitStatus runMapCommand(CommandContext& context)
{
    std::string moduleName;
    std::string outFile;
    bool prototypesOnly = false;
    std::vector<std::string> files;
    CLI::App& app = context.parser(
        "Loads executables, module-definition files and Clarion LIB files as a library and "
        "writes a Clarion MAP include of its functions: per module MODULE('file') ... END with "
        "one prototype per function, labelled and named by its exported name. Parameters come "
        "from decorated names (C++, _Name@N); a function whose name tells too little is written "
        "as a comment line with a note.");
    app.add_option("--module", moduleName,
                   "only this module, named as the library names it (QUILLSMP.dll; letter case "
                   "ignored)")
        ->type_name("NAME");
    app.add_flag("--prototypes", prototypesOnly,
                 "the prototype lines alone, without the head and MODULE structures");
    asPath(app.add_option("-o,--output", outFile,
                          "write to OUT (a name without folder: in the current folder) instead of "
                          "standard output"))
        ->type_name("OUT");
    addLibraryInputs(app, files);
    if (const std::optional<ExitStatus> status = context.parse())
        return *status;

    Workspace& ws = context.open(SettingsUse::ReadOnly);
    const InputFiles inputs = context.findInputs(files);
    if (const std::optional<ExitStatus> status = context.loadInputs(inputs))
        return *status;

    std::vector<std::size_t> rows;
    if (!moduleName.empty()) {
        const std::optional<std::size_t> module = reports::findModuleRow(ws, moduleName);
        if (!module)
            return context.usageError("no module named " + moduleName + " in the library");
        rows.push_back(*module);
    }
    const std::vector<reports::MapModule> modules = reports::mapModules(ws, rows);
    const std::string text =
        prototypesOnly ? reports::clarionPrototypeText(modules) : reports::clarionMapText(modules);
    if (context.interrupted())
        return context.cancelled();
    if (!outFile.empty()) {
        const Status written =
            reports::writeClarionMap(ws.files(), ws.files().fullPath(outFile), text);
        if (!written.ok()) {
            context.tell(outFile + ": " + cp1252ToUtf8(written.error().text));
            return ExitStatus::WriteFailed;
        }
    } else if (!context.writeOut(text)) {
        return ExitStatus::WriteFailed;
    }
    return inputs.missing.empty() ? ExitStatus::Success : ExitStatus::SomeNotFound;
}

}  // namespace quillon::cli
