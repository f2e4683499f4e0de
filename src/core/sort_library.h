// SortLibrary: the three sort orders of the library list in both directions.
#pragma once

#include <string_view>

#include "core/workspace.h"

namespace quillon {

/// The working text of status pane 1 while the list is sorted by a command.
inline constexpr std::string_view kSortingText = "Sorting list...";

/// Sorts `LibraryList` stably by `order` (1 symbol names, 2 ordinal numbers, 3 file order)
/// ascending or descending; module rows always stay in front of their symbol rows. Keeps the
/// order and direction in the workspace. Shows nothing.
void sortLibrary(Workspace& ws, SortOrder order, bool descending);

/// The sort command's form of `sortLibrary`: "Sorting list..." in status pane 1 and the wait
/// cursor while it runs, then the pane's earlier text.
void sortLibraryShowingStatus(Workspace& ws, SortOrder order, bool descending);

}  // namespace quillon
