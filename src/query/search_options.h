// SearchOptions: the options of the search dialog, kept in section `Search` or `Query`.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/workspace.h"

namespace quillon::query {

/// The match options of the dialog's drop list, by their stored value.
enum class MatchOption : int { Containing = 1, BeginningWith = 2, EndingWith = 3, WholeWord = 4 };

/// The lists a search runs over, by the dialog's mode number. Find next is the negative mode
/// minus one (-1, -3, -5, -7) and is not a value of its own here.
enum class SearchMode : int {
    Query = 1,
    Library = 0,
    Extracted = -2,
    Compare = -4,
    ModuleTable = -6,
};

/// The options of one dialog use.
struct SearchOptions {
    MatchOption SearchOption = MatchOption::Containing;
    bool UseMultiSearch = true;
    bool UseMatchCase = false;
    bool UseMarkFound = false;
    std::string SearchString;
    bool UseProgress = true;
    bool UseAccumulateQuery = false;
    bool UseBackwardSearch = false;

    friend bool operator==(const SearchOptions&, const SearchOptions&) = default;
};

/// The stored value of a match option: any value other than 1, 2 or 3 is "Whole word".
[[nodiscard]] MatchOption matchOptionOf(int stored);
/// "Containing", "Beginning with", "Ending with" or "Whole word".
[[nodiscard]] std::string_view matchOptionText(MatchOption option);

/// The settings section of a mode: `Query` in query mode, `Search` otherwise.
[[nodiscard]] std::string_view settingsSection(SearchMode mode);

/// Reads the options of `mode`'s section (defaults for absent keys).
[[nodiscard]] SearchOptions readSearchOptions(Workspace& ws, SearchMode mode);
/// Writes the options to `mode`'s section; `UseMarkFound` of section `Search` is also the
/// workspace's option.
void writeSearchOptions(Workspace& ws, SearchMode mode, const SearchOptions& options);

/// The keyword history (`SearchDrop<n>`) of `mode`'s section, newest first.
[[nodiscard]] std::vector<std::string> readKeywordHistory(Workspace& ws, SearchMode mode);
/// Adds `keywords` to the history as the folder histories do (nothing when it equals
/// `loadedKeywords`, the keyword text the dialog opened with), except that an entry already in
/// it is recognised only with the same letter case. Returns whether anything was written.
bool addKeywordHistory(Workspace& ws, SearchMode mode, std::string_view keywords,
                       std::string_view loadedKeywords);

}  // namespace quillon::query
