// The library list and the module table as find targets.
#include "app/library/library_find_targets.h"

#include <QTableView>

#include "app/library/library_data_window.h"
#include "app/library/library_tree_model.h"
#include "app/library/library_view.h"
#include "app/library/module_table_model.h"
#include "core/library_model.h"

namespace quillon::app {

LibraryFindTarget::LibraryFindTarget(LibraryView& view) : m_view(view), m_list(view.workspace()) {}

std::optional<std::size_t> LibraryFindTarget::currentRow() const
{
    return m_view.selectedRow();
}

void LibraryFindTarget::showFoundRow(std::size_t row)
{
    (void)refreshIcons(m_view.workspace(), row, row + 1);
    m_view.model()->rowsChanged(row, row + 1);
    m_view.selectRow(row);
}

ModuleTableFindTarget::ModuleTableFindTarget(LibraryDataWindow& window, const Workspace& ws)
    : m_window(window), m_list(ws, window.model()->shownOrder())
{
}

std::optional<std::size_t> ModuleTableFindTarget::currentRow() const
{
    return currentViewRow(*m_window.table());
}

void ModuleTableFindTarget::showFoundRow(std::size_t row)
{
    showViewRow(*m_window.table(), row);
}

}  // namespace quillon::app
