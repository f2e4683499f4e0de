// The `quillon update` command.
#include "cli/update_command.h"

#include <nlohmann/json.hpp>

#include <optional>
#include <string>
#include <vector>

#include "base/text_encoding.h"
#include "cli/json_output.h"
#include "cli/lib_file_run.h"
#include "cli/locate_setup.h"
#include "refresh/library_file_update.h"
#include "refresh/update_preview.h"
#include "reports/compare_settings.h"

namespace quillon::cli {

namespace {

struct UpdateArguments : LibFileArguments {
    std::vector<std::string> priority;
    bool json = false;
    bool preview = false;
};

/// Prints the outcome: the count line and the written file on stdout (or the JSON object), why
/// nothing was written on stderr. False when stdout could not be written.
bool report(CommandContext& context, const refresh::FileUpdateResult& result, bool json)
{
    if (tellRefusal(context, result))
        return true;
    const refresh::UpdateOutcome& u = result.update;
    std::string out;
    if (json) {
        out = jsonDocument({{"file", result.libFile},
                            {"target", result.target},
                            {"modules", u.modules},
                            {"updated", u.updated},
                            {"notLocated", u.notLocated},
                            {"kept", u.kept},
                            {"unreadable", u.unreadable},
                            {"symbols", result.symbols},
                            {"status", cp1252ToUtf8(u.statusText)},
                            {"result", outcomeName(result.outcome)},
                            {"written", result.written()}});
    } else if (!context.quiet()) {
        if (!u.statusText.empty())
            out =
                cp1252ToUtf8(u.statusText) + " - " + std::to_string(result.symbols) + " symbols\n";
        if (result.outcome == BatchOutcome::Saved)
            out += "LIB file written: " + result.target + "\n";
    }
    if (!out.empty() && !context.writeOut(out))
        return false;
    const std::string& file = result.libFile;
    if (result.outcome == BatchOutcome::NotLocated) {
        if (u.modules == 0)
            context.tell(file + ": file not found");
        else if (u.unreadable > 0)
            context.tell("no module was updated; " + file + " is unchanged");
        else
            context.tell("no module was located; " + file + " is unchanged");
    }
    tellNotWritten(context, result);
    return true;
}

/// `--preview`: lists what an update would change and writes nothing.
ExitStatus previewUpdate(CommandContext& context, const std::string& libFile, bool json)
{
    Workspace& ws = context.workspace();
    refresh::FileUpdateResult loaded;
    loaded.libFile = ws.files().fullPath(libFile);
    loaded.target = loaded.libFile;
    if (!refresh::loadLibraryForUpdate(ws, loaded, CommandContext::kRunMode)) {
        if (!report(context, loaded, false))
            return ExitStatus::WriteFailed;
        return refresh::fileUpdateExitCode(loaded);
    }
    const reports::CompareOptions options = reports::readCompareSettings(ws.settings()).options;
    const refresh::UpdatePreview preview = refresh::buildUpdatePreview(ws, options);
    if (preview.cancelled || context.interrupted())
        return context.cancelled();
    std::string out;
    if (json) {
        const auto function = [](const std::optional<refresh::LibFunction>& f) {
            return f ? nlohmann::json{{"module", cp1252ToUtf8(f->module)},
                                      {"function", cp1252ToUtf8(f->symbol)},
                                      {"ordinal", f->ordinal}}
                     : nlohmann::json();
        };
        nlohmann::json rows = nlohmann::json::array();
        for (const refresh::UpdatePreviewRow& row : preview.rows)
            rows.push_back({{"module", row.module},
                            {"function", row.symbol},
                            {"ordinal", row.ordinal},
                            {"change", row.change},
                            {"drops", function(row.drops)},
                            {"writes", function(row.writes)}});
        out = jsonDocument({{"file", loaded.libFile},
                            {"modules", preview.modules},
                            {"changed", preview.changedModules},
                            {"notLocated", preview.notLocated},
                            {"kept", preview.kept},
                            {"rows", rows}});
    } else {
        for (const std::string& line : refresh::updatePreviewLines(preview))
            out += line + "\n";
    }
    return context.writeOut(out) ? ExitStatus::Success : ExitStatus::WriteFailed;
}

}  // namespace

ExitStatus runUpdateCommand(CommandContext& context)
{
    UpdateArguments a;
    CLI::App& app = context.parser(
        "Updates a Clarion LIB file from the DLL/EXE files behind its modules: every module "
        "located (as \"quillon locate\" locates it) is reloaded from its file, the others stay as "
        "they are, and so does a module whose file cannot be read whole or holds another module; "
        "the library is cleaned up and sorted as the settings ask and "
        "written again, replacing the old file only when the new one is complete. Records "
        "in the settings file what the desktop program records (not with --preview).");
    app.add_flag("--preview,--dry-run", a.preview,
                 "list what the update would change (module, function, ordinal, change) and "
                 "write nothing");
    addPriorityOption(app, a.priority);
    app.add_flag("--json", a.json,
                 "print the result (or the preview) as JSON; printed also with --quiet");
    addLibFileArguments(app, a, "the LIB file to update");
    if (const std::optional<ExitStatus> status = context.parse())
        return *status;
    if (const std::optional<ExitStatus> status = takeSilentSwitch(context, a))
        return *status;

    Workspace& ws = context.open(a.preview ? SettingsUse::ReadOnly : SettingsUse::ReadWrite);
    useLocateOptions(context, locateOptions(context, a.priority));
    if (a.preview)
        return previewUpdate(context, a.libFile, a.json);
    const refresh::FileUpdateResult result = refresh::updateLibraryFile(
        ws, refresh::FileUpdateRequest{a.libFile, a.output}, CommandContext::kRunMode);
    context.ui().progressEnd();
    if (!report(context, result, a.json))
        return ExitStatus::WriteFailed;
    return refresh::fileUpdateExitCode(result);
}

}  // namespace quillon::cli
