// The update list: what Update library would change, found by comparing every module with
// its located executable, kept for the run until cleared.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/workspace.h"
#include "reports/compare_types.h"

namespace quillon::refresh {

/// The "Change" text of a module whose executable was not located.
inline constexpr const char* kPreviewFileNotFound = "<File not found>";

/// One line of the update list: a function an update would change, or a module whose
/// executable was not located (symbol empty). The list is only shown, never written back: its
/// texts are UTF-8, converted from the library's Windows-1252 as every other list shows them.
struct UpdatePreviewRow {
    std::string module;
    std::string symbol;
    std::uint16_t ordinal = 0;
    std::string change;

    friend bool operator==(const UpdatePreviewRow&, const UpdatePreviewRow&) = default;
};

struct UpdatePreview {
    std::vector<UpdatePreviewRow> rows;
    std::size_t modules = 0;
    std::size_t notLocated = 0;
    /// Located modules with at least one change.
    std::size_t changedModules = 0;
    bool cancelled = false;
};

/// Runs the locating pass of Update library (recording the executables found, as the update
/// does) and compares each located module with its executable, messages suppressed. Lists only
/// the changed rows; a module not located is listed once with "<File not found>", a module
/// whose executable could not be compared once with the comparison's status. The library's
/// modules and symbols are left as they are. Escape stops the run (`cancelled`).
[[nodiscard]] UpdatePreview buildUpdatePreview(Workspace& ws,
                                               const reports::CompareOptions& options);

/// The update list kept for the run.
struct UpdatePreviewState {
    UpdatePreview preview;
};

[[nodiscard]] inline UpdatePreview& updatePreview(Workspace& ws)
{
    return ws.subsystemState.get<UpdatePreviewState>().preview;
}

/// Empties the update list.
inline void clearUpdatePreview(Workspace& ws)
{
    updatePreview(ws) = {};
}

/// The update list as text lines: module, function, ordinal and change, tab-separated.
[[nodiscard]] std::vector<std::string> updatePreviewLines(const UpdatePreview& preview);

}  // namespace quillon::refresh
