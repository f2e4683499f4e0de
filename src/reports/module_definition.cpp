// Module lookup and module-definition text.
#include "reports/module_definition.h"

#include "maintenance/maintenance_common.h"

namespace quillon::reports {

std::vector<std::size_t> moduleRows(const Workspace& ws)
{
    std::vector<std::size_t> rows;
    for (std::size_t i = 0; i < ws.library.rows.size(); ++i) {
        if (ws.library.rows[i].isModule())
            rows.push_back(i);
    }
    return rows;
}

std::optional<std::size_t> findModuleRow(const Workspace& ws, std::string_view name)
{
    for (std::size_t i = 0; i < ws.library.rows.size(); ++i) {
        const LibraryRow& row = ws.library.rows[i];
        if (row.isModule() && maintenance::equalNames(row.MODULENAME.view(), name))
            return i;
    }
    return std::nullopt;
}

std::string moduleDefinitionText(const Workspace& ws, std::size_t moduleRow)
{
    const LibraryList& rows = ws.library.rows;
    std::string out = "LIBRARY " + rows[moduleRow].MODULENAME.str() + "\nEXPORTS\n";
    for (std::size_t i = moduleRow + 1; i < rows.size() && !rows[i].isModule(); ++i) {
        out += "  ";
        out += rows[i].SYMBOL;
        out += " @" + std::to_string(rows[i].ORDINAL) + "\n";
    }
    return out;
}

}  // namespace quillon::reports
