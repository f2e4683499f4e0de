// UpdateLibraryData: the whole-library pass that refreshes the module data (mode 0) or also
// locates the file behind every module (mode 2).
#pragma once

#include <cstddef>

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

    friend bool operator==(const UpdateSummary&, const UpdateSummary&) = default;
};

/// UpdateLibraryData. Mode 0 ("Updating data..."): recounts the symbols, rebuilds
/// `ModuleTable`, gives every symbol row its module's `OS` and refreshes the icons. Mode 2
/// ("Locating..."): for every module checks the recorded file (when it exists) or runs
/// `LocateModuleFile`, writes the path (or "<File not found>") and `OS` to the module row, its
/// symbol rows and its `ModuleTable` entry, with progress and the Escape poll; then removes
/// modules without symbols, renews the exclusion and duplicate marks (`renewSymbolMarks`) and
/// writes the summary into the status bar. In `SilentMode` a failed search shows no message.
/// Other modes do nothing.
UpdateSummary UpdateLibraryData(Workspace& ws, int mode, bool SilentMode = false);

}  // namespace quillon::locate
