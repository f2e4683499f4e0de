// Editing the rows of the disk-compare list in place.
#pragma once

#include <cstddef>
#include <string_view>

#include "core/workspace.h"
#include "maintenance/symbol_edit.h"

namespace quillon::reports {

/// An in-place edit of row `position` of the last comparison's `CompareList` (`COQ:SYMBOL` or
/// `COQ:ORDINAL`): checked as the library list's symbol rows are, reported when refused, and
/// stored; the row's markers stay. True when the row holds the typed value afterwards; false
/// leaves it as it was.
bool commitCompareEdit(Workspace& ws, std::size_t position, maintenance::EditField field,
                       std::string_view text);

}  // namespace quillon::reports
