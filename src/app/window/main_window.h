// MainWindow: the program's one window: tabs, the library tree, commands, status bar.
#pragma once

#include <QMainWindow>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/library/library_actions.h"
#include "app/library/library_view.h"
#include "app/update/update_dialog.h"
#include "app/widgets/icon_set.h"
#include "core/workspace.h"
#include "program/file_loader.h"

class QAction;
class QActionGroup;
class QCheckBox;
class QDragEnterEvent;
class QDragMoveEvent;
class QDropEvent;
class QLabel;
class QMenu;
class QPushButton;
class QTabWidget;
class QToolButton;
class QTreeView;
class QWidget;

namespace quillon::reports {
class ExportRowSource;
struct ExportListScope;
}  // namespace quillon::reports

namespace quillon::app {

class Banner;
class ExtractedTab;
class CompareController;
class CompareTab;
class FavoritesMenus;
class LibraryTreeModel;
class QtUi;
class TrayIcon;
class ListFormats;
class UpdateTab;

/// What the window was started with.
struct WindowSetup {
    /// The start-up folder ("System default" of the folder options).
    std::string startupFolder;
    /// The settings folder, where "Readme.txt", "Notes.txt" and the help are looked for.
    std::string settingsFolder;
};

class MainWindow final : public QMainWindow, public LibraryView {
    Q_OBJECT
public:
    MainWindow(Workspace& ws, QtUi& ui, WindowSetup setup, QWidget* parent = nullptr);
    ~MainWindow() override;

    /// Applies the option values held in the workspace to the window (tabs, columns, buttons,
    /// status bar, tool tips, topmost).
    void applyOptions();
    /// Rebuilds the tree after the whole library was replaced (open, sort, clear).
    void libraryReplaced();
    /// Sets the caption by the target name.
    void updateCaption();
    /// Sets every command's enabled state and texts.
    void updateActions();
    /// Refreshes the status panes of the current tab.
    void updateStatus();
    /// After a comparison: brings the "Disk-compare" tab forward, or, with that tab hidden,
    /// opens the report of a `paired` comparison unless `reportOpen`, and shows the compare's
    /// status texts.
    void showCompareResult(bool paired, bool reportOpen);

    /// The selected row of the library list.
    [[nodiscard]] std::optional<std::size_t> selectedRow() const override;
    /// Selects the row at `row` of `LibraryList` and shows it.
    void selectRow(std::size_t row) override;
    /// Shows the library tab with `row` selected, raises the window and gives the list the
    /// focus.
    void showLibraryRow(std::size_t row) override;

