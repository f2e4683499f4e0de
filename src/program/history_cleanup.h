// History cleanup: empties the histories the user picks in the "History Data Cleanup" dialog.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace quillon {
class Workspace;
}

namespace quillon::settings {

/// The histories of the cleanup dialog, in the order of its check list.
enum class HistoryItem : std::size_t {
    SourceFolders,   // AddFolderDrop<n> of section Folders
    TargetFolders,   // SaveFolderDrop<n> of section Folders
    SearchKeywords,  // SearchDrop<n> of section Search
    QueryKeywords,   // SearchDrop<n> of section Query
    CompareFiles,    // CompareFile<n> of section Compare
    RecentFiles,     // Filelist<n> of section Filelist
    ExceptionsList,  // section Exceptlist
    ExcludeSymbols,  // section Excludelist
};

inline constexpr std::size_t kHistoryItemCount = 8;

/// The check list's entries, in `HistoryItem` order.
inline constexpr std::array<std::string_view, kHistoryItemCount> kHistoryItemTexts{
    "Default source folders dropdown list", "Default target folders dropdown list",
    "Search keywords dropdown list",        "Query keywords dropdown list",
    "Compare files dropdown list",          "Recent files list",
    "Autolocate exceptions list",           "Exclude symbols list",
};

inline constexpr std::string_view kHistoryCleanupTitle = "History Data Cleanup";
inline constexpr std::string_view kHistoryCleanupPrompt = "Selected items to cleanup";

/// Which histories to empty, indexed by `HistoryItem`.
using HistorySelection = std::array<bool, kHistoryItemCount>;

/// Empties the selected histories: their numbered keys (every index, also beyond the current
/// maximum count) or, for the two lists, their whole section. The lists held in memory follow:
/// the folder histories of the options, the exceptions list and the exclusion list; the
/// search for module files builds its folder and file lists again. Keys outside the selected
/// histories, and the current values (`AddFolder`, `SearchString`, `CompareFile`,
/// `PresentFile`), are left alone. Returns the number of histories emptied.
std::size_t clearHistories(Workspace& ws, const HistorySelection& selection);

}  // namespace quillon::settings
