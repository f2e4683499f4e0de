// The texts of find, query and extraction: status texts, questions and result boxes.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/ui/ui_interface.h"
#include "query/search_options.h"

namespace quillon::query {

struct SearchResult;

inline constexpr std::string_view kSearchingText = "Searching...";
inline constexpr std::string_view kExtractingText = "Extracting...";
inline constexpr std::string_view kCancelledText = "Cancelled";
inline constexpr std::string_view kBottomReachedStatus = "Bottom reached - ";
inline constexpr std::string_view kTopReachedStatus = "Top reached - ";

// Questions before a search starts; their buttons are numbered from 1.
inline constexpr int kResetButton = 1;
inline constexpr int kIgnoreButton = 2;
inline constexpr int kSetOptionButton = 1;

/// "Max modules exceeded!": the query refuses libraries of more than 1024 modules.
[[nodiscard]] ui::MessageBox moduleLimitMessage();
/// The warning about "Accumulate/exclude duplicates" on a large (or, with `veryLarge`, a very
/// large) library: "&Reset|&Ignore|&Abort".
[[nodiscard]] ui::MessageBox largeLibraryQuestion(bool veryLarge);
/// "Multiple keyword?": "&Set option|&Ignore|&Abort".
[[nodiscard]] ui::MessageBox multipleKeywordQuestion();
/// "Max keywords exceeded! ".
[[nodiscard]] ui::MessageBox keywordLimitMessage();

/// The query's result box (title by what was extracted).
[[nodiscard]] ui::MessageBox queryResultMessage(const SearchResult& result,
                                                const SearchOptions& options, std::size_t listSize,
                                                std::uint32_t symbolCount);
/// "N functions extraced" or "No functions extraced".
[[nodiscard]] std::string queryStatusText(std::uint32_t extracted);

/// "Keyword found in row #N".
[[nodiscard]] std::string foundStatusText(std::int64_t row);
/// "Bottom reached!" (forward) or "Top reached!" (backward): "&Yes|&No".
[[nodiscard]] ui::MessageBox endReachedQuestion(bool backward);
/// "No matches found!".
[[nodiscard]] ui::MessageBox noMatchesMessage(const SearchResult& result,
                                              const SearchOptions& options);
/// The status after a find that found nothing: `before` (the text the find left in pane 1)
/// followed by " none of the keywords found" or " keyword not found", or on its own "None of
/// the keywords was found" or "Keyword was not found".
[[nodiscard]] std::string notFoundStatusText(std::string_view before, bool multiple);

/// What one extraction counted.
struct ExtractCounts {
    std::uint32_t processed = 0;
    std::uint32_t extracted = 0;
    std::uint32_t duplicates = 0;
    std::int64_t elapsed = 0;
    /// The entries in `QueryResultList` afterwards.
    std::size_t listSize = 0;
};
/// "N items extracted", or "No items extracted", with " - N duplicates excluded" when any.
[[nodiscard]] std::string extractStatusText(const ExtractCounts& counts);
/// "Extract result" (or "No items extracted").
[[nodiscard]] ui::MessageBox extractResultMessage(const ExtractCounts& counts,
                                                  std::size_t listSize);

}  // namespace quillon::query
