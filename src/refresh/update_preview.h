// The update list: what Update library would change, found by running its reloads on a scratch
// library and comparing each module with what its reload gives, kept for the run until cleared.
#pragma once

#include <compare>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/workspace.h"
#include "reports/compare_types.h"

namespace quillon::refresh {

/// The "Change" text of a module whose executable was not located.
inline constexpr const char* kPreviewFileNotFound = "<File not found>";

/// One function as a LIB file holds it (names in Windows-1252, as the file has them).
struct LibFunction {
    std::string module;
    std::string symbol;
    std::uint16_t ordinal = 0;

    friend bool operator==(const LibFunction&, const LibFunction&) = default;
    friend auto operator<=>(const LibFunction&, const LibFunction&) = default;
};

/// One line of the update list: a function an update would change, or a note on a module
/// (symbol empty): not located ("<File not found>"), or kept as it is ("kept: <read error>",
/// "kept: <no names>", "kept: <another module>"). The list is only shown, never written back: its
/// texts are UTF-8, converted from the library's Windows-1252 as every other list shows them.
struct UpdatePreviewRow {
    std::string module;
    std::string symbol;
    std::uint16_t ordinal = 0;
    std::string change;
    /// What the update does to the LIB file for this line: the function it no longer writes,
    /// and the one it writes in its place (either may be absent; neither on a module's note).
    std::optional<LibFunction> drops;
    std::optional<LibFunction> writes;

    friend bool operator==(const UpdatePreviewRow&, const UpdatePreviewRow&) = default;
};

struct UpdatePreview {
    std::vector<UpdatePreviewRow> rows;
    std::size_t modules = 0;
    std::size_t notLocated = 0;
    /// Located modules the update would keep as they are (their file is not read whole, gives
    /// no names or holds another module).
    std::size_t kept = 0;
    /// Modules with at least one changed function.
    std::size_t changedModules = 0;
    bool cancelled = false;
};

/// Runs the locating pass of Update library (recording the executables found, as the update
/// does), then each located module's reload as the update runs it, on a scratch library with
/// messages off, and lists what the update would write differently: every function whose name,
/// letter case, ordinal or module name changes, comes or goes. A module the update keeps is listed
/// once with the reason, a module not located once with "<File not found>". Letter case and
/// ordinals always count, as the update writes them; of `options` only the pairing of renamed
/// and decorated names (`UseHeavyMangling`) is taken. The library is left as it is; Escape
/// stops the run (`cancelled`).
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
