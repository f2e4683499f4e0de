// The cleanup steps the save command calls, bound to the maintenance operations.
#pragma once

#include "lib/save_file.h"

namespace quillon::maintenance {

/// Sets the save command's cleanup steps: `RemoveInconsistentModules` (with the unlocated
/// modules when the save asks), `RemoveDuplicateModules` quietly and `RemoveMarkedSymbols`
/// quietly. The locating pass (`updateLibraryData`) belongs to the locating subsystem.
void setCleanupHooks(lib::SaveHooks& hooks);

}  // namespace quillon::maintenance
