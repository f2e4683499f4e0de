// Copying the rows of the library into the export rows.
#include "reports/export_rows.h"

namespace quillon::reports {

std::size_t fillExportRows(Workspace& ws, std::optional<std::size_t> moduleRow)
{
    const LibraryList& rows = ws.library.rows;
    std::size_t first = 0;
    std::size_t last = rows.size();
    if (moduleRow) {
        if (*moduleRow >= rows.size() || !rows[*moduleRow].isModule()) {
            ws.pass.clear();
            return 0;
        }
        first = *moduleRow + 1;
        last = first;
        while (last < rows.size() && !rows[last].isModule())
            ++last;
    }
    ws.pass.clear();
    ws.pass.reserve(last - first);
    for (std::size_t i = first; i < last; ++i) {
        const LibraryRow& row = rows[i];
        if (!row.isSymbol())
            continue;
        PassEntry entry;
        entry.MODULENAME = row.MODULENAME;
        entry.SYMBOL = row.SYMBOL;
        entry.ORDINAL = row.ORDINAL;
        entry.UNSORTED = row.UNSORTED;
        ws.pass.push_back(std::move(entry));
    }
    return ws.pass.size();
}

}  // namespace quillon::reports
