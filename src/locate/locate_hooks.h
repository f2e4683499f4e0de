// The locating pass as the save command, the batch mode and the modules cleanup call it.
#pragma once

#include "lib/save_file.h"
#include "maintenance/modules_cleanup.h"

namespace quillon::locate {

/// Sets the save command's `updateLibraryData` step to `UpdateLibraryData` (mode 2 before the
/// cleanup when "UseBitCheck" is 2 or 3, mode 0 after a removal).
void setLocateHooks(lib::SaveHooks& hooks);

/// The locating pass (`UpdateLibraryData` in mode 2) for the modules cleanup and for the
/// cleanup of the command-line creation (`maintenance::runSaveCleanup`).
[[nodiscard]] maintenance::LocatePass locatePass();

}  // namespace quillon::locate
