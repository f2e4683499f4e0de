// Update library (Shift+F8): every module reloaded from its located executable, or from the
// file it came from when no executable is found. The locating pass gives a plan (`RefreshList`)
// that can be looked at before it is applied.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "core/run_mode.h"
#include "core/workspace.h"
#include "refresh/kept_module.h"

namespace quillon::refresh {

/// One entry of `RefreshList`: the file to load and, for a module that was not located, the
/// module to take from it (empty: the whole file, a located executable).
struct RefreshEntry {
    std::string FILENAME;
    std::string MODULENAME;
    /// The module the entry reloads, as it stands in the library now.
    std::string module;

    [[nodiscard]] bool located() const { return MODULENAME.empty(); }

    friend bool operator==(const RefreshEntry&, const RefreshEntry&) = default;
};

using RefreshList = std::vector<RefreshEntry>;

/// The plan of an update: one entry per module in `ModuleTable` order, and the counts
/// (T modules, L located, U = T - L).
struct UpdatePlan {
    RefreshList entries;
    std::size_t modules = 0;
    std::size_t located = 0;
    bool cancelled = false;

    [[nodiscard]] std::size_t notLocated() const { return modules - located; }
};

/// The locating pass ("Locating..."): a module with a known bitness and executable counts as
/// located; any other, unless already known to be missing ("FILE NOT"), is searched for and
/// its bitness read from the file found. The executables found are written to `ModuleTable`.
/// Escape stops the pass (`cancelled`); the library rows are not changed.
[[nodiscard]] UpdatePlan planLibraryUpdate(Workspace& ws, const RunMode& mode = {});

/// Loads the entry's file at the end of the library with the single-file open routine (its
/// module only from a LIB file) and judges what came: the rows stand when the file was read
/// whole and gave the module (`judgeReload`), and are removed again otherwise. A reload that
/// stands records the module-to-file exception of its executable when `recordException`.
/// Returns why the module is to be kept as it was, or `KeepReason::None`.
[[nodiscard]] KeepReason reloadEntry(Workspace& ws, const RefreshEntry& entry,
                                     bool recordException, const RunMode& mode);

/// What applying a plan did.
struct UpdateOutcome {
    std::size_t modules = 0;
    std::size_t updated = 0;
    std::size_t notLocated = 0;
    /// Located modules kept as they were because their executable gave nothing usable back
    /// (`updated` leaves them out: one of another module counts as not located, any other
    /// as unreadable).
    std::size_t kept = 0;
    /// Located modules kept because their executable could not be read whole or gave no
    /// names ("kept: <read error>" in the count line).
    std::size_t unreadable = 0;
    bool cancelled = false;
    /// The count line of pane 1.
    std::string statusText;

    friend bool operator==(const UpdateOutcome&, const UpdateOutcome&) = default;
};

/// Removes every module and loads the executables of the plan's located entries in order,
/// message boxes suppressed; a module whose executable is not read whole, gives no names or
/// holds another module is kept as it was, and so is every module not located, which reads
/// "<File not found>" afterwards. Sets `LibraryChanged` and the status panes. The reloads of
/// more than one module are a quiet load.
UpdateOutcome applyLibraryUpdate(Workspace& ws, const UpdatePlan& plan, const RunMode& mode = {});

/// Update library: refreshes the library data, plans and applies. A cancelled locating pass
/// changes nothing.
UpdateOutcome updateLibrary(Workspace& ws, const RunMode& mode = {});

}  // namespace quillon::refresh
