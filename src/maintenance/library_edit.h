// Removal of whole modules from the library in one pass.
#pragma once

#include <cstdint>
#include <vector>

#include "core/workspace.h"

namespace quillon::maintenance {

struct RemovedRows {
    std::uint32_t modules = 0;  // `ModuleTable` entries deleted
    std::uint32_t symbols = 0;  // symbol rows deleted
};

/// Deletes every row whose `MODULENUM` is flagged in `byNumber` (indexed by module number) and
/// the flagged `ModuleTable` entries, keeping the order of the rest; `SymbolCount` and
/// `ModuleCount` go down by what was deleted.
RemovedRows removeModulesByNumber(Workspace& ws, const std::vector<bool>& byNumber);

}  // namespace quillon::maintenance