    /// Commands (public so that start-up and tests can run them as the menu does).
    void newLibrary();
    void renameLibrary();
    void closeLibrary();
    void clearList();
    void sortBy(SortOrder order);
    void sortDirection(bool descending);
    /// Opens `file` as the library (the present library is dropped); false when nothing loaded.
    bool openFile(const std::string& file);
    /// Appends the modules of `files` to the library; false when nothing was loaded.
    bool loadFiles(const std::vector<std::string>& files);
    void openLibraryCommand();
    void addModuleCommand();
    /// Save (to the target) or, with `askName`, Save as.
    void saveCommand(bool askName);
    /// Moves and sizes the window by section `MainWindow` and `UseMainWidthPref`.
    void restorePlacement();
    /// Writes the window's placement to section `MainWindow`.
    void savePlacement();
    /// Revert (Ctrl+R): reloads the library from its file; on an empty library it recalls the
    /// file opened last.
    void revertCommand();
    /// Revert module (Alt+R): reloads the selected module from the file it came from.
    void revertModuleCommand();
    /// Update (Ctrl+F8): the marked modules, or the selected one, from their executables.
    /// Does nothing while "UseBitCheck" is 0.
    void updateModuleCommand() override;
    /// Update library (Shift+F8): every module from its executable. Does nothing while
    /// "UseBitCheck" is 0.
    void updateLibraryCommand() override;
    /// The first `UseNumMenu` recent files that pass the sub-menu's filter.
    [[nodiscard]] std::vector<std::string> recentFiles() const;
    /// Opens a file chosen from the recent files or the favourites, after the save question.
    void openRecentFile(const std::string& file);
    /// The recent files window; a file chosen there by a double click is opened.
    void showRecentFilesWindow();
    /// Locates the executables of all modules (Ctrl+F3) or of the selected one (Shift+F3).
    void locateAllCommand() override;
    void locateOneCommand() override;
    /// The modules cleanup dialog and its run (F9).
    void modulesCleanupCommand();
    /// The symbols cleanup dialog and its run (F10).
    void symbolsCleanupCommand();
    /// Removes every symbol marked excluded or duplicate (Ctrl+F10).
    void removeMarkedCommand();
    /// Removes the duplicate modules (Ctrl+F9).
    void duplicateCleanupCommand();
    /// Writes the export list of the whole library or of the selected row's module and shows it.
    void exportListCommand(bool module);
    /// Writes the export list of `rows` (a list of the window in its own order, listed as the
    /// library) and shows it as the export commands do.
    void exportRows(const reports::ExportRowSource& rows);
    /// "Ed&it/Insert symbol..." (Ins): the "Edit symbol" dialog for the selected row.
    void editSymbolCommand();
    /// The list editor of the exceptions list or (`favorites`) of the favourite files.
    void editListCommand(bool favorites);
    /// The search dialog in query mode (F6), then the query into the extracted functions.
    void queryCommand();
    /// Extracts the marked rows, or the selected row, into the extracted functions (Ctrl+E).
    void extractCommand();
    /// "&Find..." (Alt+F3) or "Find &next" (F3) in the library list.
    void findCommand(bool findNext);
    /// The "&About..." box of the about tab.
    void showAboutBox();
    /// At opening: writes the design formats of the window's lists to section `Format` and,
    /// with `UseRestoreFormat` 1, restores the user's formats.
    void restoreListFormats();
    /// "Restore &default listbox settings": the design formats of the lists again.
    void restoreDefaultListFormats();

    [[nodiscard]] const LibraryActions& actions() const { return m_actions; }
    [[nodiscard]] QTreeView* tree() const { return m_tree; }
    [[nodiscard]] QTabWidget* tabs() const { return m_tabs; }
    [[nodiscard]] Banner* banner() const { return m_banner; }
    [[nodiscard]] LibraryTreeModel* model() const override { return m_model; }
    [[nodiscard]] QMenu* popupMenu() const { return m_popup; }
    [[nodiscard]] ExtractedTab* extractedTab() const { return m_extractedTab; }
    [[nodiscard]] QToolButton* quickMenuButton() const { return m_quickButton; }
    [[nodiscard]] QToolButton* bitButton() const { return m_bitButton; }
    [[nodiscard]] const IconSet& icons() const override { return m_icons; }
    [[nodiscard]] Workspace& workspace() const override { return m_ws; }
    [[nodiscard]] QWidget& owner() override { return *this; }
    [[nodiscard]] const WindowSetup& setup() const { return m_setup; }
    [[nodiscard]] CompareController* compareController() const { return m_compare; }
    [[nodiscard]] CompareTab* compareTab() const { return m_compareList; }
    [[nodiscard]] UpdateTab* updateTab() const { return m_updateList; }
    /// The update tab's "&Update...": asks which modules, updates them, shows the counts on
    /// the tab and refreshes its list.
    void updateFromTabCommand();
    /// Updates all, the marked or the selected module(s) from their executables (an explicit
    /// request: runs whatever "UseBitCheck" says), then refreshes the update list.
    void updateFromTab(UpdateScope scope);

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    /// Files dropped from a file manager (`dropOpensLibrary` tells whether they open or add).
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void writeAndPresent(const reports::ExportRowSource& rows,
                         const reports::ExportListScope& scope);
    void createActions();
    void createLibraryPopup();
    void createLibraryTab();
    void createOtherTabs();
    QWidget* createListTab(const QStringList& columns, const QStringList& buttons);
    void fillQuickMenu();
    void fillRecentMenu(QMenu* menu);
    void createFavoritesMenus();
    void fillChangeQuickMenu();
    void fillBitMenu();
    void updateBitButton();
    void updateTopmost();
    void restoreExpansion();
    /// After an operation that replaced the rows: tree shape, selection, commands, status.
    void libraryEdited();
    /// After a revert, update or save: tree shape, selection of `row`, caption, commands,
    /// keeping the command's status texts.
    void refreshFinished(std::optional<std::size_t> row);
    [[nodiscard]] std::string dialogFolder() const;
    /// Shows the extracted functions, the compare list and the update list again after
    /// "Cl&ear all modules" or a revert emptied them.
    void otherListsCleared();
    void rowsEdited();

