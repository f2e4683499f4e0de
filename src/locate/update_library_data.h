// UpdateLibraryData: the whole-library pass that refreshes the module data (mode 0) or also
// locates the file behind every module (mode 2).
#pragma once

#include <cstddef>

#include "core/progress_indicator.h"
#include "core/ui/ui_interface.h"

namespace quillon {
class Workspace;
}

namespace quillon::locate {

enum : int { kUpdateRefresh = 0, kUpdateLocate = 2 };

/// What a pass did.
struct UpdateSummary {
    std::size_t checked = 0;  // modules looked at
    std::size_t located = 0;  // modules whose file was found
    std::size_t emptyRemoved = 0;
    bool cancelled = false;
    /// The modules of the library when a locating pass began; 0 when none ran.
    std::size_t modules = 0;

    friend bool operator==(const UpdateSummary&, const UpdateSummary&) = default;
};

/// The locating pass of mode 2 over a library that is not empty: for every module checks the
/// recorded file (when it exists) or runs `LocateModuleFile`, writes the path (or "<File not
/// found>") and `OS` to the module row, its symbol rows and its `ModuleTable` entry, with the
/// Escape poll; then removes modules without symbols and renews the exclusion and duplicate
/// marks (`renewSymbolMarks`). `progress` shows each module and step while it runs; the
/// summary is for the caller to show (`showLocateSummary`). In `SilentMode` a failed search
/// shows no message.
[[nodiscard]] UpdateSummary locateLibraryModules(Workspace& ws, ProgressIndicator& progress,
                                                 bool SilentMode = false);

/// After a locating pass: "N of M files located - Press F4 for filelist" (or the other
/// counts' texts), "Files located" and the files checked, "Done" or "Interrupted!".
void showLocateSummary(ui::UiInterface& ui, bool statusBar, const UpdateSummary& summary);

/// UpdateLibraryData. Mode 0 ("Updating data..."): recounts the symbols, rebuilds
/// `ModuleTable`, gives every symbol row its module's `OS` and refreshes the icons. Mode 2
/// ("Locating..."): `locateLibraryModules` with the wait cursor and progress, then its summary
/// in the status bar (`showLocateSummary`). Other modes do nothing.
UpdateSummary UpdateLibraryData(Workspace& ws, int mode, bool SilentMode = false);

}  // namespace quillon::locate
