// The main window's query commands: query, extraction and finding in the library list.
#include <QTreeView>

#include "app/find/extracted_list_model.h"
#include "app/find/extracted_tab.h"
#include "app/find/search_dialog.h"
#include "app/library/library_find_targets.h"
#include "app/library/library_tree_model.h"
#include "app/widgets/qt_ui.h"
#include "app/window/main_window.h"
#include "core/library_model.h"
#include "core/progress_indicator.h"
#include "query/extract_rows.h"
#include "query/query_status.h"
#include "query/search_flow.h"

namespace quillon::app {

void MainWindow::queryCommand()
{
    if (m_ws.library.empty())
        return;
    SearchDialog dialog(m_ws, query::SearchMode::Query, this);
    if (dialog.exec() != QDialog::Accepted || dialog.outcome() != SearchDialog::Outcome::Start)
        return;
    const query::SearchOptions options = dialog.options();
    m_ui.setBusy(true);
    m_extractedTab->model()->resetWith([&] { (void)query::queryLibrary(m_ws, options); });
    m_ui.setBusy(false);
    if (options.UseMarkFound) {
        (void)refreshIcons(m_ws);
        m_model->allRowsChanged();
    }
    m_extractedTab->updateActions();
}

void MainWindow::extractCommand()
{
    if (m_ws.library.empty())
        return;
    const std::optional<std::size_t> cursor = selectedRow();
    m_ui.setBusy(true);
    ProgressIndicator progress(m_ui, m_ws.options.UseStatusBar);
    query::ExtractCounts counts;
    m_extractedTab->model()->resetWith(
        [&] { counts = query::extractRows(m_ws, cursor, &progress); });
    query::showExtraction(m_ui, m_ws.options, counts);
    m_ui.setBusy(false);
    // The rows taken lost their hooks.
    (void)refreshIcons(m_ws);
    m_model->allRowsChanged();
    m_extractedTab->updateActions();
}

void MainWindow::findCommand(bool findNext)
{
    if (m_ws.library.empty())
        return;
    LibraryFindTarget target(*this);
    (void)runFindCommand(m_ws, this, target, findNext);
    m_tree->setFocus();
}

}  // namespace quillon::app
