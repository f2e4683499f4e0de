// The main window's side of the "Update library" tab: the update dialog and its updates.
#include <array>

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
                counts = refresh::updateCountText(result);
                break;
            }
            case UpdateScope::SelectedModule: {
                const refresh::ModuleReloadResult result =
                    refresh::reloadModule(m_ws, *selected, refresh::ModuleSource::Executable);
                row = result.selectRow;
                counts = refresh::updateCountText(result);
                break;
            }
        }
    });
    m_ui.setBusy(false);
    refreshFinished(row);
    // The list is read again by comparing every module, which writes its own status texts:
    // the update's report comes back afterwards.
    const std::array<std::string, 3> texts = {m_ui.statusText(1), m_ui.statusText(2),
                                              m_ui.statusText(3)};
    m_updateList->refreshList();
    m_updateList->setResultText(QString::fromStdString(counts));
    if (m_ws.options.UseStatusBar) {
        for (int pane = 1; pane <= 3; ++pane)
            m_ui.status(pane, texts[static_cast<std::size_t>(pane - 1)]);
    }
}

}  // namespace quillon::app
