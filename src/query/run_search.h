// RunSearch: the matching engine of find and query.
#pragma once

#include <cstddef>
#include <cstdint>

#include "core/workspace.h"
#include "query/keywords.h"
#include "query/search_list.h"
#include "query/search_options.h"

namespace quillon::query {

/// What one search did.
struct SearchResult {
    KeywordSets keywords;
    std::uint32_t processed = 0;
    std::uint32_t matches = 0;
    std::uint32_t duplicates = 0;
    std::uint32_t andRejected = 0;
    std::uint32_t notRejected = 0;
    /// Query: the entries this query added.
    std::uint32_t extracted = 0;
    /// Elapsed time in hundredths of a second.
    std::int64_t elapsed = 0;
    /// Find: the found row (1-based); when nothing was found the negative row count, or -1
    /// backward. Query: the number of entries in `QueryResultList`.
    std::int64_t result = 0;
    /// The scan began at the first row (forward) or the last row (backward).
    bool scannedWholeList = false;
    /// Escape ended the query; the library and the list are as they were before it.
    bool cancelled = false;

    [[nodiscard]] bool found() const { return result > 0; }
};

/// A find in `list`, from `position` (1-based; the row after the last found row): forward
/// from `position` to the last row, or with `UseBackwardSearch` from `position - 2` to row 1
/// (nothing when that is below 1). In the library list, with `UseMarkFound`, the found row is
/// marked. More than ten keywords are cut to the first ten (`keywords.limitExceeded`); the
/// caller tells the user.
[[nodiscard]] SearchResult runFind(Workspace& ws, const SearchOptions& options, SearchMode mode,
                                   const SearchList& list, std::size_t position);

/// The query: scans every row of `LibraryList` and adds the matching symbols with an ordinal
/// to `QueryResultList` (emptied first and set to order 2 unless `UseAccumulateQuery`, which
/// refuses duplicates of the modules already in the list by the list's key instead). With
/// `UseMarkFound` the library's marks are cleared first and the extracted rows marked. Escape
/// (polled between rows) cancels and leaves the library and the list as they were. Keywords
/// past ten are cut as in a find.
[[nodiscard]] SearchResult runQuery(Workspace& ws, const SearchOptions& options);

}  // namespace quillon::query
