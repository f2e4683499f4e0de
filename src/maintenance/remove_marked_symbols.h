// Removal of the symbols marked excluded or duplicated, with the modules they leave empty.
#pragma once

#include <cstdint>

#include "core/progress_indicator.h"
#include "core/workspace.h"

namespace quillon::maintenance {

/// What one `RemoveMarkedSymbols` did.
struct SymbolRemoval {
    /// False when the library was empty and nothing was looked at.
    bool ran = false;
    /// Symbol rows deleted.
    std::uint32_t removed = 0;
    /// Module rows (with their `ModuleTable` entries) deleted with their last symbol.
    std::uint32_t modulesRemoved = 0;
    /// `SymbolCount` afterwards.
    std::uint32_t symbolsLeft = 0;
    /// The library is empty afterwards.
    bool empty = false;

    friend bool operator==(const SymbolRemoval&, const SymbolRemoval&) = default;
};

/// `RemoveMarkedSymbols`: deletes every symbol row whose `EXCLUDE` is not 0, and a module row
/// (with its `ModuleTable` entry) whose last symbol was deleted; clears the marks of the module
/// rows and stores each module's symbol count in `FUNCTIONNUM`. `SymbolCount`, `ModuleCount`
/// and `LibraryChanged` follow. A module row without a `ModuleTable` entry ends the walk; the
/// rows after it stay. `progress` (when given) shows "Symbols cleanup..." and the symbols
/// removed while it runs; the result is for the caller to show.
[[nodiscard]] SymbolRemoval removeMarkedSymbols(Workspace& ws,
                                                ProgressIndicator* progress = nullptr);

}  // namespace quillon::maintenance
