// The window's compare commands.
#include "app/compare/compare_controller.h"

#include <QWidget>

#include "app/compare/compare_list_model.h"
#include "app/compare/compare_report_window.h"
#include "app/compare/compare_tab.h"
#include "app/widgets/qt_ui.h"
#include "base/ascii_text.h"
#include "core/option_override.h"
#include "locate/locate_module.h"
#include "reports/compare_candidates.h"
#include "reports/compare_module.h"
#include "reports/compare_settings.h"
#include "reports/compare_state.h"
#include "settings/settings_store.h"

namespace quillon::app {

CompareController::CompareController(Workspace& ws, QtUi& ui, QWidget& window, CompareTab& tab)
    : QObject(&tab), m_ws(ws), m_ui(ui), m_window(window), m_tab(tab)
{
    connect(&tab, &CompareTab::compareRequested, this,
            [this] { compareCommand(reports::compareState(m_ws).lastModuleRow); });
    connect(&tab, &CompareTab::compareNextRequested, this, &CompareController::compareNext);
    connect(&tab, &CompareTab::reportRequested, this, &CompareController::openReport);
    connect(&tab, &CompareTab::listChanged, this, &CompareController::compared);
}

std::optional<std::size_t> CompareController::moduleRowOf(const Workspace& ws, std::size_t row)
{
    const LibraryList& rows = ws.library.rows;
    if (row >= rows.size())
        row = 0;
    for (std::size_t i = row + 1; i-- > 0;) {
        if (i < rows.size() && rows[i].isModule())
            return i;
    }
    return std::nullopt;
}

std::optional<std::string> CompareController::locate(std::size_t moduleRow, bool tell)
{
    if (moduleRow >= m_ws.library.rows.size())
        return std::nullopt;
    locate::LocateRequest request;
    request.moduleName = std::string(trimRight(m_ws.library.rows[moduleRow].MODULENAME.view()));
    request.quiet = !tell;
    // Filling the field by itself must not raise the failure message.
    const locate::LocateOutcome found = [&] {
        const OptionOverride noMessages(m_ws.options, &Options::UseNoMessages,
                                        !tell || m_ws.options.UseNoMessages);
        return locate::LocateModuleFile(m_ws, request);
    }();
    if (!found.found)
        return std::nullopt;
    return found.result;
}

void CompareController::compareCommand(std::optional<std::size_t> libraryRow)
{
    const auto module = moduleRowOf(m_ws, libraryRow.value_or(0));
    if (!module || m_ui.busy())
        return;
    openDialog(*module);
}

void CompareController::openDialog(std::size_t moduleRow, bool unlocated)
{
    std::vector<std::pair<std::size_t, std::string>> modules;
    const LibraryList& rows = m_ws.library.rows;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].isModule())
            modules.emplace_back(i, rows[i].MODULENAME.str());
    }
    reports::CompareSettings settings = reports::readCompareSettings(m_ws.settings());
    settings.options.partialMatch = reports::compareState(m_ws).partialMatch;
    if (unlocated)
        settings.CompareFile.clear();
    const int maximum = m_ws.options.UseRecentFiles;

    CompareDialogHooks hooks;
    hooks.autolocate = [this](std::size_t row, bool tell) { return locate(row, tell); };
    hooks.browse = [this](const std::string& start) {
        return m_ui.openFileDialog(
            {"Select the disk file to compare with", start,
             "DLL, EXE and LIB files (*.dll;*.exe;*.drv;*.ocx;*.lib)|*.dll;*.exe;*.drv;*.ocx;*.lib|"
             "All files (*.*)|*.*"});
    };
    hooks.testFile = [this](const std::optional<std::string>& marked) {
        return reports::testCandidateFile(m_ws, marked);
    };
    CompareDialog dialog(std::move(modules), moduleRow, settings,
                         reports::readCompareFiles(m_ws.settings(), maximum), std::move(hooks),
                         &m_window);
    const bool accepted = m_dialogSeam ? m_dialogSeam(dialog) : dialog.exec() == QDialog::Accepted;
    if (!accepted)
        return;
    const CompareChoice choice = dialog.choice();
    reports::compareState(m_ws).partialMatch = choice.settings.options.partialMatch;
    reports::writeCompareSettings(m_ws.settings(), choice.settings);
    reports::writeCompareFiles(m_ws.settings(), maximum, choice.candidates);
    reports::rememberCompareFile(m_ws.settings(), maximum, choice.diskFile);
    m_tab.model()->setShowOnlyChanged(choice.settings.UseNoUnchanged);
    run(choice.moduleRow, choice.diskFile, choice.settings);
}

void CompareController::compareNext()
{
    if (m_ui.busy())
        return;
    const LibraryList& rows = m_ws.library.rows;
    reports::CompareState& state = reports::compareState(m_ws);
    std::size_t next = state.lastModuleRow ? *state.lastModuleRow + 1 : 0;
    while (next < rows.size() && !rows[next].isModule())
        ++next;
    if (next >= rows.size()) {
        m_ui.status(1, "Bottom reached");
        return;
    }
    reports::CompareSettings settings = reports::readCompareSettings(m_ws.settings());
    settings.options.partialMatch = state.partialMatch;
    if (!settings.UseMultiCompare) {
        openDialog(next);
        return;
    }
    const auto file = locate(next, true);
    if (!file) {
        // The failure message sends the user to the dialog to pick the file by hand.
        state.lastModuleRow = next;
        openDialog(next, true);
        return;
    }
    run(next, *file, settings);
}

void CompareController::run(std::size_t moduleRow, const std::string& diskFile,
                            const reports::CompareSettings& settings)
{
    m_ui.setBusy(true);
    m_ui.setWaitCursor(true);
    reports::CompareResult result =
        reports::compareModule(m_ws, moduleRow, diskFile, settings.options);
    m_ui.setWaitCursor(false);
    m_ui.setBusy(false);
    m_ws.settings().writeNumber(reports::kCompareSection, "PreviousNotFound",
                                result.end == reports::CompareEnd::FileNotFound ? 1 : 0);
    m_ws.settings().writeNumber(reports::kCompareSection, "PrevCompareModule",
                                static_cast<int>(m_ws.library.rows[moduleRow].MODULENUM));
    const bool compared = result.compared();
    reports::CompareState& state = reports::compareState(m_ws);
    state.lastModuleRow = moduleRow;
    reports::keepCompareResult(m_ws, std::move(result));
    m_tab.refresh();
    emit this->compared();
    const bool reportOpen = compared && settings.UseShowReport;
    if (reportOpen)
        openReport();
    emit resultReady(compared, reportOpen);
}

void CompareController::openReport()
{
    const reports::CompareState& state = reports::compareState(m_ws);
    if (!state.hasResult)
        return;
    CompareReportWindow::open(m_ws, state.last, &m_window);
}

}  // namespace quillon::app
