// The global duplicate search: marks symbols whose name occurs in more than one place.
#pragma once

#include <cstddef>
#include <cstdint>

#include "core/progress_indicator.h"
#include "core/workspace.h"

namespace quillon::maintenance {

/// Derives the duplicate mode from the options when it has not been derived since the start
/// or since the options changed: duplicates are enabled when "UseExcludeGlobalDuplicates" is 1
/// and "UseExcludeList" is on; the mode is "UseExcludeGlobalDuplicatesSet" when enabled and in
/// 1..3, else 0.
void deriveDuplicateMode(Workspace& ws);

/// Called when the options dialog reports changed options: the next search derives the mode
/// again.
void duplicateOptionsChanged(Workspace& ws);

/// `ClearDuplicateMarks`: every `EXCLUDE` 2 becomes 0 and every mark (`MARK`) is removed.
/// Returns the number of rows changed.
std::size_t clearDuplicateMarks(Workspace& ws);

/// What one `FindGlobalDuplicates` did.
struct DuplicateSearch {
    /// False when the library was empty and nothing was looked at.
    bool ran = false;
    /// The options switch the search off: nothing was searched, which is not the same as
    /// nothing found.
    bool switchedOff = false;
    /// Symbols newly marked duplicated.
    std::uint32_t marked = 0;

    friend bool operator==(const DuplicateSearch&, const DuplicateSearch&) = default;
};

/// `FindGlobalDuplicates`: marks with `EXCLUDE` 2 every symbol whose name (letter case and
/// trailing blanks ignored) occurs more than once in the library, except the occurrence the
/// duplicate mode keeps, and marks the module rows of those symbols 2 (unless they are 3).
/// `progress` (when given) shows the reading and the duplicates found while it runs; the
/// result is for the caller to show. The "Match saved LIB" modes read the library's LIB file
/// (`LibraryFileName`) once into `SavedLibSymbols` with the reference loader and keep the
/// occurrence it holds; an unchanged library, or a saved file that is missing or holds no
/// symbols, lowers them to keep none (2) or keep first (3) for that search.
[[nodiscard]] DuplicateSearch findGlobalDuplicates(Workspace& ws,
                                                   ProgressIndicator* progress = nullptr);

}  // namespace quillon::maintenance
