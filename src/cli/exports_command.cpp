// The export listing command of the command-line program.
#include "cli/exports_command.h"

#include <string>
#include <vector>

#include "base/text_encoding.h"
#include "exe/module_definition_messages.h"
#include "program/export_listing.h"

namespace quillon::cli {

ExitStatus runExportsCommand(CommandContext& context)
{
    bool json = false;
    bool all = false;
    exe::ListingFormat format;
    std::vector<std::string> files;
    CLI::App& app = context.parser(
        "Lists what executables and Clarion LIB files export, one line per symbol (module, "
        "symbol, ordinal, resident flag). Reads no settings.");
    app.add_flag("--json", json, "print a JSON array instead of tab-separated lines");
    app.add_flag("--all", all,
                 "also list the exports that have no name (empty symbol, a fifth column 1)");
    app.add_flag("--undecorate", format.undecorated,
                 "add the undecorated name of each symbol (a last column; \"undecorated\" in "
                 "JSON), empty when the name is not decorated");
    addLibraryInputs(app, files);
    if (const std::optional<ExitStatus> status = context.parse())
        return *status;

    Workspace& ws = context.open(SettingsUse::None);
    const exe::ExportListing listing = exe::listExports(ws, files, all);
    if (listing.cancelled || context.interrupted())
        return context.cancelled();
    if (!context.writeOut(json ? exe::exportListingJson(listing, format)
                               : exe::exportListingTsv(listing, format)))
        return ExitStatus::WriteFailed;
    if (!all) {
        for (const exe::OrdinalOnlyCount& count : listing.ordinalOnly)
            context.tell(count.file + ": " + std::to_string(count.count) +
                         " exports by ordinal only left out (--all lists them)");
    }
    for (const exe::SkippedEntries& skipped : listing.skippedEntries)
        context.tell(skipped.file + ": " + exe::skippedEntriesLine(skipped));
    for (const exe::ListingFailure& failure : listing.failures) {
        // Rejections have shown their message already; file errors are told here.
        if (!failure.rejected)
            context.tell(failure.file + ": " + cp1252ToUtf8(failure.text) + " (error " +
                         std::to_string(failure.code) + ")");
    }
    return listing.failures.empty() ? ExitStatus::Success : ExitStatus::Failed;
}

}  // namespace quillon::cli
