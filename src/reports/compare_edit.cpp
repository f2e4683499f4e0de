// Storing in-place edits of the disk-compare list.
#include "reports/compare_edit.h"

#include "maintenance/list_entry_edit.h"
#include "reports/compare_state.h"

namespace quillon::reports {

bool commitCompareEdit(Workspace& ws, std::size_t position, maintenance::EditField field,
                       std::string_view text)
{
    CompareList& rows = compareState(ws).last.rows;
    if (position >= rows.size())
        return false;
    CompareRow& row = rows[position];
    const auto edit = maintenance::checkEntryEdit(ws, {row.SYMBOL, row.ORDINAL}, field, text);
    if (!edit)
        return false;
    row.SYMBOL = edit->name;
    row.ORDINAL = edit->ordinal;
    return true;
}

}  // namespace quillon::reports
