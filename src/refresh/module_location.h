// Locating the executable behind one module for the update commands, and the module bitness
// test that follows it.
#pragma once

#include <optional>
#include <string>

#include "core/workspace.h"

namespace quillon::refresh {

/// The recorded executable of a module when it is usable: not blank, no "FILE NOT" marker,
/// and naming a file on disk. Returns the normalized path, or nothing.
[[nodiscard]] std::optional<std::string> recordedExecutable(const Workspace& ws,
                                                            const std::string& fileNameDll);

/// Locates one module on its `ModuleTable` entry: a module read from an executable is its own
/// source; a usable recorded executable is taken as it is; otherwise the search runs (pane 1
/// "Module: NAME...") and the path it returns becomes `FILENAMEDLL`. A module that is not
/// located leaves "Module was NOT located!" in pane 1 and its working name in pane 3.
/// Returns the executable to load, or nothing.
[[nodiscard]] std::optional<std::string> locateModuleForUpdate(Workspace& ws, ModuleEntry& entry,
                                                               bool SilentMode = false);

/// The module bitness test: the header of `entry.FILENAMEDLL` sets `OS` (1 NE, 2 PE, 0 any
/// other). A file that cannot be opened leaves `OS` as it was.
void testModuleBitness(Workspace& ws, ModuleEntry& entry);

}  // namespace quillon::refresh
