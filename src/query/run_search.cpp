// The scan of find and query over their lists.
#include "query/run_search.h"

#include <utility>
#include <vector>

#include "core/progress_indicator.h"
#include "query/keyword_matcher.h"
#include "query/query_messages.h"
#include "query/result_inserter.h"

namespace quillon::query {

namespace {

// Rows between two looks at the clock for the Escape poll and the progress display.
constexpr std::size_t kPollRows = 1024;
constexpr std::size_t kProgressRows = 16384;

void count(SearchResult& result, Verdict verdict)
{
    if (verdict == Verdict::RejectedByNot)
        ++result.notRejected;
    else if (verdict == Verdict::RejectedByAnd)
        ++result.andRejected;
}

SearchResult prepare(const SearchOptions& options, bool queryMode)
{
    SearchResult result;
    result.keywords = keywordSetsFor(options, queryMode);
    return result;
}

}  // namespace

SearchResult runFind(Workspace& ws, const SearchOptions& options, SearchMode mode,
                     const SearchList& list, std::size_t position)
{
    SearchResult result = prepare(options, false);
    const KeywordMatcher matcher(result.keywords, options.SearchOption, options.UseMatchCase);
    const std::int64_t start = ws.clock().hundredths();
    const std::size_t rows = list.rowCount();
    std::size_t found = 0;
    if (options.UseBackwardSearch) {
        const std::size_t first = position >= 2 ? std::min(position - 2, rows) : 0;
        result.scannedWholeList = first == rows && rows > 0;
        for (std::size_t row = first; row >= 1 && found == 0; --row) {
            ++result.processed;
            const Verdict verdict = matcher.test(list.rowText(row - 1));
            count(result, verdict);
            if (verdict == Verdict::Match)
                found = row;
        }
    } else {
        const std::size_t first = std::max<std::size_t>(position, 1);
        result.scannedWholeList = first == 1;
        for (std::size_t row = first; row <= rows && found == 0; ++row) {
            ++result.processed;
            const Verdict verdict = matcher.test(list.rowText(row - 1));
            count(result, verdict);
            if (verdict == Verdict::Match)
                found = row;
        }
    }
    result.elapsed = ws.clock().hundredths() - start;
    if (found != 0) {
        result.matches = 1;
        result.result = static_cast<std::int64_t>(found);
        if (options.UseMarkFound && mode == SearchMode::Library && found <= ws.library.rows.size())
            ws.library.rows[found - 1].MARK = 1;
    } else {
        result.result = options.UseBackwardSearch ? -1 : -static_cast<std::int64_t>(rows);
    }
    return result;
}

SearchResult runQuery(Workspace& ws, const SearchOptions& options)
{
    QueryResultList& list = ws.queryResults;
    LibraryList& rows = ws.library.rows;
    const bool mark = options.UseMarkFound;

    // What cancelling puts back.
    QueryResultList before;
    std::vector<std::uint8_t> entryMarks;
    std::vector<std::uint8_t> rowMarks;
    if (!options.UseAccumulateQuery) {
        before = std::move(list);
        list = QueryResultList{};
        list.order = 2;
    }
    // The inserter puts an unsorted list in order first; a cancel keeps that order, since the
    // entries stay the same.
    ResultInserter inserter(list);
    entryMarks.reserve(list.size());
    for (QueryResult& entry : list.rows) {
        entryMarks.push_back(entry.MARK);
        entry.MARK = 0;
    }
    if (mark) {
        rowMarks.reserve(rows.size());
        for (LibraryRow& row : rows) {
            rowMarks.push_back(row.MARK);
            row.MARK = 0;
        }
    }

    SearchResult result = prepare(options, true);
    const KeywordMatcher matcher(result.keywords, options.SearchOption, options.UseMatchCase);
    ProgressIndicator progress(ws.ui(), options.UseProgress && ws.options.UseStatusBar);
    progress.start(kSearchingText, rows.size());
    ws.cancel.clear();
    const std::int64_t start = ws.clock().hundredths();
    std::vector<std::size_t> matched;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (i % kPollRows == 0 && i != 0) {
            if (ws.cancel.poll()) {
                result.cancelled = true;
                break;
            }
            if (i % kProgressRows == 0)
                progress.step(i, " rows");
        }
        LibraryRow& row = rows[i];
        ++result.processed;
        const Verdict verdict = matcher.test(row.SYMBOL);
        count(result, verdict);
        if (verdict != Verdict::Match)
            continue;
        ++result.matches;
        if (row.ORDINAL != 0)
            matched.push_back(i);
    }
    // The entries are made once the scan knows how many there are.
    inserter.reserve(matched.size());
    for (const std::size_t i : matched) {
        LibraryRow& row = rows[i];
        QueryResult entry{row.MODULENAME, row.SYMBOL.str(), row.ORDINAL, row.UNSORTED, 1};
        if (!inserter.add(std::move(entry))) {
            ++result.duplicates;
            continue;
        }
        if (mark)
            row.MARK = 1;
    }
    result.elapsed = ws.clock().hundredths() - start;
    progress.end();

    if (result.cancelled) {
        inserter.abandon();
        ws.cancel.clear();
        if (options.UseAccumulateQuery) {
            for (std::size_t i = 0; i < entryMarks.size() && i < list.size(); ++i)
                list.rows[i].MARK = entryMarks[i];
        } else {
            list = std::move(before);
        }
        for (std::size_t i = 0; i < rowMarks.size(); ++i)
            rows[i].MARK = rowMarks[i];
        return result;
    }
    result.extracted = static_cast<std::uint32_t>(inserter.added());
    inserter.finish();
    result.result = static_cast<std::int64_t>(list.size());
    return result;
}

}  // namespace quillon::query
