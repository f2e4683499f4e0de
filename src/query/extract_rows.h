// Extraction: copies the marked rows of the library (or the row under the cursor) into the
// extracted functions.
#pragma once

#include <cstddef>
#include <optional>

#include "core/progress_indicator.h"
#include "core/workspace.h"
#include "query/query_messages.h"

namespace quillon::query {

/// Extracts into `QueryResultList`: every marked row from the first marked one on (a marked
/// module row brings the symbol rows that follow it) with its mark cleared, or when nothing is
/// marked the row at `cursorRow` (a module row with its symbols). Symbols of a module the list
/// already held are refused when an entry of the same key is there. `progress` (when given)
/// shows "Extracting..." while it runs; the counts are for the caller to show
/// (`showExtraction`).
[[nodiscard]] ExtractCounts extractRows(Workspace& ws, std::optional<std::size_t> cursorRow,
                                        ProgressIndicator* progress = nullptr);

}  // namespace quillon::query
