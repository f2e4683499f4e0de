// The main window's side of the "Update library" tab: the update dialog and its updates.
#include "app/library/library_tree_model.h"
#include "app/update/update_dialog.h"
#include "app/update/update_tab.h"
#include "app/widgets/qt_ui.h"
#include "app/window/main_window.h"
#include "core/library_edit.h"
#include "refresh/library_update.h"
#include "refresh/module_reload.h"
#include "refresh/refresh_texts.h"

namespace quillon::app {

void MainWindow::updateFromTabCommand()
{
    if (m_ws.library.empty() || m_ui.busy())
        return;
    UpdateDialog dialog(anyMarked(m_ws), selectedRow().has_value(), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    updateFromTab(dialog.scope());
}

void MainWindow::updateFromTab(UpdateScope scope)
{
    const auto selected = selectedRow();
    if (m_ws.library.empty() || m_ui.busy() || (scope == UpdateScope::SelectedModule && !selected))
        return;
    m_ui.setBusy(true);
    std::optional<std::size_t> row;
    std::string counts;
    m_model->resetWith([&] {
        switch (scope) {
            case UpdateScope::AllModules: {
                counts = refresh::updateLibrary(m_ws).statusText;
                if (!m_ws.library.empty())
                    row = 0;
                break;
            }
            case UpdateScope::MarkedModules: {
                const refresh::MarkedUpdateResult result = refresh::updateMarkedModules(m_ws);
                row = result.selectRow;
                counts = m_ui.statusText(1);
                break;
            }
            case UpdateScope::SelectedModule: {
                const refresh::ModuleReloadResult result =
                    refresh::reloadModule(m_ws, *selected, refresh::ModuleSource::Executable);
                row = result.selectRow;
                counts = m_ui.statusText(2);
                break;
            }
        }
    });
    m_ui.setBusy(false);
    refreshFinished(row);
    m_updateList->refreshList();
    m_updateList->setResultText(QString::fromStdString(counts));
}

}  // namespace quillon::app
