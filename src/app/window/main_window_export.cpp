// The window's export commands: the export list of the library, a module or a list's rows.
#include "app/window/main_window.h"

#include "app/library/export_list_window.h"
#include "app/widgets/qt_ui.h"
#include "platform/paths.h"
#include "reports/export_list_command.h"
#include "reports/export_list_layout.h"
#include "reports/export_rows.h"

namespace quillon::app {

void MainWindow::exportListCommand(bool module)
{
    std::optional<std::size_t> moduleRow;
    reports::ExportListScope scope;
    if (module) {
        std::optional<std::size_t> row = selectedRow();
        if (!row)
            return;
        while (*row > 0 && !m_ws.library.rows[*row].isModule())
            --*row;
        moduleRow = *row;
        scope.moduleName = m_ws.library.rows[*row].MODULENAME.str();
    }
    if (reports::fillExportRows(m_ws, moduleRow) == 0)
        return;
    writeAndPresent(reports::PassListRows(m_ws.pass), scope);
    m_ws.pass.clear();
}

void MainWindow::exportRows(const reports::ExportRowSource& rows)
{
    if (rows.size() == 0)
        return;
    writeAndPresent(rows, reports::ExportListScope{});
}

void MainWindow::writeAndPresent(const reports::ExportRowSource& rows,
                                 const reports::ExportListScope& scope)
{
    const std::string fileName =
        platform::joinPath(m_setup.settingsFolder, reports::kExportListFileName);
    m_ui.setBusy(true);
    const reports::ExportListRun run = reports::runExportList(m_ws, rows, scope, fileName);
    m_ui.setBusy(false);
    if (run.end == reports::ExportListEnd::Written)
        (void)presentExportList(m_ws, fileName, run.copy, this);
}

}  // namespace quillon::app
