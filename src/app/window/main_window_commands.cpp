// The main window's commands on the library list.
#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QTreeView>

#include "app/compare/compare_list_model.h"
#include "app/compare/compare_tab.h"
#include "app/find/extracted_list_model.h"
#include "app/find/extracted_tab.h"
#include "app/library/library_tree_model.h"
#include "app/library/target_name_dialog.h"
#include "app/options/options_tab.h"
#include "app/update/update_tab.h"
#include "app/widgets/goto_dialog.h"
#include "app/widgets/qt_ui.h"
#include "app/window/main_window.h"
#include "core/library_edit.h"
#include "core/sort_library.h"
#include "exe/undecorated_name.h"
#include "maintenance/global_duplicates.h"
#include "maintenance/maintenance_messages.h"
#include "maintenance/symbols_cleanup.h"
#include "program/target_name.h"
#include "program/window_texts.h"
#include "refresh/clear_lists.h"
#include "reports/clarion_map.h"
#include "reports/compare_state.h"
#include "settings/options_io.h"
#include "settings/recent_files.h"
#include "settings/settings_store.h"

namespace quillon::app {

void MainWindow::rowsEdited()
{
    m_model->allRowsChanged();
    updateActions();
    updateStatus();
}

void MainWindow::toggleMarkCommand()
{
    const auto row = selectedRow();
    if (!row)
        return;
    toggleMark(m_ws, *row);
    m_model->rowsChanged(*row, *row + 1);
}

void MainWindow::markAllCommand(bool marked)
{
    setAllMarks(m_ws, marked);
    rowsEdited();
}

void MainWindow::invertMarksCommand()
{
    invertMarks(m_ws);
    rowsEdited();
}

void MainWindow::markExcludeCommand(std::uint8_t exclude)
{
    markSymbolsWithExclude(m_ws, exclude);
    rowsEdited();
    // No duplicate marks to hook may mean that the search never ran: say so.
    if (exclude == kExcludeDuplicate) {
        maintenance::deriveDuplicateMode(m_ws);
        if (!m_ws.duplicateMode.enabled)
            m_ui.status(1, maintenance::kDuplicatesNotChecked);
    }
}

void MainWindow::nextMarkCommand()
{
    const MarkSearch search = nextMark(m_ws, selectedRow());
    showNextMark(m_ui, search);
    if (!search.row)
        return;
    const std::size_t found = *search.row;
    // The module of the found row may have been expanded by the search.
    const std::size_t module = moduleRowOf(m_ws, found);
    m_model->rowsChanged(module, module + 1);
    selectRow(found);
}

void MainWindow::deleteCommand()
{
    const auto selected = selectedRow();
    std::size_t nextSelection = selected.value_or(0);
    m_ui.setBusy(true);
    m_model->resetWith([&] {
        deleteRows(m_ws, selected);
        maintenance::renewSymbolMarks(m_ws);
    });
    m_ui.setBusy(false);
    restoreExpansion();
    if (!m_ws.library.empty())
        selectRow(std::min(nextSelection, m_ws.library.rows.size() - 1));
    updateActions();
    updateStatus();
}

void MainWindow::expandAllCommand(bool expanded)
{
    setAllExpanded(m_ws, expanded);
    m_syncingExpansion = true;
    if (expanded)
        m_tree->expandAll();
    else
        m_tree->collapseAll();
    m_syncingExpansion = false;
    m_model->allRowsChanged();
}

void MainWindow::copyNameCommand()
{
    const auto row = selectedRow();
    if (!row)
        return;
    QGuiApplication::clipboard()->setText(fromCp1252(m_ws.library.rows[*row].SYMBOL));
}

std::vector<std::size_t> MainWindow::markedOrCurrentRows() const
{
    std::vector<std::size_t> rows;
    const LibraryList& list = m_ws.library.rows;
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (list[i].MARK == 1)
            rows.push_back(i);
    }
    if (rows.empty()) {
        if (const auto row = selectedRow())
            rows.push_back(*row);
    }
    return rows;
}

void MainWindow::copyUndecoratedCommand()
{
    QStringList names;
    for (const std::size_t row : markedOrCurrentRows()) {
        const LibraryRow& r = m_ws.library.rows[row];
        if (r.isSymbol())
            names << fromCp1252(exe::shownName(r.SYMBOL, true));
    }
    if (!names.isEmpty())
        QGuiApplication::clipboard()->setText(names.join('\n'));
}

void MainWindow::copyPrototypeCommand()
{
    const std::vector<std::size_t> rows = markedOrCurrentRows();
    if (rows.empty())
        return;
    const std::string text = reports::clarionPrototypeText(reports::mapModules(m_ws, rows));
    if (!text.empty())
        QGuiApplication::clipboard()->setText(fromCp1252(text));
}

