// Removal of the symbols marked excluded or duplicated, with the modules they leave empty.
#pragma once

#include <cstdint>

#include "core/workspace.h"

namespace quillon::maintenance {

/// `RemoveMarkedSymbols`: deletes every symbol row whose `EXCLUDE` is not 0, and a module row
/// (with its `ModuleTable` entry) whose last symbol was deleted; clears the marks of the module
/// rows and stores each module's symbol count in `FUNCTIONNUM`. `SymbolCount`, `ModuleCount`
/// and `LibraryChanged` follow. With `report` (forced off by `quiet`) the progress and the
/// result show in the status bar. A module row without a `ModuleTable` entry ends the walk;
/// the rows after it stay. Returns the number of symbol rows deleted.
std::uint32_t removeMarkedSymbols(Workspace& ws, bool report, bool quiet);

}  // namespace quillon::maintenance
