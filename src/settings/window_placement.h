// Window placement values kept per window section (XPosit, YPosit, Width, Height, Maximize).
#pragma once

#include <string_view>

namespace quillon::settings {

class SettingsStore;

/// The window sections that keep a placement.
inline constexpr std::string_view kMainWindowSection = "MainWindow";
inline constexpr std::string_view kModuleWindowSection = "ModuleWindow";
inline constexpr std::string_view kFolderWindowSection = "FolderWindow";
inline constexpr std::string_view kTrayWindowSection = "TrayWindow";
inline constexpr std::string_view kCompareReportWinSection = "CompareReportWin";
inline constexpr std::string_view kExportListWinSection = "ExportListWin";
inline constexpr std::string_view kTxtWinSection = "TxtWin";

/// A window's stored placement, in the window's own coordinate units.
struct WindowPlacement {
    int XPosit = 0;
    int YPosit = 0;
    int Width = 0;
    int Height = 0;
    bool Maximize = false;

    friend bool operator==(const WindowPlacement&, const WindowPlacement&) = default;
};

/// How a window applies a stored placement when it opens.
enum class PlacementUse {
    KeepDesign,   ///< resizable window with Width or Height 0: design position and size
    MoveOnly,     ///< fixed-size window: moved to XPosit/YPosit with its design size
    MoveAndSize,  ///< resizable window: moved and sized to the four values
};

/// Reads the placement of `section`: an absent `XPosit` or `YPosit` reads 0 and a negative one
/// becomes 10; `Width` and `Height` absent read 0; `Maximize` is true only for "Yes".
[[nodiscard]] WindowPlacement readWindowPlacement(SettingsStore& store, std::string_view section);

/// How a window (resizable or not) applies `placement`.
[[nodiscard]] PlacementUse placementUse(const WindowPlacement& placement, bool resizable);

/// Writes `Maximize` ("Yes" or "No"), `XPosit`, `YPosit`, `Width` and `Height` in that order;
/// the caller passes the window's normal (not maximized) placement.
void writeWindowPlacement(SettingsStore& store, std::string_view section,
                          const WindowPlacement& placement);

/// Writes only `Maximize` (dialogs that close, a main window that is maximized).
void writeMaximize(SettingsStore& store, std::string_view section, bool maximized);

/// `UseMainWidthPref`, read when the main window opens; `currentWidth` when absent.
[[nodiscard]] int readMainWidthPref(SettingsStore& store, int currentWidth);
void writeMainWidthPref(SettingsStore& store, int width);

}  // namespace quillon::settings
