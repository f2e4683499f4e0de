// Hooks, tree levels, deleting and clearing of the library list.
#include "core/library_edit.h"

#include <algorithm>
#include <string>
#include <vector>

#include "core/library_model.h"

namespace quillon {

namespace {

void setMark(Workspace& ws, std::size_t row, std::uint8_t mark)
{
    LibraryRow& r = ws.library.rows[row];
    r.MARK = mark;
    r.ICON = rowIcon(ws.options, ws.hookColour, r);
}

ModuleEntry* moduleEntry(Workspace& ws, ModuleNumber number)
{
    ModuleTable& modules = ws.library.modules;
    const auto it =
        std::lower_bound(modules.begin(), modules.end(), number,
                         [](const ModuleEntry& e, ModuleNumber n) { return e.MODULENUM < n; });
    if (it == modules.end() || it->MODULENUM != number)
        return nullptr;
    return &*it;
}

}  // namespace

void toggleMark(Workspace& ws, std::size_t row)
{
    if (row >= ws.library.rows.size())
        return;
    LibraryRow& r = ws.library.rows[row];
    setMark(ws, row, r.MARK == 1 ? 0 : 1);
    if (r.isModule()) {
        if (ModuleEntry* entry = moduleEntry(ws, r.MODULENUM))
            entry->MARK = r.MARK;
    }
}

void setAllMarks(Workspace& ws, bool marked)
{
    for (LibraryRow& row : ws.library.rows)
        row.MARK = marked ? 1 : 0;
    for (ModuleEntry& entry : ws.library.modules)
        entry.MARK = marked ? 1 : 0;
    refreshIcons(ws);
}

void invertMarks(Workspace& ws)
{
    for (LibraryRow& row : ws.library.rows)
        row.MARK = row.MARK == 1 ? 0 : 1;
    for (ModuleEntry& entry : ws.library.modules)
        entry.MARK = entry.MARK == 1 ? 0 : 1;
    refreshIcons(ws);
}

std::size_t markSymbolsWithExclude(Workspace& ws, std::uint8_t exclude)
{
    std::size_t count = 0;
    LibraryList& rows = ws.library.rows;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].isSymbol() && rows[i].EXCLUDE == exclude && rows[i].MARK != 1) {
            setMark(ws, i, 1);
            ++count;
        }
    }
    return count;
}

bool anyMarked(const Workspace& ws)
{
    return std::any_of(ws.library.rows.begin(), ws.library.rows.end(),
                       [](const LibraryRow& r) { return r.MARK == 1; });
}

std::size_t moduleRowOf(const Workspace& ws, std::size_t row)
{
    const LibraryList& rows = ws.library.rows;
    if (row >= rows.size())
        return row;
    while (row > 0 && !rows[row].isModule())
        --row;
    return row;
}

MarkSearch nextMark(Workspace& ws, std::optional<std::size_t> selected)
{
    MarkSearch search;
    const LibraryList& rows = ws.library.rows;
    const std::size_t start = selected ? *selected + 1 : 0;
    for (std::size_t i = start; i < rows.size(); ++i) {
        if (rows[i].MARK != 1)
            continue;
        const std::size_t module = moduleRowOf(ws, i);
        if (module != i && !rows[module].expanded())
            setModuleExpanded(ws, module, true);
        search.row = i;
        search.anyMarked = true;
        return search;
    }
    search.anyMarked = anyMarked(ws);
    return search;
}

void showNextMark(ui::UiInterface& ui, const MarkSearch& search)
{
    ui.status(1, "Next mark...");
    if (search.row)
        ui.status(1, "");
    else
        ui.status(1, search.anyMarked ? "Bottom reached" : "No marks found");
}

void setModuleExpanded(Workspace& ws, std::size_t moduleRow, bool expanded)
{
    if (moduleRow >= ws.library.rows.size())
        return;
    LibraryRow& row = ws.library.rows[moduleRow];
    if (!row.isModule())
        return;
    row.TREELEVEL = expanded ? TreeLevel::ModuleExpanded : TreeLevel::ModuleCollapsed;
    row.ICON = rowIcon(ws.options, ws.hookColour, row);
    if (ModuleEntry* entry = moduleEntry(ws, row.MODULENUM))
        entry->TREELEVEL = row.TREELEVEL;
}

void setAllExpanded(Workspace& ws, bool expanded)
{
    const TreeLevel level = expanded ? TreeLevel::ModuleExpanded : TreeLevel::ModuleCollapsed;
    for (LibraryRow& row : ws.library.rows) {
        if (row.isModule())
            row.TREELEVEL = level;
    }
    for (ModuleEntry& entry : ws.library.modules)
        entry.TREELEVEL = level;
    refreshIcons(ws);
}

DeleteResult deleteRows(Workspace& ws, std::optional<std::size_t> selected)
{
    LibraryList& rows = ws.library.rows;
    DeleteResult result;
    if (rows.empty())
        return result;
    const bool marked = anyMarked(ws);
    if (!marked && (!selected || *selected >= rows.size()))
        return result;

    ui::UiInterface& ui = ws.ui();
    const std::string previous = ui.statusText(1);
    ui.status(1, "Deleting...");
    ui.setWaitCursor(true);

    // One pass decides each row; a second compacts the list in place.
    std::vector<char> remove(rows.size(), 0);
    bool moduleGoes = false;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const LibraryRow& row = rows[i];
        if (row.isModule()) {
            moduleGoes = marked ? row.MARK == 1 : i == *selected;
            remove[i] = moduleGoes ? 1 : 0;
        } else {
            remove[i] = (moduleGoes || (marked ? row.MARK == 1 : i == *selected)) ? 1 : 0;
        }
    }
    // A module whose symbols all go is removed with them.
    for (std::size_t i = 0; i < rows.size();) {
        std::size_t end = i + 1;
        bool anyLeft = false;
        while (end < rows.size() && !rows[end].isModule()) {
            anyLeft = anyLeft || remove[end] == 0;
            ++end;
        }
        if (rows[i].isModule() && !anyLeft && end > i + 1)
            remove[i] = 1;
        i = end;
    }

    std::size_t out = 0;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (remove[i] != 0) {
            ++result.rows;
            if (rows[i].isModule())
                ++result.modules;
            else
                ++result.symbols;
            continue;
        }
        if (out != i)
            rows[out] = std::move(rows[i]);
        ++out;
    }
    rows.resize(out);

    ws.library.SymbolCount -=
        static_cast<std::uint32_t>(std::min<std::size_t>(result.symbols, ws.library.SymbolCount));
    rebuildModuleTable(ws);
    if (result.rows > 0)
        ws.library.LibraryChanged = true;

    ui.setWaitCursor(false);
    ui.status(1, previous);
    return result;
}

void clearLibrary(Workspace& ws)
{
    ws.library.rows.clear();
    ws.library.rows.shrink_to_fit();
    ws.library.modules.clear();
    ws.library.SymbolCount = 0;
    ws.library.ModuleCount = 0;
    ws.library.LibraryChanged = false;
}

}  // namespace quillon
