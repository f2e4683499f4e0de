// What a reload checks before it takes a module from a file, why it refuses one, and how it
// keeps the module it could not replace.
#pragma once

#include <cstddef>
#include <string_view>

#include "core/workspace.h"
#include "program/file_loader.h"

namespace quillon::refresh {

/// Why a reload keeps a module as it was instead of taking what the file gave.
enum class KeepReason {
    /// Nothing: the module came back whole, and the reload stands.
    None,
    /// The file could not be read whole: missing rights, cut short, damaged, or fewer names
    /// read than its export directory declares.
    ReadError,
    /// The file was read but gives no names (no exports, or exports by ordinal only), or a LIB
    /// file no longer holds the module.
    NoNames,
    /// The executable holds another module.
    OtherModule,
};

/// The update list's and status bar's text of a reason ("kept: <read error>").
[[nodiscard]] std::string_view keptText(KeepReason reason);

/// Judges a reload of the module `wanted` from `file` that appended the rows from `first` on:
/// they stand only when the file was read whole, gave the module at least one name and, for
/// an executable, is that module (`isSameModule`).
[[nodiscard]] KeepReason judgeReload(const Workspace& ws, std::size_t first,
                                     const OpenResult& opened, std::string_view wanted,
                                     std::string_view file);

/// True when `loaded`, the module an executable gave, is the module `wanted`: the same name,
/// letter case ignored, with or without the extension of `file` ("KERNEL32" is
/// "KERNEL32.dll" from KERNEL32.DLL; "WIN.MEDIA" is not "WIN.MEDIA.SPEECH").
[[nodiscard]] bool isSameModule(std::string_view loaded, std::string_view wanted,
                                std::string_view file);

/// Appends `module` (a module row and its symbol rows, as they were before a reload) at the
/// end of the library, numbered on from the last row, and rebuilds `ModuleTable`.
void appendKeptModule(Workspace& ws, LibraryList& module);

}  // namespace quillon::refresh
