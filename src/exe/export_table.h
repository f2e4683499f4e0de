// ExportTable: the module and names one reader call found, and how they enter the library.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "core/progress_indicator.h"
#include "base/result.h"
#include "core/workspace.h"

namespace quillon::exe {

/// One exported name. `name` views the file's bytes: at most 254 bytes, no NUL.
struct ExportedName {
    std::string_view name;
    std::uint16_t ordinal = 0;
    bool resident = false;

    friend bool operator==(const ExportedName&, const ExportedName&) = default;
};

/// What one reader call found: the module row it adds (when `hasModule`), its names in file
/// order, and the read that stopped it early (`error.code` 0 when it read to the end).
/// Views point into the bytes the table was read from.
struct ExportTable {
    bool hasModule = false;
    std::string_view moduleName;
    std::uint8_t os = kOsUnknown;
    /// The total the progress display starts with (PE NumberOfNames, NE movable entries).
    std::uint64_t progressTotal = 0;
    /// The names the file declares (PE NumberOfNames); 0 where the format declares no count.
    /// Fewer names read than declared means the table was not read whole.
    std::uint64_t declaredNames = 0;
    std::vector<ExportedName> names;
    /// Names taken from an NE resident-name table; they come first in `names`.
    std::uint16_t residentCount = 0;
    Error error;
};

/// How appending a table ended.
enum class AppendOutcome { Done, Cancelled };

/// Appends the table's module row and one symbol row per name, polling for Escape before each
/// name and stepping `progress` (" symbols"). When cancelled the caller removes the rows.
/// A table without a module adds nothing. The table's error is the caller's to record.
[[nodiscard]] AppendOutcome appendExportTable(Workspace& ws, const ExportTable& table,
                                              ProgressIndicator& progress);

}  // namespace quillon::exe
