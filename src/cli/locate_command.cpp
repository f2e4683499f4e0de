// The "locate" command of the command-line program.
#include "cli/locate_command.h"

#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "base/lib_file_name.h"
#include "base/text_encoding.h"
#include "cli/lib_file_input.h"
#include "cli/locate_setup.h"
#include "locate/locate_report.h"

namespace quillon::cli {

namespace {

struct LocateArguments {
    std::vector<std::string> operands;
    bool verify = false;
    bool deep = false;
    bool dllOnly = false;
    bool exact = false;
    bool json = false;
    std::vector<std::string> priority;
};

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

}  // namespace

ExitStatus runLocateCommand(CommandContext& context)
{
    LocateArguments a;
    CLI::App& app = context.parser(
        "Locates the files behind the modules of Clarion LIB files (or named modules) and "
        "prints one line per module: module, path, bitness, the step that found it. Never "
        "writes the settings file.");
    app.add_flag("--verify", a.verify, "accept only files with an NE or PE header");
    app.add_flag("--deep", a.deep,
                 "try more extensions (.VBX, .OCX, .AX, .CPL besides .DLL, .EXE, .DRV) and up to "
                 "1000 remembered folders instead of 500");
    app.add_flag("--dll-only", a.dllOnly, "try only the .DLL extension");
    app.add_flag("--exact", a.exact, "no relaxed matching of names (apostrophes and quotes count)");
    addPriorityOption(app, a.priority);
    app.add_flag("--json", a.json, "print one JSON document instead of lines");
    asPath(
        app.add_option("FILE.LIB|MODULE", a.operands,
                       "LIB files whose modules to locate (names ending in .LIB), or module names"))
        ->required();
    if (const std::optional<ExitStatus> status = context.parse())
        return *status;
    std::vector<std::string> libFiles;
    std::vector<std::string> modules;
    for (const std::string& operand : a.operands) {
        if (isLibFileName(operand))
            libFiles.push_back(operand);
        else if (!trimBlanks(operand).empty())
            modules.push_back(operand);
    }
    if (libFiles.empty() && modules.empty())
        return context.usageError("nothing to locate");

    Workspace& ws = context.open(SettingsUse::ReadOnly);
    ws.options.UseNoMessages = true;
    locate::AutolocateOptions options = locateOptions(context, a.priority);
    if (a.verify)
        options.UseVerifyOSAutolocate = true;
    if (a.deep)
        options.UseAutolocateDeep = true;
    if (a.dllOnly)
        options.UseOnlyDLLAutolocate = true;
    if (a.exact)
        options.UseRelaxedAutolocate = false;
    useLocateOptions(context, options);

    const InputFiles inputs = context.findInputs(libFiles);
    if (!inputs.missing.empty())
        return ExitStatus::NotFound;
    for (const std::string& file : libFiles) {
        if (const std::optional<std::string> why = loadLibFileInput(ws, file)) {
            if (context.interrupted())
                return context.cancelled();
            context.tell(*why);
            return ExitStatus::Failed;
        }
    }
    const locate::LocateReport report = locate::locateModules(ws, modules);
    if (report.cancelled || context.interrupted())
        return context.cancelled();
    if (!context.writeOut(a.json ? reportJson(report) : locate::locateReportText(report)))
        return ExitStatus::WriteFailed;
    for (const locate::LocateReportRow& row : report.rows) {
        if (!row.found)
            return ExitStatus::Failed;
    }
    return ExitStatus::Success;
}

}  // namespace quillon::cli
