// The query command of the command-line program.
#include "cli/query_command.h"

#include <string>
#include <vector>

#include "base/text_encoding.h"
#include "lib/lib_reader.h"
#include "lib/lib_writer.h"
#include "program/export_listing.h"
#include "query/search_flow.h"

namespace quillon::cli {

namespace {

struct QueryArguments {
    std::string match = "contains";
    bool caseSensitive = false;
    bool accumulate = false;
    bool json = false;
    std::string save;
    std::string keywords;
    std::vector<std::string> files;
};

/// The entries of an existing LIB file, as the extracted functions hold them. A file that
/// cannot be read, or is no LIB file, is not to be written over: its error is returned.
Status readExistingEntries(Workspace& ws, const std::string& file)
{
    Workspace other(ws.ui(), ws.files(), ws.settings(), ws.clock());
    other.options = ws.options;
    lib::LibLoadRequest request;
    request.fileName = file;
    request.quiet = true;
    request.QuietLoad = true;
    const Result<lib::LibLoadOutcome> loaded = lib::loadLibrary(other, request);
    if (!loaded)
        return loaded.error();
    if (loaded->end == lib::LibLoadEnd::NotLibrary)
        return Error{0, "NOT a library file!"};
    for (const LibraryRow& row : other.library.rows) {
        if (row.isSymbol())
            ws.queryResults.rows.push_back(
                QueryResult{row.MODULENAME, row.SYMBOL.str(), row.ORDINAL, row.UNSORTED, 0});
    }
    return {};
}

exe::ExportListing listingOf(const QueryResultList& list)
{
    exe::ExportListing listing;
    for (const QueryResult& entry : list.rows)
        listing.symbols.push_back({entry.MODULENAME.str(), entry.SYMBOL, entry.ORDINAL, false});
    return listing;
}

query::SearchOptions searchOptions(const QueryArguments& a)
{
    query::SearchOptions options;
    options.SearchString = a.keywords;
    options.SearchOption = a.match == "begins"  ? query::MatchOption::BeginningWith
                           : a.match == "ends"  ? query::MatchOption::EndingWith
                           : a.match == "whole" ? query::MatchOption::WholeWord
                                                : query::MatchOption::Containing;
    options.UseMatchCase = a.caseSensitive;
    options.UseMultiSearch = true;
    options.UseAccumulateQuery = a.accumulate;
    options.UseProgress = false;
    return options;
}

}  // namespace

ExitStatus runQueryCommand(CommandContext& context)
{
    QueryArguments a;
    CLI::App& app = context.parser(
        "Extracts the functions whose names match KEYWORDS from the library made of FILE... "
        "(DLLs, EXEs or Clarion LIB files). Never writes the settings file.");
    app.add_option("--match", a.match,
                   "how a keyword matches a name: contains (the default), begins, ends, or whole "
                   "(the whole name; KEYWORDS is then not split at blanks)")
        ->check(CLI::IsMember({"contains", "begins", "ends", "whole"}));
    app.add_flag("--case", a.caseSensitive, "letter case counts");
    app.add_flag("--accumulate", a.accumulate,
                 "keep the entries of an existing --save file and add only new functions");
    asPath(
        app.add_option("--save", a.save,
                       "write the extracted functions as this LIB file (a name without folder: in "
                       "the current folder; an old file is replaced only when the new one is "
                       "complete)"))
        ->type_name("OUT.LIB");
    app.add_flag("--json", a.json, "print a JSON array instead of tab-separated lines");
    app.add_option("KEYWORDS", a.keywords,
                   "keywords separated by blanks, commas or semicolons (at most 10); a name "
                   "matching any is taken, +WORD must also be in it, -WORD must not; put \"--\" "
                   "before KEYWORDS that start with \"-\"")
        ->required();
    asPath(app.add_option("FILE", a.files, "the files to load"))->required();
    if (const std::optional<ExitStatus> status = context.parse())
        return *status;
    if (a.accumulate && a.save.empty())
        return context.usageError("--accumulate needs --save=OUT.LIB");

    Workspace& ws = context.open(SettingsUse::ReadOnly);
    if (a.accumulate && ws.files().isFile(a.save)) {
        if (const Status existing = readExistingEntries(ws, a.save); !existing) {
            context.tell(a.save + ": " + cp1252ToUtf8(existing.error().text));
            return ExitStatus::WriteFailed;
        }
    }
    const InputFiles inputs = context.findInputs(a.files);
    if (const std::optional<ExitStatus> status = context.loadInputs(inputs))
        return *status;

    ws.options.UseNoMessages = true;
    const query::SearchResult result = query::queryLibrary(ws, searchOptions(a));
    if (result.cancelled || context.interrupted())
        return context.cancelled();

    const exe::ExportListing listing = listingOf(ws.queryResults);
    if (!context.writeOut(a.json ? exe::exportListingJson(listing)
                                 : exe::exportListingTsv(listing)))
        return ExitStatus::WriteFailed;
    if (!a.save.empty() && !ws.queryResults.empty()) {
        const Status written =
            lib::writeQueryResults(ws, ws.files().fullPath(a.save), {false, true});
        if (!written) {
            context.tell(a.save + ": " + cp1252ToUtf8(written.error().text));
            return ExitStatus::WriteFailed;
        }
    }
    if (!inputs.missing.empty())
        return ExitStatus::SomeNotFound;
    return result.extracted > 0 ? ExitStatus::Success : ExitStatus::Failed;
}

}  // namespace quillon::cli
