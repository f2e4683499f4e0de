// The rules every operation on the library keeps: icons, ordinal text, the module-present
// test, the post-processing after a load, the module table rebuild and the PassList fills.
#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

#include "core/workspace.h"

namespace quillon {

/// An ordinal as four upper-case hexadecimal digits of its low 16 bits (1 gives "0001").
[[nodiscard]] std::string ordinalHexText(std::uint32_t value);

/// The icon of a new module row of bitness `os` (used by the readers).
[[nodiscard]] RowIcon newModuleIcon(const Options& options, std::uint8_t os);
/// The icon a row should show now.
[[nodiscard]] RowIcon rowIcon(const Options& options, HookColour hook, const LibraryRow& row);
/// Recomputes `ICON` over rows [first, last) and writes back only those that changed.
/// Returns the number of rows changed.
std::size_t refreshIcons(Workspace& ws, std::size_t first = 0,
                         std::size_t last = std::numeric_limits<std::size_t>::max());

/// True when a module named `moduleName` (letter case ignored) is in `ModuleTable`.
[[nodiscard]] bool isModulePresent(const Workspace& ws, std::string_view moduleName);

/// Appends a module row as the readers make it: `SYMBOL` and `MODULENAME` the name (cut to
/// 254), `OS`, the new-module icon and tree level, and `MARK` 1 when the module
/// is already present. Returns its position.
std::size_t appendModuleRow(Workspace& ws, std::string_view name, std::uint8_t os);
/// Appends a symbol row under the last module row, inheriting its `MODULENAME`, `OS` and `MARK`.
void appendSymbolRow(Workspace& ws, std::string_view symbol, std::uint16_t ordinal,
                     bool resident = false);

/// What one load reports to the post-processing.
struct LoadedFile {
    std::string path;          // the loaded file's full path
    bool executable = false;   // an executable (else a LIB file)
    std::uint16_t residentCount = 0;  // NE: names taken from the resident-name table
};

/// Post-processing of the rows appended by one load (rows from `firstNewRow` on): module
/// numbers and tree levels, file names, symbol count, resident flags, load sequence numbers,
/// exclusion marks, icons, and the `ModuleTable` rebuild.
void postProcessLoad(Workspace& ws, std::size_t firstNewRow, const LoadedFile& loaded);

/// Rebuilds `ModuleTable` from the module rows and updates `ModuleCount`.
void rebuildModuleTable(Workspace& ws);

/// Removes rows [first, end): a cancelled or failed load.
void truncateLibrary(Workspace& ws, std::size_t first);

/// Fills `PassList` from `LibraryList` (module name, symbol, ordinal and `UNSORTED` of each row).
void fillPassListFromLibrary(Workspace& ws);
/// Fills `PassList` from `ModuleTable` (module name into both names, ordinal 0, `MODULENUM`).
void fillPassListFromModules(Workspace& ws);

}  // namespace quillon
