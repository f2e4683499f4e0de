// The main window's commands: actions, the pop-up menu, quick menus and enabled states.
#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QToolButton>
#include <QTreeView>

#include "app/compare/compare_controller.h"
#include "app/find/extracted_tab.h"
#include "app/library/library_data_window.h"
#include "app/widgets/qt_ui.h"
#include "app/window/main_window.h"
#include "settings/options_io.h"
#include "settings/settings_store.h"

namespace quillon::app {

namespace {

// Properties kept on each action: whether its operation exists in this program, and whether
// it needs rows in the library.
constexpr const char* kAvailable = "quillonAvailable";
constexpr const char* kNeedsRows = "quillonNeedsRows";

/// A choice of an option and the menu text that offers it.
template <class Choice>
struct NamedChoice {
    Choice choice;
    const char* name;
};

const NamedChoice<QuickMenuChoice> kQuickMenus[] = {
    {QuickMenuChoice::SortList, "Quickmenu: Sort the list"},
    {QuickMenuChoice::AddRecentFiles, "Quickmenu: Add recent files"},
    {QuickMenuChoice::MarkSelections, "Quickmenu: Mark selections"},
    {QuickMenuChoice::ExpandContractTree, "Quickmenu: Expand/contract tree"},
};

const NamedChoice<LibraryBitness> kBitnessChoices[] = {
    {LibraryBitness::Set16Bit, "Set 16-bit library"},
    {LibraryBitness::Set32Bit, "Set 32-bit library"},
    {LibraryBitness::Automatic, "Determine automatically"},
};

}  // namespace

void MainWindow::createActions()
{
    auto make = [this](const QString& text, const QList<QKeySequence>& keys, bool available,
                       bool needsRows, const char* tip = nullptr) {
        auto* action = new QAction(text, this);
        action->setShortcuts(keys);
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        action->setProperty(kAvailable, available);
        action->setProperty(kNeedsRows, needsRows);
        if (tip != nullptr)
            action->setStatusTip(tip);
        return action;
    };
    using K = QKeySequence;
    LibraryActions& a = m_actions;
    a.locateAll = make("&Locate DLL/EXE files ", {K("Ctrl+F3"), K("Ctrl+L")}, true, true);
    a.updateAll = make("&Update from DLL/EXE files ", {K("Shift+F8")}, true, true);
    a.modulesCleanup = make("Modules &cleanup ", {K("F9")}, true, true);
    a.locateOne = make("&Locate DLL/EXE file ", {K("Shift+F3"), K("Shift+L")}, true, true);
    a.updateOne = make("&Update module from DLL/EXE file ", {K("Ctrl+F8")}, true, true);
    a.duplicateCleanup = make("&Duplicate cleanup ", {K("Ctrl+F9")}, true, true);
    a.markExcluded = make("Mark all &excluded", {K("Ctrl+Shift+E")}, true, true);
    a.markDuplicated = make("Mark all &duplicated", {K("Ctrl+Shift+D")}, true, true);
    a.newLibrary = make("&New...", {K::New}, true, false);
    a.openLibrary = make("&Open library...", {K::Open}, true, false);
    a.closeLibrary = make("C&lose library", {K("Alt+L")}, true, false);
    a.rename = make("&Rename...", {K("Shift+R")}, true, false);
    a.libraryData = make("Li&brary data...", {K("F4")}, true, true);
    a.query = make("&Query...", {K("F6")}, true, true);
    a.exportText = make("&Export to text", {K("Shift+F12")}, true, true);
    a.save = make("&Save", {K::Save}, true, true);
    a.saveAs = make("Sa&ve as...", {K("Alt+S")}, true, true);
    a.revert = make("&Revert", {K("Ctrl+R")}, true, false);
    a.addModule = make("&Add module...", {K("Alt+A")}, true, false);
    a.removeModule = make("Remove &module", {K("Ctrl+Del")}, true, true);
    a.revertModule = make("&Revert module", {K("Alt+R")}, true, true);
    a.compareModule = make("Co&mpare module to disk...", {K("Shift+F2")}, true, true);
    a.exportModule = make("&Export module to text", {K("F12")}, true, true);
    a.clearAll = make("Cl&ear all modules", {K("Alt+E")}, true, true);
    a.find = make("&Find...", {K("Alt+F3")}, true, true);
    a.findNext = make("Find &next", {K("F3")}, true, true);
    a.gotoRow = make("&Goto...", {K("Ctrl+G")}, true, true);
    a.nextMark = make("Next &mark", {K("F7")}, true, true);
    a.copyName = make("Cop&y name", {K::Copy}, true, true);
    a.editSymbol = make("Ed&it/Insert symbol...", {K("Ins")}, true, true);
    a.toggleMark = make("&Toggle mark", {K("Space")}, true, true);
    a.markAll = make("&Mark all", {K("Ctrl+A")}, true, true);
    a.removeMarks = make("&Remove all marks", {K("Ctrl+Shift+A")}, true, true);
    a.invertMarks = make("&Invert markings", {K("Ctrl+I")}, true, true);
    a.extract = make("&Extract ", {K("Ctrl+E")}, true, true);
    a.deleteRows = make("&Delete", {K::Delete}, true, true);
    a.sortName = make("Sort by &name", {K("Alt+N")}, true, true);
    a.sortOrdinal = make("Sort by &ordinal", {K("Alt+O")}, true, true);
    a.sortFile = make("&File order", {K("Alt+F")}, true, true);
    a.sortAscending = make(
        "&Ascending", {K(QKeyCombination(Qt::ControlModifier | Qt::KeypadModifier, Qt::Key_Plus))},
        true, true);
    a.sortDescending = make(
        "&Descending",
        {K(QKeyCombination(Qt::ControlModifier | Qt::KeypadModifier, Qt::Key_Minus))}, true, true);
    a.expandAll = make("E&xpand all", {K("Alt+X")}, true, true);
    a.contractAll = make("&Contract all", {K("Alt+C")}, true, true);
    a.exit = make("E&xit", {K("Alt+F4")}, true, false);
    a.symbolsCleanup = make("&Symbols cleanup...", {K("F10")}, true, true);
    a.removeMarkedSymbols = make("Remove marked symbols", {K("Ctrl+F10")}, true, true);
    a.exportAll = make("&Export to text", {K("Ctrl+F12")}, true, true);
    a.topmost = make("Topmost window", {K("Ctrl+T")}, true, false);
    a.popup = make("Pop-up menu", {K("Alt+Z")}, true, false);
    a.restoreListFormats = make("Restore &default listbox settings", {}, true, false);
    a.quickMarkExcluded = make("Mark all &excluded symbols", {}, true, true);
    a.quickMarkDuplicated = make("Mark all &duplicated symbols", {}, true, true);
    a.undecoratedNames = make("&Undecorated names", {K("Ctrl+U")}, true, false,
                              "Show decorated C++, stdcall and fastcall names undecorated");
    a.undecoratedNames->setCheckable(true);
    a.copyUndecorated = make("Copy &undecorated name", {K("Ctrl+Shift+C")}, true, true,
                             "Copy the undecorated names of the marked rows or of the current row");
    a.copyPrototype = make("Copy as Clarion &prototype", {K("Ctrl+Shift+P")}, true, true,
                           "Copy the Clarion prototypes of the marked rows or of the current row");
    a.exportMap = make("Export as Clarion &MAP...", {}, true, true,
                       "Write the Clarion prototypes of the library's functions to a file");
    a.exportModuleMap = make("Export module as Clarion &MAP...", {}, true, true,
                             "Write the Clarion prototypes of the module's functions to a file");
    a.exportMarkedMap = make("Export marked as Clarion &MAP...", {}, true, true,
                             "Write the Clarion prototypes of the marked rows to a file");
    a.exceptionsList = make("E&xceptions list...", {}, true, false);
    a.favoritesList = make("Edit favorites &list...", {}, true, false);

    m_sortFields = new QActionGroup(this);
    for (QAction* s : {a.sortName, a.sortOrdinal, a.sortFile}) {
        s->setCheckable(true);
        m_sortFields->addAction(s);
    }
    m_sortDirections = new QActionGroup(this);
    for (QAction* s : {a.sortAscending, a.sortDescending}) {
        s->setCheckable(true);
        m_sortDirections->addAction(s);
    }

    connect(a.markExcluded, &QAction::triggered, this, [this] { markExcludeCommand(1); });
    connect(a.quickMarkExcluded, &QAction::triggered, this, [this] { markExcludeCommand(1); });
    connect(a.markDuplicated, &QAction::triggered, this, [this] { markExcludeCommand(2); });
    connect(a.quickMarkDuplicated, &QAction::triggered, this, [this] { markExcludeCommand(2); });
    connect(a.symbolsCleanup, &QAction::triggered, this, [this] { symbolsCleanupCommand(); });
    connect(a.removeMarkedSymbols, &QAction::triggered, this, [this] { removeMarkedCommand(); });
    connect(a.duplicateCleanup, &QAction::triggered, this, [this] { duplicateCleanupCommand(); });
    connect(a.locateAll, &QAction::triggered, this, [this] { locateAllCommand(); });
    connect(a.locateOne, &QAction::triggered, this, [this] { locateOneCommand(); });
    connect(a.compareModule, &QAction::triggered, this,
            [this] { m_compare->compareCommand(selectedRow()); });
    connect(a.libraryData, &QAction::triggered, this,
            [this] { LibraryDataWindow::showFor(*this); });
    connect(a.modulesCleanup, &QAction::triggered, this, [this] { modulesCleanupCommand(); });
    connect(a.revert, &QAction::triggered, this, [this] { revertCommand(); });
    connect(a.revertModule, &QAction::triggered, this, [this] { revertModuleCommand(); });
    connect(a.updateOne, &QAction::triggered, this, [this] { updateModuleCommand(); });
    connect(a.updateAll, &QAction::triggered, this, [this] { updateLibraryCommand(); });
    connect(a.openLibrary, &QAction::triggered, this, [this] { openLibraryCommand(); });
    connect(a.addModule, &QAction::triggered, this, [this] { addModuleCommand(); });
    connect(a.save, &QAction::triggered, this, [this] { saveCommand(false); });
    connect(a.saveAs, &QAction::triggered, this, [this] { saveCommand(true); });
    connect(a.newLibrary, &QAction::triggered, this, [this] { newLibrary(); });
    connect(a.closeLibrary, &QAction::triggered, this, [this] { closeLibrary(); });
    connect(a.rename, &QAction::triggered, this, [this] { renameLibrary(); });
    connect(a.removeModule, &QAction::triggered, this, [this] { deleteCommand(); });
    connect(a.deleteRows, &QAction::triggered, this, [this] { deleteCommand(); });
    connect(a.clearAll, &QAction::triggered, this, [this] { clearList(); });
    connect(a.gotoRow, &QAction::triggered, this, [this] { gotoCommand(); });
    connect(a.nextMark, &QAction::triggered, this, [this] { nextMarkCommand(); });
    connect(a.copyName, &QAction::triggered, this, [this] { copyNameCommand(); });
    connect(a.copyUndecorated, &QAction::triggered, this, [this] { copyUndecoratedCommand(); });
    connect(a.copyPrototype, &QAction::triggered, this, [this] { copyPrototypeCommand(); });
    connect(a.exportMap, &QAction::triggered, this, [this] { exportMapCommand(MapScope::Library); });
    connect(a.exportModuleMap, &QAction::triggered, this,
            [this] { exportMapCommand(MapScope::Module); });
    connect(a.exportMarkedMap, &QAction::triggered, this,
            [this] { exportMapCommand(MapScope::Marked); });
    connect(a.undecoratedNames, &QAction::triggered, this, [this] { toggleUndecoratedNames(); });
    connect(a.toggleMark, &QAction::triggered, this, [this] { toggleMarkCommand(); });
    connect(a.markAll, &QAction::triggered, this, [this] { markAllCommand(true); });
    connect(a.removeMarks, &QAction::triggered, this, [this] { markAllCommand(false); });
    connect(a.invertMarks, &QAction::triggered, this, [this] { invertMarksCommand(); });
    connect(a.sortName, &QAction::triggered, this, [this] { sortBy(SortOrder::SymbolNames); });
    connect(a.sortOrdinal, &QAction::triggered, this,
            [this] { sortBy(SortOrder::OrdinalNumbers); });
    connect(a.sortFile, &QAction::triggered, this, [this] { sortBy(SortOrder::FileOrder); });
    connect(a.sortAscending, &QAction::triggered, this, [this] { sortDirection(false); });
    connect(a.sortDescending, &QAction::triggered, this, [this] { sortDirection(true); });
    connect(a.expandAll, &QAction::triggered, this, [this] { expandAllCommand(true); });
    connect(a.contractAll, &QAction::triggered, this, [this] { expandAllCommand(false); });
    connect(a.exit, &QAction::triggered, this, [this] { close(); });
    connect(a.topmost, &QAction::triggered, this, [this] { toggleTopmost(); });
    connect(a.popup, &QAction::triggered, this, [this] { showPopup(); });
    connect(a.exportText, &QAction::triggered, this, [this] { exportListCommand(false); });
    connect(a.exportAll, &QAction::triggered, this, [this] { exportListCommand(false); });
    connect(a.exportModule, &QAction::triggered, this, [this] { exportListCommand(true); });
    connect(a.editSymbol, &QAction::triggered, this, [this] { editSymbolCommand(); });
    connect(a.exceptionsList, &QAction::triggered, this, [this] { editListCommand(false); });
    connect(a.favoritesList, &QAction::triggered, this, [this] { editListCommand(true); });
    connect(a.query, &QAction::triggered, this, [this] { queryCommand(); });
    connect(a.extract, &QAction::triggered, this, [this] { extractCommand(); });
    connect(a.find, &QAction::triggered, this, [this] { findCommand(false); });
    connect(a.findNext, &QAction::triggered, this, [this] { findCommand(true); });
    connect(a.restoreListFormats, &QAction::triggered, this,
            [this] { restoreDefaultListFormats(); });
}

void MainWindow::createLibraryPopup()
{
    LibraryActions& a = m_actions;
    m_popup = new QMenu(this);
    m_popup->setObjectName("libraryPopup");
    m_recentMenu = m_popup->addMenu("&Recent files");
    m_popup->addAction(a.locateAll);
    m_popup->addAction(a.updateAll);
    m_popup->addAction(a.modulesCleanup);
    m_popup->addAction(a.locateOne);
    m_popup->addAction(a.updateOne);
    m_popup->addAction(a.duplicateCleanup);
    m_popup->addAction(a.markExcluded);
    m_popup->addAction(a.markDuplicated);
    m_popup->addSeparator();
    QMenu* file = m_popup->addMenu("&Library file");
    for (QAction* x : {a.newLibrary, a.openLibrary, a.closeLibrary, a.rename, a.libraryData,
                       a.query, a.exportText, a.exportMap, a.save, a.saveAs, a.revert})
        file->addAction(x);
    // The recent files window is reachable whatever the recent-menu options say.
    file->addSeparator();
    connect(file->addAction("Recent &files..."), &QAction::triggered, this,
            [this] { showRecentFilesWindow(); });
    QMenu* module = m_popup->addMenu("&Module");
    for (QAction* x :
         {a.addModule, a.removeModule, a.revertModule, a.compareModule, a.exportModule,
          a.exportModuleMap, a.clearAll})
        module->addAction(x);
    m_popup->addSeparator();
    for (QAction* x : {a.find, a.findNext, a.gotoRow, a.nextMark, a.copyName, a.copyUndecorated,
                       a.copyPrototype, a.editSymbol})
        m_popup->addAction(x);
    QMenu* marks = m_popup->addMenu("&Mark rows");
    for (QAction* x : {a.toggleMark, a.markAll, a.removeMarks, a.invertMarks, a.exportMarkedMap})
        marks->addAction(x);
    m_popup->addAction(a.extract);
    m_popup->addAction(a.deleteRows);
    m_sortMenu = m_popup->addMenu("&Sort list");
    m_sortMenu->addAction(a.sortName);
    m_sortMenu->addAction(a.sortOrdinal);
    m_sortMenu->addAction(a.sortFile);
    m_sortMenu->addSeparator();
    m_sortMenu->addAction(a.sortAscending);
    m_sortMenu->addAction(a.sortDescending);
    m_popup->addAction(a.expandAll);
    m_popup->addAction(a.contractAll);
    m_popup->addAction(a.undecoratedNames);
    m_popup->addAction(a.restoreListFormats);
    m_popup->addSeparator();
    m_popup->addAction(a.exit);
    connect(m_recentMenu, &QMenu::aboutToShow, this, [this] { fillRecentMenu(m_recentMenu); });
    // Options changed since the last command may enable or disable the update commands.
    connect(m_popup, &QMenu::aboutToShow, this, [this] { updateActions(); });
}

void MainWindow::fillQuickMenu()
{
    const LibraryActions& a = m_actions;
    m_quickMenu->clear();
    const QuickMenuChoice choice = m_ws.options.QuickMenu;
    // A number that names no quick menu shows the sort menu under the first name.
    const char* tip = kQuickMenus[0].name;
    for (const NamedChoice<QuickMenuChoice>& e : kQuickMenus) {
        if (e.choice == choice)
            tip = e.name;
    }
    switch (choice) {
        case QuickMenuChoice::AddRecentFiles:
            if (!m_ws.options.UseRecentMenu)
                m_quickMenu->addAction("< Recent files disabled >")->setEnabled(false);
            else
                fillRecentMenu(m_quickMenu);
            break;
        case QuickMenuChoice::MarkSelections:
            for (QAction* x : {a.quickMarkExcluded, a.quickMarkDuplicated, a.toggleMark, a.markAll,
                               a.removeMarks, a.invertMarks})
                m_quickMenu->addAction(x);
            break;
        case QuickMenuChoice::ExpandContractTree:
            m_quickMenu->addAction(a.expandAll);
            m_quickMenu->addAction(a.contractAll);
            break;
        default:
            for (QAction* x : m_sortMenu->actions())
                m_quickMenu->addAction(x);
            break;
    }
    m_quickButton->setToolTip(tip);
    m_quickButton->setProperty("quillonTip", QString(tip));
}

void MainWindow::fillChangeQuickMenu()
{
    m_changeQuickMenu->clear();
    for (const NamedChoice<QuickMenuChoice>& e : kQuickMenus) {
        QAction* item = m_changeQuickMenu->addAction(e.name);
        item->setCheckable(true);
        item->setChecked(m_ws.options.QuickMenu == e.choice);
        connect(item, &QAction::triggered, this, [this, choice = e.choice] {
            m_ws.options.QuickMenu = choice;
            settings::SaveOption(m_ws.settings(), m_ws.options, &Options::QuickMenu);
            fillQuickMenu();
        });
    }
}

void MainWindow::fillBitMenu()
{
    m_bitMenu->clear();
    for (const NamedChoice<LibraryBitness>& e : kBitnessChoices) {
        QAction* item = m_bitMenu->addAction(e.name);
        item->setCheckable(true);
        item->setChecked(m_ws.options.UseBitCheckSet == e.choice);
        connect(item, &QAction::triggered, this, [this, choice = e.choice] {
            m_ws.options.UseBitCheckSet = choice;
            settings::SaveOption(m_ws.settings(), m_ws.options, &Options::UseBitCheckSet);
            updateBitButton();
        });
    }
    m_bitMenu->addSeparator();
    QAction* duplicates = m_bitMenu->addAction("Remove &duplicated modules");
    duplicates->setCheckable(true);
    duplicates->setChecked(m_ws.options.UseBitCheckSetDuplicates);
    connect(duplicates, &QAction::triggered, this, [this](bool on) {
        m_ws.options.UseBitCheckSetDuplicates = on;
        settings::SaveOption(m_ws.settings(), m_ws.options, &Options::UseBitCheckSetDuplicates);
    });
    QAction* unlocated = m_bitMenu->addAction("Remove &unlocated modules");
    unlocated->setCheckable(true);
    unlocated->setChecked(m_ws.options.UseBitCheckSetUnlocated);
    connect(unlocated, &QAction::triggered, this, [this](bool on) {
        m_ws.options.UseBitCheckSetUnlocated = on;
        settings::SaveOption(m_ws.settings(), m_ws.options, &Options::UseBitCheckSetUnlocated);
    });
}

void MainWindow::updateBitButton()
{
    QString name = "QNBitButton";
    switch (m_ws.options.UseBitCheckSet) {
        case LibraryBitness::Set16Bit:
            name += "16";
            break;
        case LibraryBitness::Set32Bit:
            name += "32";
            break;
        default:
            if (m_ws.options.UseBitCheck != BitCheck::None)
                name += "X";
            break;
    }
    m_bitButton->setIcon(IconSet::named(name));
    m_bitButton->setProperty("quillonIcon", name);
}

void MainWindow::updateTopmost()
{
    const bool on = m_ws.options.TopWindow;
    const QString tip = on ? "Push to DISABLE topmost window" : "Push to ENABLE topmost window";
    m_topmostButton->setIcon(IconSet::named(on ? "QNTopMost" : "QNNotTopMost"));
    m_topmostButton->setProperty("quillonTip", tip);
    m_topmostButton->setToolTip(m_ws.options.UseToolTips ? tip : QString());
    const bool flagged = windowFlags().testFlag(Qt::WindowStaysOnTopHint);
    if (flagged != on) {
        const bool visible = isVisible();
        setWindowFlag(Qt::WindowStaysOnTopHint, on);
        if (visible)
            show();
    }
}

void MainWindow::updateActions()
{
    const bool empty = m_ws.library.empty();
    for (QAction* action : findChildren<QAction*>(Qt::FindDirectChildrenOnly)) {
        const QVariant available = action->property(kAvailable);
        if (!available.isValid())
            continue;
        action->setEnabled(available.toBool() && !(empty && action->property(kNeedsRows).toBool()));
    }
    m_actions.revert->setText(empty ? "&Recall last file" : "&Revert");
    // The update commands run only while "DLL source files synchronization:" is set.
    if (m_ws.options.UseBitCheck == BitCheck::None) {
        for (QAction* x : {m_actions.updateOne, m_actions.updateAll})
            x->setEnabled(false);
    }
    const SortOrder order = m_ws.sortOrder;
    m_actions.sortName->setChecked(order == SortOrder::SymbolNames);
    m_actions.sortOrdinal->setChecked(order == SortOrder::OrdinalNumbers);
    m_actions.sortFile->setChecked(order == SortOrder::FileOrder);
    m_actions.sortAscending->setChecked(!m_ws.sortDescending);
    m_actions.sortDescending->setChecked(m_ws.sortDescending);
    m_actions.undecoratedNames->setChecked(m_ws.options.UseUndecoratedNames);
    m_recentMenu->menuAction()->setVisible(m_ws.options.UseRecentMenu);
    if (m_extractedTab != nullptr)
        m_extractedTab->updateActions();
}

}  // namespace quillon::app
