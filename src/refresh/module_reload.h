// Revert module (Alt+R), update module (Ctrl+F8) and the update of the marked modules: one
// module at a time is removed and loaded again, from its own file or its located executable.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "core/run_mode.h"
#include "core/workspace.h"
#include "refresh/kept_module.h"

namespace quillon::refresh {

/// Where a module is reloaded from.
enum class ModuleSource {
    /// Revert module: the file it was loaded from (`FILENAME`; a LIB file gives that module only).
    OwnFile,
    /// Update module: its located executable (`FILENAMEDLL`, searched for when not known).
    Executable,
};

/// How one module reload ended.
enum class ModuleReloadEnd {
    /// Nothing to do: the library is empty.
    Nothing,
    /// The module was removed and came back from the file (at the end of the list).
    Reloaded,
    /// Revert: the module's LIB file, read whole, no longer holds it; the module is removed
    /// ("Module not found!").
    NotInFile,
    /// The file was not read whole, gave no names, or (revert) holds another module: the
    /// module stays as it was, where it was (`ModuleReloadResult::kept` tells why).
    Kept,
    /// Update: no executable was found, or the one found holds another module; the module
    /// stays as it was.
    NotLocated,
    /// Revert: the module's file is not on disk; the module stays as it was.
    FileMissing,
};

struct ModuleReloadResult {
    ModuleReloadEnd end = ModuleReloadEnd::Nothing;
    /// The file the module was (or would have been) loaded from.
    std::string file;
    /// The row to select afterwards: the module row.
    std::optional<std::size_t> selectRow;
    /// Why the module was kept (`Kept`, or `NotLocated` after another module's file).
    KeepReason kept = KeepReason::None;
};

/// Reloads the module of the row at `row` (a symbol row stands for its module). The module is
/// removed (rows, symbols and `ModuleTable` entry), the library data refreshed, and the file
/// loaded with the single-file open routine for that module name, the module's expansion
/// state applied to the new rows. A file that is not read whole, gives no names or holds
/// another module gives the module back where it was; only a LIB file read whole that no
/// longer holds the module removes it (revert). Panes: 1 "File: " and the file, 2 "Revert
/// done" / "Update done" / "NOT in file" / "kept: <read error>" / "NOT located", 3 the
/// module's working name. Sets `LibraryChanged`.
ModuleReloadResult reloadModule(Workspace& ws, std::size_t row, ModuleSource source,
                                const RunMode& mode = {});

/// The count line of an update of one module, as the library's update counts its modules:
/// "One module was updated from DLL/EXE file", "Module NOT located" (also when the file did
/// not give the module back), or "No modules was updated from DLL/EXE files".
[[nodiscard]] std::string updateCountText(const ModuleReloadResult& result);

/// True when the module starting at `moduleRow` is marked (its module row or a symbol row).
[[nodiscard]] bool isMarkedModule(const Workspace& ws, std::size_t moduleRow);

/// What the update of the marked modules did.
struct MarkedUpdateResult {
    std::size_t updated = 0;
    std::size_t notLocated = 0;
    std::size_t notInFile = 0;
    /// Kept as they were: their executable was not read whole or gave no names.
    std::size_t kept = 0;
    std::optional<std::size_t> selectRow;

    friend bool operator==(const MarkedUpdateResult&, const MarkedUpdateResult&) = default;
};

/// "Up&date marked modules": updates every marked module from its executable, one after
/// another in list order; afterwards pane 1 tells the counts.
MarkedUpdateResult updateMarkedModules(Workspace& ws, const RunMode& mode = {});

/// The count line of an update of the marked modules (pane 1 after `updateMarkedModules`).
[[nodiscard]] std::string updateCountText(const MarkedUpdateResult& result);

}  // namespace quillon::refresh
