// Editing the entries of the flat symbol lists in place: the extracted functions and, through
// the comparison, the disk-compare list.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

#include "core/workspace.h"
#include "maintenance/symbol_edit.h"

namespace quillon::maintenance {

/// An in-place edit of `field` of a list entry that now holds `current`, typed as `text`:
/// checked as the library list's symbol rows are (an entry with an ordinal keeps one) and, when
/// refused, reported as those are. Returns the entry's new name and ordinal, or nothing when
/// refused (the entry is to stay as it was).
[[nodiscard]] std::optional<RowEdit> checkEntryEdit(Workspace& ws, const RowEdit& current,
                                                    EditField field, std::string_view text);

/// An in-place edit of entry `entry` of the extracted functions (`QUQ:SYMBOL` or
/// `QUQ:ORDINAL`): checked by `checkEntryEdit` and stored. The list keeps its order. True when
/// the entry holds the typed value afterwards; false leaves it as it was.
bool commitExtractedEdit(Workspace& ws, std::size_t entry, EditField field,
                         std::string_view text);

}  // namespace quillon::maintenance
