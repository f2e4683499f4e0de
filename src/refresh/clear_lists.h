// "Cl&ear all modules": the library emptied, and the window's other lists with it when asked.
#pragma once

#include "core/workspace.h"

namespace quillon::refresh {

/// Empties `LibraryList` and `ModuleTable` (the target name is kept; `LibraryChanged` is
/// clear afterwards). With `UseClearExtract` 1 the other lists are emptied too: the extracted
/// functions, the compare list with the module it compared last, and the update list. Returns
/// whether the other lists were emptied.
bool clearAllModules(Workspace& ws);

/// Empties the other lists as `clearAllModules` does with `UseClearExtract` 1, and only then;
/// the library is left as it is. Returns whether they were emptied.
bool clearOtherLists(Workspace& ws);

}  // namespace quillon::refresh
