// Tables indexed by module number, sized for the numbers a library holds.
#include "core/module_numbers.h"

#include <algorithm>

namespace quillon {

std::size_t moduleNumberBound(const LibraryList& rows, const ModuleTable& modules)
{
    ModuleNumber highest = 0;
    for (const LibraryRow& row : rows)
        highest = std::max(highest, row.MODULENUM);
    for (const ModuleEntry& entry : modules)
        highest = std::max(highest, entry.MODULENUM);
    return std::size_t{highest} + 1;
}

}  // namespace quillon
