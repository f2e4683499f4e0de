// Tables indexed by module number, sized for the numbers a library holds.
#pragma once

#include <cstddef>

#include "core/library_row.h"

namespace quillon {

/// One more than the highest `MODULENUM` of the rows and the table: the size of a table that
/// is indexed by module number.
[[nodiscard]] std::size_t moduleNumberBound(const LibraryList& rows, const ModuleTable& modules);

}  // namespace quillon