    void toggleMarkCommand();
    void markAllCommand(bool marked);
    void invertMarksCommand();
    void markExcludeCommand(std::uint8_t exclude);
    void nextMarkCommand();
    void deleteCommand();
    void expandAllCommand(bool expanded);
    void copyNameCommand();
    /// The marked rows, or the row under the cursor when none is marked.
    [[nodiscard]] std::vector<std::size_t> markedOrCurrentRows() const;
    void copyUndecoratedCommand();
    void copyPrototypeCommand();
    /// What "Export as Clarion MAP..." writes.
    enum class MapScope { Library, Module, Marked };
    void exportMapCommand(MapScope scope);
    void toggleUndecoratedNames();
    void gotoCommand();
    void showPopup();
    void toggleTopmost();
    /// Runs the save question; false when the user cancelled.
    bool saveQuestion();
    /// Takes a target name from the target name dialog; empty when cancelled.
    std::optional<std::string> askTargetName(bool rename);

    Workspace& m_ws;
    QtUi& m_ui;
    WindowSetup m_setup;
    IconSet m_icons;
    LibraryActions m_actions;
    QActionGroup* m_sortFields = nullptr;
    QActionGroup* m_sortDirections = nullptr;
    QMenu* m_popup = nullptr;
    QMenu* m_sortMenu = nullptr;
    QMenu* m_recentMenu = nullptr;
    QMenu* m_quickMenu = nullptr;
    QMenu* m_changeQuickMenu = nullptr;
    QMenu* m_bitMenu = nullptr;
    QTabWidget* m_tabs = nullptr;
    QWidget* m_libraryTab = nullptr;
    QWidget* m_queryTab = nullptr;
    ExtractedTab* m_extractedTab = nullptr;
    QWidget* m_compareTab = nullptr;
    CompareTab* m_compareList = nullptr;
    CompareController* m_compare = nullptr;
    QWidget* m_updateTab = nullptr;
    UpdateTab* m_updateList = nullptr;
    QWidget* m_optionsTab = nullptr;
    QWidget* m_aboutTab = nullptr;
    QTreeView* m_tree = nullptr;
    LibraryTreeModel* m_model = nullptr;
    QToolButton* m_quickButton = nullptr;
    QToolButton* m_changeQuickButton = nullptr;
    QToolButton* m_bitButton = nullptr;
    QToolButton* m_topmostButton = nullptr;
    QToolButton* m_favoritesButton = nullptr;
    QToolButton* m_editFavoritesButton = nullptr;
    FavoritesMenus* m_favoritesMenus = nullptr;
    TrayIcon* m_tray = nullptr;
    Banner* m_banner = nullptr;
    std::unique_ptr<ListFormats> m_listFormats;
    bool m_syncingExpansion = false;
    /// What the file loader calls back into the window for.
    LoaderHooks m_loaderHooks;
};

}  // namespace quillon::app
