// The main window's file commands: open, add, save and save as.
#include <QAction>
#include <QMenu>
#include <QTreeView>

#include "app/library/library_tree_model.h"
#include "app/library/modules_cleanup_dialog.h"
#include "app/library/symbols_cleanup_dialog.h"
#include "app/options/options_tab.h"
#include "app/widgets/qt_ui.h"
#include "app/window/main_window.h"
#include "base/text_encoding.h"
#include "core/error_report.h"
#include "core/exclude_list.h"
#include "core/library_edit.h"
#include "core/library_model.h"
#include "core/progress_indicator.h"
#include "lib/save_file.h"
#include "locate/locate_hooks.h"
#include "locate/locate_module.h"
#include "locate/update_library_data.h"
#include "maintenance/maintenance_status.h"
#include "maintenance/modules_cleanup.h"
#include "maintenance/remove_marked_symbols.h"
#include "maintenance/save_hooks.h"
#include "maintenance/shown_steps.h"
#include "maintenance/symbols_cleanup.h"
#include "platform/paths.h"
#include "program/open_library_file.h"
#include "settings/recent_files.h"
#include "settings/settings_store.h"

namespace quillon::app {

namespace {

constexpr const char* kImportFilters =
    "Library files (*.lib;*.dll)|*.lib;*.dll|DLL files (*.dll)|*.dll|LIB files (*.lib)|*.lib|"
    "Executeable files (*.exe)|*.exe|Custom controls (*.ocx;*.ax;*.vbx)|*.ocx;*.ax;*.vbx|"
    "Drivers (*.drv)|*.drv|Module-definition files (*.def)|*.def|All files (*.*)|*.*";
// LIB files first; a module-definition file or an executable opens as the library too.
constexpr const char* kOpenFilters =
    "LIB files (*.lib)|*.lib|Module-definition files (*.def)|*.def|"
    "Library files (*.lib;*.dll)|*.lib;*.dll|DLL files (*.dll)|*.dll|"
    "Executeable files (*.exe)|*.exe|Custom controls (*.ocx;*.ax;*.vbx)|*.ocx;*.ax;*.vbx|"
    "Drivers (*.drv)|*.drv|All files (*.*)|*.*";

}  // namespace

std::string MainWindow::dialogFolder() const
{
    const Options& o = m_ws.options;
    if (!o.LastAddFolder.empty())
        return o.LastAddFolder;
    return m_setup.startupFolder;
}

bool MainWindow::loadFiles(const std::vector<std::string>& files)
{
    if (files.empty())
        return false;
    // The load and the window's refresh after it read the settings once and write them once.
    const settings::SettingsStore::Batch batch(m_ws.settings());
    LoadCounts counts;
    m_ui.setBusy(true);
    m_model->resetWith([&] {
        (void)loadFileList(m_ws, makeInputFileList(m_ws, files), {}, m_loaderHooks, &counts);
        maintenance::renewSymbolMarks(m_ws);
    });
    m_ui.setBusy(false);
    restoreExpansion();
    if (!m_ws.library.empty())
        selectRow(0);
    updateCaption();
    updateActions();
    updateStatus();
    return counts.loaded > 0;
}

bool MainWindow::openFile(const std::string& file)
{
    const settings::SettingsStore::Batch batch(m_ws.settings());
    OpenFileOutcome outcome;
    m_ui.setBusy(true);
    m_model->resetWith([&] {
        outcome = openLibraryFile(m_ws, file, m_loaderHooks);
        maintenance::renewSymbolMarks(m_ws);
    });
    m_ui.setBusy(false);
    restoreExpansion();
    if (!m_ws.library.empty())
        selectRow(0);
    updateCaption();
    updateActions();
    updateStatus();
    return outcome.opened;
}

void MainWindow::openLibraryCommand()
{
    if (!saveQuestion())
        return;
    ui::FileDialogRequest request{"Open library file...", dialogFolder(), kOpenFilters};
    const auto file = m_ui.openFileDialog(request);
    if (!file)
        return;
    (void)openFile(*file);
}

void MainWindow::addModuleCommand()
{
    ui::FileDialogRequest request{"Import exported names from file(s)...", dialogFolder(),
                                  kImportFilters};
    const std::vector<std::string> files = m_ui.openFilesDialog(request);
    if (files.empty())
        return;
    (void)loadFiles(files);
}

void MainWindow::saveCommand(bool askName)
{
    lib::SaveHooks hooks;
    maintenance::setCleanupHooks(hooks);
    locate::setLocateHooks(hooks);
    hooks.addRecentFile = settings::recordPresentFileHook();
    const settings::SettingsStore::Batch batch(m_ws.settings());
    m_ui.setBusy(true);
    m_model->resetWith([&] { (void)lib::saveFile(m_ws, lib::SaveWhat::Library, askName, hooks); });
    m_ui.setBusy(false);
    // The save's own report ("Library: ... saved to disk") stays in the status bar.
    refreshFinished(std::nullopt);
}

std::vector<std::string> MainWindow::recentFiles() const
{
    std::vector<std::string> files;
    for (const settings::RecentMenuEntry& entry :
         settings::recentMenuEntries(m_ws.settings(), m_ws.files(), m_ws.options))
        files.push_back(entry.path);
    return files;
}

void MainWindow::symbolsCleanupCommand()
{
    SymbolsCleanupDialog dialog(maintenance::loadSymbolsCleanupChoices(m_ws), this);
    auto* options = qobject_cast<OptionsTab*>(m_optionsTab);
    dialog.setOptionsOpener([options](int page) { return options->libOptions(page); });
    const int answer = dialog.exec();
    // Changed options rebuild the main list's marks when the dialog closes.
    if (dialog.optionsChanged()) {
        m_model->resetWith([&] { maintenance::renewSymbolMarks(m_ws); });
        libraryEdited();
    }
    if (answer != QDialog::Accepted)
        return;
    m_ui.setBusy(true);
    maintenance::SymbolsCleanupResult result;
    m_model->resetWith([&] { result = maintenance::runSymbolsCleanup(m_ws, dialog.choices()); });
    maintenance::showSymbolsCleanup(m_ui, m_ws.options.UseStatusBar, result);
    m_ui.setBusy(false);
    libraryEdited();
}

void MainWindow::removeMarkedCommand()
{
    m_ui.setBusy(true);
    const bool statusBar = m_ws.options.UseStatusBar;
    ProgressIndicator progress(m_ui, statusBar);
    maintenance::SymbolRemoval removal;
    m_model->resetWith([&] { removal = maintenance::removeMarkedSymbols(m_ws, &progress); });
    maintenance::showSymbolRemoval(m_ui, statusBar, removal);
    m_ui.setBusy(false);
    libraryEdited();
}

void MainWindow::duplicateCleanupCommand()
{
    m_ui.setBusy(true);
    m_model->resetWith([&] { (void)maintenance::removeDuplicateModulesShown(m_ws); });
    m_ui.setBusy(false);
    libraryEdited();
}

void MainWindow::locateAllCommand()
{
    m_ui.setBusy(true);
    m_ws.cancel.clear();
    locate::UpdateSummary summary;
    m_model->resetWith([&] { summary = locate::UpdateLibraryData(m_ws, locate::kUpdateLocate); });
    m_ui.setBusy(false);
    libraryEdited();
    // The pass's summary ("... - Press F4 for filelist") outlives the selection's status.
    if (summary.modules > 0)
        locate::showLocateSummary(m_ui, m_ws.options.UseStatusBar, summary);
}

void MainWindow::locateOneCommand()
{
    const auto selected = selectedRow();
    if (!selected)
        return;
    const std::size_t moduleRow = moduleRowOf(m_ws, *selected);
    locate::LocateRequest request;
    request.moduleName = m_ws.library.rows[moduleRow].MODULENAME.str();
    m_ui.setBusy(true);
    const locate::LocateOutcome outcome = locate::LocateModuleFile(m_ws, request);
    m_model->resetWith([&] {
        LibraryList& rows = m_ws.library.rows;
        rows[moduleRow].setFileNameDll(outcome.result);
        for (std::size_t i = moduleRow; i < rows.size() && (i == moduleRow || rows[i].isSymbol());
             ++i) {
            if (outcome.found)
                rows[i].OS = outcome.os;
        }
        (void)locate::UpdateLibraryData(m_ws, locate::kUpdateRefresh);
    });
    m_ui.setBusy(false);
    restoreExpansion();
    selectRow(std::min(moduleRow, m_ws.library.rows.size() - 1));
    updateActions();
    updateStatus();
}

void MainWindow::modulesCleanupCommand()
{
    ModulesCleanupDialog dialog(m_ws, maintenance::loadModulesCleanupChoices(m_ws), this);
    auto* options = qobject_cast<OptionsTab*>(m_optionsTab);
    dialog.setOptionsOpener([options](int page) { return options->libOptions(page); });
    dialog.setExceptionsEditor([this] { editListCommand(false); });
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_ui.setBusy(true);
    maintenance::ModulesCleanupResult result;
    m_model->resetWith([&] {
        result = maintenance::runModulesCleanup(m_ws, dialog.choices(), locate::locatePass());
    });
    maintenance::showModulesCleanup(m_ui, result);
    m_ui.setBusy(false);
    libraryEdited();
}

void MainWindow::libraryEdited()
{
    restoreExpansion();
    if (!m_ws.library.empty())
        selectRow(0);
    updateActions();
    updateStatus();
}

}  // namespace quillon::app
