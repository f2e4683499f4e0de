// readModuleDefinition: the exports a module-definition (.def) file lists, as the library takes
// them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "exe/export_table.h"

namespace quillon::exe {

/// What a module-definition file gives the library.
struct ModuleDefinition {
    /// The name of the LIBRARY (or NAME) statement; empty when the file has none.
    std::string_view moduleName;
    /// The entries a LIB file can bind, a name and an ordinal each, in file order. Names are
    /// at most 254 characters.
    std::vector<ExportedName> names;
    /// Entries marked RESIDENTNAME before the first that is not; they come first in `names`.
    std::uint16_t residentCount = 0;
    /// Entries left out: without an ordinal (the DLL gives theirs when it is built), and with
    /// NONAME (the DLL exports them by ordinal only).
    std::size_t withoutOrdinal = 0;
    std::size_t withoutName = 0;
    /// The first fault: its 1-based line (0 for a fault of the whole file) and what is wrong.
    /// Empty when the file was read to its end.
    std::string error;
    std::size_t errorLine = 0;

    [[nodiscard]] bool ok() const { return error.empty(); }
    [[nodiscard]] std::size_t skipped() const { return withoutOrdinal + withoutName; }
};

/// The largest file read as a module definition.
inline constexpr std::size_t kMaxModuleDefinitionSize = 64u * 1024u * 1024u;

/// Reads the statements LIBRARY, NAME and EXPORTS with entries
/// `name[=internal] [@ordinal [NONAME]] [DATA] [PRIVATE] [CONSTANT] [RESIDENTNAME]`; names may be
/// quoted ("name" or 'name'), ";" begins a comment, and the other statements of the format
/// (DESCRIPTION, VERSION, SECTIONS, ...) are passed over with their lines. Never fails on
/// content: a fault stops the reading with its line in `error`. Views point into `text`.
[[nodiscard]] ModuleDefinition readModuleDefinition(std::string_view text);

/// The table the library takes from a module definition: `moduleName` for the module, no
/// bitness, the names in order. A definition without names gives a table without a module.
[[nodiscard]] ExportTable moduleDefinitionTable(const ModuleDefinition& definition,
                                                std::string_view moduleName);

}  // namespace quillon::exe
