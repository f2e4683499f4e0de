// The main window's revert and update commands: Ctrl+R, Alt+R, Ctrl+F8 and Shift+F8.
#include <QAction>

#include <array>

#include "app/library/library_tree_model.h"
#include "app/widgets/qt_ui.h"
#include "app/window/main_window.h"
#include "core/library_edit.h"
#include "refresh/library_revert.h"
#include "refresh/library_update.h"
#include "refresh/module_reload.h"

namespace quillon::app {

void MainWindow::refreshFinished(std::optional<std::size_t> row)
{
    // The command's result texts outlive the selection's status.
    const std::array<std::string, 3> texts = {m_ui.statusText(1), m_ui.statusText(2),
                                              m_ui.statusText(3)};
    restoreExpansion();
    if (row && *row < m_ws.library.rows.size())
        selectRow(*row);
    updateCaption();
    updateActions();
    if (m_ws.options.UseStatusBar) {
        for (int pane = 1; pane <= 3; ++pane)
            m_ui.status(pane, texts[static_cast<std::size_t>(pane - 1)]);
    }
}

void MainWindow::revertCommand()
{
    if (m_ui.busy())
        return;
    m_ui.setBusy(true);
    refresh::RevertResult result;
    m_model->resetWith([&] { result = refresh::revertLibrary(m_ws); });
    m_ui.setBusy(false);
    if (result.end != refresh::RevertEnd::Reverted) {
        refreshFinished(selectedRow());
        return;
    }
    // The library was emptied as "Cl&ear all modules" empties it, the other lists with it.
    if (m_ws.options.UseClearExtract)
        otherListsCleared();
    refreshFinished(m_ws.library.empty() ? std::nullopt : std::optional<std::size_t>(0));
    updateStatus();
}

void MainWindow::revertModuleCommand()
{
    const auto selected = selectedRow();
    if (!selected || m_ui.busy())
        return;
    m_ui.setBusy(true);
    refresh::ModuleReloadResult result;
    m_model->resetWith(
        [&] { result = refresh::reloadModule(m_ws, *selected, refresh::ModuleSource::OwnFile); });
    m_ui.setBusy(false);
    refreshFinished(result.selectRow);
}

void MainWindow::updateModuleCommand()
{
    if (m_ws.options.UseBitCheck == BitCheck::None || m_ws.library.empty() || m_ui.busy())
        return;
    const auto selected = selectedRow();
    const bool marked = anyMarked(m_ws);
    if (!marked && !selected)
        return;
    m_ui.setBusy(true);
    std::optional<std::size_t> row;
    m_model->resetWith([&] {
        if (marked)
            row = refresh::updateMarkedModules(m_ws).selectRow;
        else
            row =
                refresh::reloadModule(m_ws, *selected, refresh::ModuleSource::Executable).selectRow;
    });
    m_ui.setBusy(false);
    refreshFinished(row);
}

void MainWindow::updateLibraryCommand()
{
    if (m_ws.options.UseBitCheck == BitCheck::None || m_ws.library.empty() || m_ui.busy())
        return;
    m_ui.setBusy(true);
    m_model->resetWith([&] { (void)refresh::updateLibrary(m_ws); });
    m_ui.setBusy(false);
    refreshFinished(m_ws.library.empty() ? std::nullopt : std::optional<std::size_t>(0));
}

}  // namespace quillon::app
