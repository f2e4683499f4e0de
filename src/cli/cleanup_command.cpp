// The `quillon cleanup` command.
#include "cli/cleanup_command.h"

#include <nlohmann/json.hpp>

#include <optional>
#include <string>
#include <vector>

#include "base/text_encoding.h"
#include "cli/json_output.h"
#include "cli/lib_file_run.h"
#include "cli/locate_setup.h"
#include "refresh/library_file_cleanup.h"

namespace quillon::cli {

namespace {

using maintenance::CleanupRecord;
using maintenance::CleanupSteps;
using maintenance::RemovalReason;
using maintenance::RemovedEntry;

struct CleanupArguments : LibFileArguments {
    CleanupSteps steps;
    int bits = 0;
    std::string keep;
    std::vector<std::string> priority;
    bool json = false;
    bool preview = false;
};

void addOptions(CLI::App& app, CleanupArguments& a)
{
    CLI::Option* inconsistent = app.add_flag(
        "--inconsistent", a.steps.inconsistentModules,
        "remove the modules whose DLL is located with the other bitness than the library's");
    app.add_option("--bits", a.bits,
                   "the library's bitness for --inconsistent (default: the settings' "
                   "UseBitCheckSet, the 16/32-bit setting of the desktop program)")
        ->check(CLI::IsMember({16, 32}))
        ->needs(inconsistent);
    app.add_flag("--unlocated", a.steps.unlocatedModules,
                 "remove the modules whose DLL is not located");
    app.add_flag("--duplicate-modules", a.steps.duplicateModules,
                 "remove every module whose name (letter case ignored) an earlier module has");
    app.add_flag("--excluded", a.steps.excludedSymbols,
                 "remove the symbols the exclusion list names (its checked entries)");
    CLI::Option* duplicates = app.add_flag(
        "--duplicates", a.steps.duplicateSymbols,
        "remove the symbols whose name (letter case ignored) occurs more than once in the "
        "library, but the occurrence --keep keeps");
    app.add_option("--keep", a.keep,
                   "which occurrence of a duplicated symbol stays: none or first (default: the "
                   "settings' UseExcludeGlobalDuplicatesSet)")
        ->check(CLI::IsMember({"none", "first"}))
        ->needs(duplicates);
    addPriorityOption(app, a.priority);
    app.add_flag("--preview,--dry-run", a.preview,
                 "list what would be removed (module, function, ordinal, reason) and write "
                 "nothing");
    app.add_flag("--json", a.json,
                 "print the result (or the preview) as JSON; printed also with --quiet");
    addLibFileArguments(app, a, "the LIB file to clean up");
}

/// The one line a listing gives an entry: module, function, ordinal and reason, tab-separated.
std::string entryLine(const RemovedEntry& e, std::string_view bits)
{
    const std::string ordinal = e.symbol.empty() ? std::string() : std::to_string(e.ordinal);
    return cp1252ToUtf8(e.module) + '\t' + cp1252ToUtf8(e.symbol) + '\t' + ordinal + '\t' +
           maintenance::removalReasonText(e.reason, bits) + '\n';
}

nlohmann::json recordJson(const CleanupRecord& record)
{
    nlohmann::json removed = nlohmann::json::array();
    for (const RemovedEntry& e : record.removed)
        removed.push_back({{"module", cp1252ToUtf8(e.module)},
                           {"function", cp1252ToUtf8(e.symbol)},
                           {"ordinal", e.ordinal},
                           {"reason", maintenance::removalReasonText(e.reason, record.bits)}});
    return {{"inconsistentModules", record.count(RemovalReason::InconsistentModule)},
            {"unlocatedModules", record.count(RemovalReason::UnlocatedModule)},
            {"duplicateModules", record.count(RemovalReason::DuplicateModule)},
            {"excludedSymbols", record.count(RemovalReason::ExcludedSymbol)},
            {"duplicateSymbols", record.count(RemovalReason::DuplicateSymbol)},
            {"emptiedModules", record.emptiedModules},
            {"removed", removed}};
}

const char* resultName(const refresh::FileCleanupResult& result)
{
    if (result.previewed)
        return "preview";
    if (result.unchanged)
        return "unchanged";
    return outcomeName(result.outcome);
}

/// Prints the outcome: the summary line and the written file (or the preview's lines) on
/// stdout, or the JSON object; why nothing was written on stderr. False when stdout could not
/// be written.
bool report(CommandContext& context, const refresh::FileCleanupResult& result, bool json)
{
    if (tellRefusal(context, result))
        return true;
    const CleanupRecord& record = result.record;
    const bool loaded = result.loaded && result.outcome != BatchOutcome::Cancelled;
    std::string out;
    if (json) {
        nlohmann::json doc{{"file", result.libFile}, {"target", result.target}};
        doc.update(recordJson(record));
        doc["symbols"] = result.symbols;
        doc["result"] = resultName(result);
        doc["written"] = result.written();
        out = jsonDocument(doc);
    } else if (result.previewed) {
        for (const RemovedEntry& e : record.removed)
            out += entryLine(e, record.bits);
    } else if (!context.quiet() && loaded) {
        out = maintenance::cleanupSummaryText(record) + " - " + std::to_string(result.symbols) +
              " symbols\n";
        if (result.written())
            out += "LIB file written: " + result.target + "\n";
    }
    if (!out.empty() && !context.writeOut(out))
        return false;
    if (!result.loaded && result.outcome == BatchOutcome::NotLocated)
        context.tell(result.libFile + ": file not found");
    if (loaded && result.outcome == BatchOutcome::NoNames)
        context.tell("nothing would be left to write; " + result.libFile + " is unchanged");
    else
        tellNotWritten(context, result);
    return true;
}

}  // namespace

ExitStatus runCleanupCommand(CommandContext& context)
{
    CleanupArguments a;
    CLI::App& app = context.parser(
        "Cleans a Clarion LIB file up as the desktop program's modules cleanup and symbols "
        "cleanup do: removes the modules and symbols the steps name and writes the rest again, "
        "sorted as the settings ask, replacing the old file only when the new one is complete. "
        "Without a step it takes the steps a save takes as the settings ask. A file from which "
        "nothing is removed is left untouched. Records in the settings file what the desktop "
        "program records (not with --preview).");
    addOptions(app, a);
    if (const std::optional<ExitStatus> status = context.parse())
        return *status;
    if (const std::optional<ExitStatus> status = takeSilentSwitch(context, a))
        return *status;

    Workspace& ws = context.open(a.preview ? SettingsUse::ReadOnly : SettingsUse::ReadWrite);
    CleanupSteps steps = a.steps;
    if (!steps.anyModuleStep() && !steps.anySymbolStep()) {
        steps = maintenance::saveCleanupSteps(ws.options);
        if (!steps.anyModuleStep() && !steps.anySymbolStep())
            return context.usageError(
                "the settings switch no cleanup on; name the steps (--duplicate-modules, "
                "--excluded, --duplicates, --inconsistent, --unlocated)");
    }
    if (a.bits != 0)
        steps.bits = a.bits == 16 ? LibraryBitness::Set16Bit : LibraryBitness::Set32Bit;
    if (!a.keep.empty())
        steps.keep = a.keep == "first" ? DuplicateKeep::KeepFirst : DuplicateKeep::KeepNone;
    const LibraryBitness bits = steps.bits.value_or(ws.options.UseBitCheckSet);
    if (a.steps.inconsistentModules && !isBitnessChosen(bits))
        return context.usageError(
            "the library's bitness is not chosen in the settings (UseBitCheckSet); give "
            "--bits=16 or --bits=32");
    if (steps.locates())
        useLocateOptions(context, locateOptions(context, a.priority));

    refresh::FileCleanupRequest request{a.libFile, a.output, steps, a.preview};
    const refresh::FileCleanupResult result =
        refresh::cleanupLibraryFile(ws, request, CommandContext::kRunMode);
    context.ui().progressEnd();
    if (!report(context, result, a.json))
        return ExitStatus::WriteFailed;
    return refresh::fileCleanupExitCode(result);
}

}  // namespace quillon::cli
