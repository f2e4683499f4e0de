// What a reload checks before it takes a module from a file, and how it keeps the module it
// could not replace.
#pragma once

#include <string_view>

#include "core/workspace.h"

namespace quillon::refresh {

/// True when `loaded`, the module an executable gave, is the module `wanted`: the same name,
/// letter case ignored, with or without the extension of `file` ("KERNEL32" is
/// "KERNEL32.dll" from KERNEL32.DLL; "WIN.MEDIA" is not "WIN.MEDIA.SPEECH").
[[nodiscard]] bool isSameModule(std::string_view loaded, std::string_view wanted,
                                std::string_view file);

/// Appends `module` (a module row and its symbol rows, as they were before a reload) at the
/// end of the library, numbered on from the last row, and rebuilds `ModuleTable`.
void appendKeptModule(Workspace& ws, LibraryList& module);

}  // namespace quillon::refresh
