// Starting, running and reporting a find or a query.
#include "query/search_flow.h"

#include <string>

#include "base/ascii_text.h"
#include "query/query_messages.h"

namespace quillon::query {

namespace {

void status(Workspace& ws, int pane, std::string_view text)
{
    if (ws.options.UseStatusBar)
        ws.ui().status(pane, text);
}

bool messagesShown(const Workspace& ws)
{
    return !ws.options.UseNoMessages;
}

/// "Max keywords exceeded! ", before each run whose keywords go past the limit (shown even
/// when messages are suppressed: the search differs from what was typed).
void warnKeywordLimit(Workspace& ws, const SearchOptions& options, bool queryMode)
{
    if (keywordSetsFor(options, queryMode).limitExceeded)
        ws.ui().message(keywordLimitMessage());
}

}  // namespace

StartDecision checkBeforeStart(Workspace& ws, SearchMode mode, SearchOptions& options)
{
    if (mode == SearchMode::Query) {
        if (ws.library.modules.size() > kQueryModuleLimit) {
            ws.ui().message(moduleLimitMessage());
            return StartDecision::BackToDialog;
        }
        if (options.UseAccumulateQuery && messagesShown(ws)) {
            const std::size_t rows = ws.library.rows.size();
            const std::size_t modules = ws.library.modules.size();
            std::optional<bool> veryLarge;
            if (rows > 75000 || modules > 300)
                veryLarge = true;
            else if (rows > 50000 || modules > 250)
                veryLarge = false;
            if (veryLarge) {
                const int answer = ws.ui().message(largeLibraryQuestion(*veryLarge));
                if (answer == kResetButton)
                    options.UseAccumulateQuery = false;
                else if (answer != kIgnoreButton)
                    return StartDecision::BackToDialog;
            }
        }
    }
    if (!options.UseMultiSearch && messagesShown(ws) &&
        options.SearchString.find_first_of("-+ ;,") != std::string::npos &&
        !trimBlanks(options.SearchString).empty()) {
        const int answer = ws.ui().message(multipleKeywordQuestion());
        if (answer == kSetOptionButton)
            options.UseMultiSearch = true;
        else if (answer != kIgnoreButton)
            return StartDecision::BackToDialog;
    }
    return StartDecision::Start;
}

void storeSearchOptions(Workspace& ws, SearchMode mode, const SearchOptions& options,
                        std::string_view loadedKeywords)
{
    writeSearchOptions(ws, mode, options);
    (void)addKeywordHistory(ws, mode, options.SearchString, loadedKeywords);
}

SearchResult queryLibrary(Workspace& ws, const SearchOptions& options)
{
    status(ws, 1, kSearchingText);
    status(ws, 2, {});
    status(ws, 3, {});
    warnKeywordLimit(ws, options, true);
    SearchResult result = runQuery(ws, options);
    if (result.cancelled) {
        status(ws, 1, kCancelledText);
        status(ws, 2, {});
        status(ws, 3, {});
        return result;
    }
    status(ws, 1, queryStatusText(result.extracted));
    if (messagesShown(ws))
        ws.ui().message(
            queryResultMessage(result, options, ws.queryResults.size(), ws.library.SymbolCount));
    return result;
}

std::optional<std::size_t> findInList(Workspace& ws, const SearchOptions& options, SearchMode mode,
                                      const SearchList& list, std::size_t position)
{
    if (trimBlanks(options.SearchString).empty())
        return std::nullopt;
    status(ws, 1, kSearchingText);
    warnKeywordLimit(ws, options, false);
    SearchResult result = runFind(ws, options, mode, list, position);
    std::string before;
    if (!result.found() && !result.scannedWholeList) {
        const bool backward = options.UseBackwardSearch;
        before = std::string(backward ? kTopReachedStatus : kBottomReachedStatus);
        status(ws, 1, before);
        if (messagesShown(ws)) {
            if (ws.ui().message(endReachedQuestion(backward)) != 1)
                return std::nullopt;
            before.clear();
            warnKeywordLimit(ws, options, false);
            result = runFind(ws, options, mode, list, backward ? list.rowCount() + 2 : 1);
        }
    }
    if (result.found()) {
        status(ws, 1, foundStatusText(result.result));
        return static_cast<std::size_t>(result.result - 1);
    }
    if (messagesShown(ws))
        ws.ui().message(noMatchesMessage(result, options));
    status(ws, 1, notFoundStatusText(before, result.keywords.multiple));
    return std::nullopt;
}

std::optional<std::size_t> findNextInList(Workspace& ws, SearchMode mode, const SearchList& list,
                                          std::size_t position)
{
    const SearchOptions options = readSearchOptions(ws, mode);
    return findInList(ws, options, mode, list, position);
}

}  // namespace quillon::query
