// SortLibrary: the three sort orders of the library list in both directions.
#pragma once

#include "core/workspace.h"

namespace quillon {

/// Sorts `LibraryList` stably by `order` (1 symbol names, 2 ordinal numbers, 3 file order)
/// ascending or descending; module rows always stay in front of their symbol rows. Unless
/// `quiet`, status pane 1 shows "Sorting list..." and the wait cursor while it runs, and the
/// pane's previous text afterwards. Keeps the order and direction in the workspace.
void sortLibrary(Workspace& ws, SortOrder order, bool descending, bool quiet);

}  // namespace quillon
