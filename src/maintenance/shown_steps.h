// The module removals as the cleanup runs and the save take them: with their progress while
// they run and their result shown after.
#pragma once

#include "core/workspace.h"
#include "maintenance/duplicate_modules.h"
#include "maintenance/inconsistent_modules.h"

namespace quillon::maintenance {

/// A standalone `RemoveDuplicateModules` with the wait cursor and progress, then its result
/// (`showDuplicateModuleRemoval`).
[[nodiscard]] DuplicateModuleRemoval removeDuplicateModulesShown(Workspace& ws);

/// `RemoveInconsistentModules` with its progress, then its result (`showInconsistentRemoval`).
[[nodiscard]] InconsistentRemoval removeInconsistentModulesShown(
    Workspace& ws, const InconsistentRequest& request = {});

}  // namespace quillon::maintenance
