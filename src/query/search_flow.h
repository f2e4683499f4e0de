// The search commands around the engine: the checks before a start, the run, and the report.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

#include "core/workspace.h"
#include "query/run_search.h"
#include "query/search_list.h"
#include "query/search_options.h"

namespace quillon::query {

/// The most modules a query from the dialog takes.
inline constexpr std::size_t kQueryModuleLimit = 1024;

/// What the checks before a start decided.
enum class StartDecision { Start, BackToDialog };

/// The dialog's checks before a start: in query mode the module limit (more than 1024 modules:
/// a message and no start) and, with "Accumulate/exclude duplicates" on, the large-library
/// warning (Reset turns the option off); with "Multiple keywords" off, the question when the
/// text holds "-", "+", " ", ";" or "," (Set option turns it on). The questions are not asked
/// when messages are suppressed. `options` takes the answers.
[[nodiscard]] StartDecision checkBeforeStart(Workspace& ws, SearchMode mode,
                                             SearchOptions& options);

/// Writes the options to their section and adds the keyword text to the history
/// (`loadedKeywords`: the text the dialog opened with).
void storeSearchOptions(Workspace& ws, SearchMode mode, const SearchOptions& options,
                        std::string_view loadedKeywords);

/// The query and its report: the status text (or "Cancelled") and, unless messages are
/// suppressed, the result box.
SearchResult queryLibrary(Workspace& ws, const SearchOptions& options);

/// A find and its report. Forward, a scan that did not start at row 1 and found nothing asks
/// whether to continue from the top (backward: from the bottom) and searches again on Yes.
/// Returns the found row (0-based) or nothing; the status pane tells what happened.
std::optional<std::size_t> findInList(Workspace& ws, const SearchOptions& options, SearchMode mode,
                                      const SearchList& list, std::size_t position);

/// Find next: the stored keyword text of section `Search` searched again at once, with the
/// stored options; nothing when that text is blank.
std::optional<std::size_t> findNextInList(Workspace& ws, SearchMode mode, const SearchList& list,
                                          std::size_t position);

}  // namespace quillon::query
