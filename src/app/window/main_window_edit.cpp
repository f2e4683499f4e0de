// The main window's editing commands: the "Edit symbol" dialog and the list editors.
#include <QAction>
#include <QTreeView>

#include <optional>

#include "app/library/edit_symbol_dialog.h"
#include "app/library/library_tree_model.h"
#include "app/options/edit_list_dialog.h"
#include "app/widgets/qt_ui.h"
#include "app/window/main_window.h"
#include "maintenance/symbol_edit.h"

namespace quillon::app {

void MainWindow::editSymbolCommand()
{
    const auto selected = selectedRow();
    if (!selected)
        return;
    const std::size_t at = *selected;
    const LibraryRow& row = m_ws.library.rows[at];
    auto acceptor = [this, at](const std::string& name, const std::string& ordinal, bool insert) {
        const auto edit = maintenance::checkSymbolEdit(m_ws, at, name, ordinal, insert);
        if (!edit)
            return false;
        std::optional<std::size_t> stored;
        if (insert) {
            // The new row goes before the selected symbol, or first under a selected module.
            const std::size_t position = m_ws.library.rows[at].isModule() ? at + 1 : at;
            m_model->insertRowWith(position, [&] {
                stored = maintenance::applySymbolEdit(m_ws, at, *edit, true);
                return stored.has_value();
            });
        } else {
            stored = maintenance::applySymbolEdit(m_ws, at, *edit, false);
        }
        if (!stored)
            return false;
        m_model->allRowsChanged();
        selectRow(*stored);
        updateActions();
        updateStatus();
        return true;
    };
    EditSymbolDialog dialog(row.SYMBOL.str(), row.ORDINAL, acceptor, this);
    (void)dialog.exec();
    m_tree->setFocus();
}

void MainWindow::editListCommand(bool favorites)
{
    (void)EditListDialog::run(
        m_ws,
        favorites ? maintenance::EditListKind::Favorites : maintenance::EditListKind::Exceptions,
        this);
}

}  // namespace quillon::app
