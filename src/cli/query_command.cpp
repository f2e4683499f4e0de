// The query command of the command-line program.
#include "cli/query_command.h"

#include <CLI/CLI.hpp>

#include <csignal>
#include <cstdio>
#include <string>
#include <vector>

#include "cli/cli_parse.h"
#include "cli/command_session.h"
#include "core/ui/terminal_ui.h"
#include "lib/lib_reader.h"
#include "lib/lib_writer.h"
#include "program/export_listing.h"
#include "program/file_loader.h"
#include "program/session.h"
#include "query/search_flow.h"

namespace quillon::cli {

namespace {

volatile std::sig_atomic_t g_queryInterrupted = 0;  // set by the interrupt handler only

extern "C" void onQueryInterrupt(int)
{
    g_queryInterrupted = 1;
}

void write(std::FILE* to, const std::string& text)
{
    std::fwrite(text.data(), 1, text.size(), to);
}

/// The entries of an existing LIB file, as the extracted functions hold them.
bool readExistingEntries(Workspace& ws, const std::string& file)
{
    Workspace other(ws.ui(), ws.files(), ws.settings(), ws.clock());
    other.SilentMode = true;
    other.options = ws.options;
    lib::LibLoadRequest request;
    request.fileName = file;
    request.quiet = true;
    const Result<lib::LibLoadOutcome> loaded = lib::loadLibrary(other, request);
    if (!loaded)
        return false;
    for (const LibraryRow& row : other.library.rows) {
        if (row.isSymbol())
            ws.queryResults.rows.push_back(
                QueryResult{row.MODULENAME, row.SYMBOL.str(), row.ORDINAL, row.UNSORTED, 0});
    }
    return true;
}

exe::ExportListing listingOf(const QueryResultList& list)
{
    exe::ExportListing listing;
    for (const QueryResult& entry : list.rows)
        listing.symbols.push_back({entry.MODULENAME.str(), entry.SYMBOL, entry.ORDINAL, false});
    return listing;
}

}  // namespace

int runQueryCommand(int argc, char** argv)
{
    CLI::App app{
        "Extracts the functions whose names match KEYWORDS from the libraries made "
        "of FILE... (DLLs, EXEs or Clarion LIB files).",
        "quillon query"};
    std::string match = "contains";
    bool caseSensitive = false;
    bool accumulate = false;
    bool json = false;
    std::string save;
    std::string settingsDir;
    std::string keywords;
    std::vector<std::string> files;
    app.add_option("--match", match, "how a keyword matches a name")
        ->check(CLI::IsMember({"contains", "begins", "ends", "whole"}));
    app.add_flag("--case", caseSensitive, "letter case counts");
    app.add_flag("--accumulate", accumulate,
                 "keep the entries of an existing --save file and add only new functions");
    asPath(app.add_option("--save", save, "write the extracted functions as this LIB file"));
    app.add_flag("--json", json, "print a JSON array instead of tab-separated lines");
    asPath(app.add_option("--settings", settingsDir, "use DIR/Quillon32.ini as the settings file"));
    app.add_option("KEYWORDS", keywords,
                   "keywords separated by blanks, commas or semicolons; +WORD must be in the "
                   "name, -WORD must not")
        ->required();
    asPath(app.add_option("FILE", files, "the files to load"))->required();
    try {
        app.parse(argc - 1, argv + 1);
    } catch (const CLI::ParseError& e) {
        const int code = app.exit(e);
        return code == 0 ? 0 : 2;
    }
    if (accumulate && save.empty()) {
        write(stderr, "quillon query: --accumulate needs --save=OUT.LIB\n");
        return 2;
    }

    std::signal(SIGINT, onQueryInterrupt);
    ui::TerminalUi ui(g_queryInterrupted, false, false);
    const std::unique_ptr<Session> session = openCommandSession(ui, settingsDir);
    Workspace& ws = session->workspace();
    ws.options.UseStatusBar = 0;

    std::vector<std::string> found;
    for (const std::string& file : files) {
        const std::string full = ws.files().fullPath(file);
        if (ws.files().isFile(full))
            found.push_back(full);
        else
            write(stderr, "quillon query: " + file + ": file not found\n");
    }
    if (found.empty())
        return 4;
    if (accumulate && ws.files().isFile(save) && !readExistingEntries(ws, save)) {
        write(stderr, "quillon query: " + save + ": " + ws.ErrorText + "\n");
        return 6;
    }
    ws.cancel.clear();
    (void)loadFileList(ws, makeInputFileList(ws, found));
    ui.progressEnd();
    if (ws.cancel.cancelled())
        return 5;
    if (ws.library.SymbolCount == 0)
        return 3;

    query::SearchOptions options;
    options.SearchString = keywords;
    options.SearchOption = match == "begins"  ? query::MatchOption::BeginningWith
                           : match == "ends"  ? query::MatchOption::EndingWith
                           : match == "whole" ? query::MatchOption::WholeWord
                                              : query::MatchOption::Containing;
    options.UseMatchCase = caseSensitive;
    options.UseMultiSearch = true;
    options.UseAccumulateQuery = accumulate;
    options.UseProgress = false;
    ws.options.UseNoMessages = 1;
    const query::SearchResult result = query::queryLibrary(ws, options);
    if (result.cancelled)
        return 5;

    const exe::ExportListing listing = listingOf(ws.queryResults);
    write(stdout, json ? exe::exportListingJson(listing) : exe::exportListingTsv(listing));
    std::fflush(stdout);
    if (!save.empty() && !ws.queryResults.empty()) {
        ws.CurrentFileName = ws.files().fullPath(save);
        const Status written = lib::writeQueryResults(ws, {false, true});
        if (!written) {
            write(stderr, "quillon query: " + save + ": " + written.error().text + "\n");
            return 6;
        }
    }
    return result.extracted > 0 ? 0 : 1;
}

}  // namespace quillon::cli
