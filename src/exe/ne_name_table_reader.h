// NeNameTableReader: the resident and non-resident name tables of an NE file.
#pragma once

#include <cstdint>

#include "exe/export_table.h"
#include "exe/image_source.h"

namespace quillon::exe {

/// Reads the NE header at `newHeaderOffset` and its two name tables. The first resident entry
/// is the module name and the first non-resident entry the description; neither becomes a
/// name. Resident names come first, flagged, and are counted in `residentCount`.
///
/// A failing read in the resident table ends that table and the non-resident table is still
/// read; a failing read in the non-resident table ends the reader. The last failure is the
/// table's error. A non-resident-name table offset of 0 means the file has no such table. A
/// resident table that is empty from the start gives a module without a name and no names.
[[nodiscard]] ExportTable readNeNameTables(ImageSource& file, std::uint64_t newHeaderOffset);

}  // namespace quillon::exe