void MainWindow::exportMapCommand(MapScope scope)
{
    std::vector<std::size_t> rows;
    if (scope == MapScope::Module) {
        const auto row = selectedRow();
        if (!row)
            return;
        std::size_t module = *row;
        while (module > 0 && !m_ws.library.rows[module].isModule())
            --module;
        rows.push_back(module);
    } else if (scope == MapScope::Marked) {
        rows = markedOrCurrentRows();
        if (rows.empty())
            return;
    }
    const std::vector<reports::MapModule> modules = reports::mapModules(m_ws, rows);
    std::size_t functions = 0;
    for (const reports::MapModule& m : modules)
        functions += m.exportNames.size();
    const std::string start = dialogFolder() + "map.clw";
    const std::optional<std::string> path = m_ui.saveFileDialog(
        {"Export as Clarion MAP...", start,
         "Clarion source files (*.clw;*.inc)|*.clw;*.inc|All files (*.*)|*.*"});
    if (!path || path->empty())
        return;
    const Status written =
        reports::writeClarionMap(m_ws.files(), *path, reports::clarionMapText(modules));
    if (!written.ok()) {
        m_ui.message(reports::mapWriteFailure(*path, written.error()));
        return;
    }
    if (m_ws.options.UseStatusBar)
        m_ui.status(1, reports::mapWrittenStatus(*path, functions));
}

void MainWindow::toggleUndecoratedNames()
{
    m_ws.options.UseUndecoratedNames = !m_ws.options.UseUndecoratedNames;
    settings::SaveOption(m_ws.settings(), m_ws.options, &Options::UseUndecoratedNames);
    m_model->allRowsChanged();
    if (m_extractedTab != nullptr)
        m_extractedTab->model()->resetWith([] {});
    if (m_compareList != nullptr)
        m_compareList->model()->refresh();
    updateActions();
}

void MainWindow::gotoCommand()
{
    if (m_ws.library.empty())
        return;
    GotoDialog dialog(m_ws, this);
    if (const auto current = selectedRow())
        dialog.preselect(m_ws.library.rows[*current].MODULENUM);
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (const auto row = findGotoRow(m_ws, dialog.moduleNumber(), dialog.ordinal()))
        selectRow(*row);
}

void MainWindow::showPopup()
{
    QRect rect = m_tree->visualRect(m_tree->currentIndex());
    QPoint at = rect.isValid() ? rect.bottomLeft() : QPoint(0, 0);
    m_popup->popup(m_tree->viewport()->mapToGlobal(at));
}

void MainWindow::toggleTopmost()
{
    m_ws.options.TopWindow = !m_ws.options.TopWindow;
    settings::SaveOption(m_ws.settings(), m_ws.options, &Options::TopWindow);
    updateTopmost();
}

bool MainWindow::saveQuestion()
{
    switch (askSaveChanges(m_ws)) {
        case SaveAnswer::Discard:
            return true;
        case SaveAnswer::Cancel:
            return false;
        case SaveAnswer::Save:
            // Saving starts "Save as..."; while it cannot run the command is abandoned, so that
            // the changes are never dropped.
            if (!m_actions.saveAs->isEnabled())
                return false;
            m_actions.saveAs->trigger();
            return !m_ws.library.LibraryChanged;
    }
    return false;
}

std::optional<std::string> MainWindow::askTargetName(bool rename)
{
    TargetNameDialog dialog(m_ws, m_ui, m_icons, rename,
                            defaultTargetFolder(m_ws, m_setup.startupFolder), this);
    if (auto* options = qobject_cast<OptionsTab*>(m_optionsTab)) {
        dialog.setFolderOptionsOpener([this, options]() -> std::optional<std::string> {
            if (!options->folderOptions())
                return std::nullopt;
            return defaultTargetFolder(m_ws, m_setup.startupFolder);
        });
    }
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.fullName();
}

void MainWindow::newLibrary()
{
    if (!saveQuestion())
        return;
    const auto name = askTargetName(false);
    if (!name)
        return;
    m_model->resetWith([&] { clearLibrary(m_ws); });
    m_ws.library.LibraryFileName = *name;
    settings::RecordPresentFile(m_ws, *name);
    updateCaption();
    updateActions();
    updateStatus();
}

void MainWindow::renameLibrary()
{
    const auto name = askTargetName(true);
    if (!name)
        return;
    m_ws.library.LibraryFileName = *name;
    updateCaption();
}

void MainWindow::closeLibrary()
{
    if (!saveQuestion())
        return;
    m_model->resetWith([&] { clearLibrary(m_ws); });
    m_ws.library.LibraryFileName.clear();
    updateCaption();
    updateActions();
    updateStatus();
}

void MainWindow::clearList()
{
    bool others = false;
    m_model->resetWith([&] { others = refresh::clearAllModules(m_ws); });
    if (others)
        otherListsCleared();
    updateActions();
    updateStatus();
}

void MainWindow::otherListsCleared()
{
    m_extractedTab->clearList();
    m_compareList->refresh();
    m_updateList->clearList();
}

void MainWindow::sortBy(SortOrder order)
{
    const auto selected = selectedRow();
    const bool focused = m_tree->hasFocus();
    std::uint32_t remembered = 0;
    if (selected)
        remembered = m_ws.library.rows[*selected].UNSORTED;
    m_ui.setBusy(true);
    m_model->resetWith([&] { sortLibraryShowingStatus(m_ws, order, m_ws.sortDescending); });
    m_ui.setBusy(false);
    restoreExpansion();
    if (selected) {
        const LibraryList& rows = m_ws.library.rows;
        for (std::size_t i = 0; i < rows.size(); ++i) {
            if (rows[i].UNSORTED == remembered) {
                selectRow(i);
                break;
            }
        }
    }
    if (focused)
        m_tree->setFocus();
    updateActions();
    updateStatus();
}

void MainWindow::sortDirection(bool descending)
{
    m_ws.sortDescending = descending;
    sortBy(m_ws.sortOrder);
}

}  // namespace quillon::app
