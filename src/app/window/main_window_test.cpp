// The main window: the tree, marks, sorting, deleting, closing and the options it follows.
#include "app/window/main_window.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <QTreeView>

#include "app/library/library_tree_model.h"
#include "app/options/list_appearance.h"
#include "app/testing/gui_fixture.h"
#include "app/widgets/header_titles.h"
#include "base/text_encoding.h"
#include "core/library_edit.h"
#include "maintenance/maintenance_messages.h"

namespace quillon::app {
namespace {

using testing::addLibrary;

class MainWindowTest : public testing::GuiFixture {
protected:
    /// A library of three modules of four symbols, shown in the window with row `select`
    /// selected.
    MainWindow& withLibrary(std::size_t select = 1)
    {
        addLibrary(ws, 3, 4);
        ws.library.LibraryFileName = "/libs/test.lib";
        MainWindow& w = window();
        w.libraryReplaced();
        w.selectRow(select);
        return w;
    }
    [[nodiscard]] std::vector<std::string> symbolOrder() const
    {
        std::vector<std::string> names;
        for (const LibraryRow& row : ws.library.rows)
            names.push_back(row.SYMBOL.str());
        return names;
    }
};

TEST_F(MainWindowTest, OpenedLibraryShowsItsModulesCollapsed)
{
    MainWindow& w = withLibrary(0);
    LibraryTreeModel* model = w.model();
    ASSERT_EQ(model->rowCount(), 3);
    for (int m = 0; m < 3; ++m)
        EXPECT_FALSE(w.tree()->isExpanded(model->index(m, 0))) << m;
    EXPECT_EQ(ws.library.rows[0].ICON, RowIcon::ShutFold32);  // a collapsed 32-bit module
}

TEST_F(MainWindowTest, TabsAreInOrderAndFollowTheirOptions)
{
    MainWindow& w = window();
    QStringList names;
    for (int i = 0; i < w.tabs()->count(); ++i)
        names << w.tabs()->tabText(i);
    EXPECT_EQ(names, QStringList({" Library ", "Update library", " Options ", " About "}));
    ws.options.UseShowQuery = true;
    ws.options.UseShowCompare = true;
    w.applyOptions();
    names.clear();
    for (int i = 0; i < w.tabs()->count(); ++i)
        names << w.tabs()->tabText(i);
    EXPECT_EQ(names, QStringList({" Library ", "Extracted functions", "Disk-compare",
                                  "Update library", " Options ", " About "}));
}

TEST_F(MainWindowTest, SpaceTogglesTheMarkAndItsIcon)
{
    withLibrary(1);
    EXPECT_EQ(ws.library.rows[1].ICON, RowIcon::Function);
    key(Qt::Key_Space);
    EXPECT_EQ(ws.library.rows[1].MARK, 1);
    EXPECT_EQ(ws.library.rows[1].ICON, RowIcon::FunctionHookBlue);
    key(Qt::Key_Space);
    EXPECT_EQ(ws.library.rows[1].MARK, 0);
    EXPECT_EQ(ws.library.rows[1].ICON, RowIcon::Function);
}

TEST_F(MainWindowTest, MarkAllRemoveAllAndInvertByTheirKeys)
{
    withLibrary(1);
    auto marked = [&] {
        std::size_t n = 0;
        for (const LibraryRow& row : ws.library.rows)
            n += row.MARK;
        return n;
    };
    key(Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(marked(), ws.library.rows.size());
    key(Qt::Key_A, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(marked(), 0u);
    key(Qt::Key_Space);
    key(Qt::Key_I, Qt::ControlModifier);
    EXPECT_EQ(marked(), ws.library.rows.size() - 1);
    EXPECT_EQ(ws.library.rows[1].MARK, 0);
    EXPECT_EQ(ws.library.rows[0].ICON,
              RowIcon::ShutFoldBlueHook);  // marked module, blue hook, collapsed
}

TEST_F(MainWindowTest, NextMarkWithoutMarksSaysNoMarksFound)
{
    withLibrary(0);
    key(Qt::Key_F7);
    EXPECT_EQ(qtUi.statusText(1), "No marks found");
}

TEST_F(MainWindowTest, NextMarkSelectsTheHookedRowAndExpandsItsModule)
{
    MainWindow& w = withLibrary(0);
    toggleMark(ws, 12);  // a symbol of the third module
    key(Qt::Key_F7);
    EXPECT_EQ(w.selectedRow(), 12u);
    EXPECT_TRUE(ws.library.rows[10].expanded());
    EXPECT_TRUE(w.tree()->isExpanded(w.model()->index(2, 0)));
    key(Qt::Key_F7);
    EXPECT_EQ(qtUi.statusText(1), "Bottom reached");
}

TEST_F(MainWindowTest, SortKeysSortTheListAndCheckTheirItems)
{
    MainWindow& w = withLibrary(2);
    ws.library.rows[2].SYMBOL = "AAA";  // the second symbol of module 1 sorts first by name
    key(Qt::Key_N, Qt::AltModifier);
    EXPECT_EQ(ws.sortOrder, SortOrder::SymbolNames);
    EXPECT_EQ(ws.library.rows[1].SYMBOL, "AAA");
    EXPECT_EQ(w.selectedRow(), 1u);  // the selection follows its row
    EXPECT_TRUE(w.actions().sortName->isChecked());

    ws.library.rows[1].ORDINAL = 99;
    key(Qt::Key_O, Qt::AltModifier);
    EXPECT_EQ(ws.sortOrder, SortOrder::OrdinalNumbers);
    EXPECT_EQ(ws.library.rows[4].SYMBOL, "AAA");
    EXPECT_TRUE(w.actions().sortOrdinal->isChecked());

    key(Qt::Key_F, Qt::AltModifier);
    EXPECT_EQ(ws.sortOrder, SortOrder::FileOrder);
    EXPECT_EQ(ws.library.rows[2].SYMBOL, "AAA");
    EXPECT_TRUE(w.actions().sortFile->isChecked());

    key(Qt::Key_Minus, Qt::ControlModifier | Qt::KeypadModifier);
    EXPECT_TRUE(ws.sortDescending);
    EXPECT_EQ(ws.library.rows[0].SYMBOL, "MOD3");
    EXPECT_TRUE(w.actions().sortDescending->isChecked());
}

TEST_F(MainWindowTest, KeypadSortKeysWorkWhereTheShortcutNeverFires)
{
    MainWindow& w = withLibrary(2);
    QSignalSpy descending(w.actions().sortDescending, &QAction::triggered);
    // Some window systems drop the keypad before matching shortcuts: the key then reaches
    // the list itself.
    QKeyEvent minus(QEvent::KeyPress, Qt::Key_Minus, Qt::ControlModifier | Qt::KeypadModifier, "-");
    QApplication::sendEvent(w.tree(), &minus);
    EXPECT_TRUE(ws.sortDescending);
    EXPECT_TRUE(w.actions().sortDescending->isChecked());
    EXPECT_EQ(ws.library.rows[0].SYMBOL, "MOD3");
    key(Qt::Key_Plus, Qt::ControlModifier | Qt::KeypadModifier);
    EXPECT_FALSE(ws.sortDescending);
    EXPECT_TRUE(w.actions().sortAscending->isChecked());
    EXPECT_EQ(descending.count(), 1);  // each key sorts once
}

TEST_F(MainWindowTest, MarkDuplicatedSaysWhenTheOptionsSwitchTheSearchOff)
{
    withLibrary();
    key(Qt::Key_D, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(qtUi.statusText(1), std::string(maintenance::kDuplicatesNotChecked));
}

TEST_F(MainWindowTest, ColumnsStayAsWideAsTheirTitlesAfterAFontChange)
{
    MainWindow& w = withLibrary();
    ListAppearance large;
    large.font = w.tree()->font();
    large.font->setPointSize(28);
    applyListAppearance(&w, large);
    QHeaderView* header = w.tree()->header();
    for (int c = 0; c < LibraryTreeModel::Spacer; ++c) {
        if (!header->isSectionHidden(c)) {
            EXPECT_GE(header->sectionSize(c), titleWidth(header, c)) << c;
        }
    }
    EXPECT_GT(header->sectionSize(LibraryTreeModel::Ordinal), 70);
}

TEST_F(MainWindowTest, PlacementIsSavedOnClosingAndRestoredAtStart)
{
    MainWindow& w = withLibrary();
    w.setGeometry(40, 50, 700, 450);
    EXPECT_TRUE(w.close());
    EXPECT_EQ(settings.readNumber("MainWindow", "XPosit", 0), 40);
    EXPECT_EQ(settings.readNumber("MainWindow", "YPosit", 0), 50);
    EXPECT_EQ(settings.readNumber("MainWindow", "Width", 0), 700);
    EXPECT_EQ(settings.readNumber("MainWindow", "Height", 0), 450);
    EXPECT_EQ(settings.readNumber("Options", "UseMainWidthPref", 0), 700);
    w.setGeometry(0, 0, 300, 200);
    w.restorePlacement();
    EXPECT_EQ(w.geometry(), QRect(40, 50, 700, 450));

    // Without "Preserve window changes" nothing is written.
    ws.options.UseSaveWindow = false;
    w.show();
    w.setGeometry(10, 10, 500, 400);
    EXPECT_TRUE(w.close());
    EXPECT_EQ(settings.readNumber("MainWindow", "Width", 0), 700);
}

TEST_F(MainWindowTest, DeleteRemovesTheHookedRowsAndTheCountsFollow)
{
    MainWindow& w = withLibrary(1);
    toggleMark(ws, 2);
    toggleMark(ws, 5);  // module 2: the module row and, with it, all its symbols
    key(Qt::Key_Delete);
    EXPECT_EQ(ws.library.rows.size(), 15u - 1 - 5);
    EXPECT_EQ(ws.library.SymbolCount, 7u);
    EXPECT_EQ(ws.library.ModuleCount, 2u);
    EXPECT_EQ(ws.library.modules.size(), 2u);
    EXPECT_TRUE(ws.library.LibraryChanged);
    EXPECT_EQ(w.model()->rowCount(), 2);
    w.selectRow(1);
    EXPECT_EQ(qtUi.statusText(2), "M:1/2");
    EXPECT_EQ(qtUi.statusText(3), "F:3/7");
}

TEST_F(MainWindowTest, DeleteWithoutMarksRemovesTheSelectedRow)
{
    withLibrary(3);
    key(Qt::Key_Delete);
    EXPECT_EQ(ws.library.SymbolCount, 11u);
    EXPECT_EQ(ws.library.rows[3].SYMBOL, "Func_1_4");
}

TEST_F(MainWindowTest, CommandsThatNeedRowsAreDisabledOnAnEmptyLibrary)
{
    MainWindow& w = window();
    EXPECT_FALSE(w.actions().deleteRows->isEnabled());
    EXPECT_FALSE(w.actions().markAll->isEnabled());
    EXPECT_TRUE(w.actions().newLibrary->isEnabled());
    EXPECT_EQ(w.actions().revert->text(), "&Recall last file");
    addLibrary(ws, 1, 1);
    w.libraryReplaced();
    EXPECT_TRUE(w.actions().deleteRows->isEnabled());
    EXPECT_EQ(w.actions().revert->text(), "&Revert");
}

TEST_F(MainWindowTest, PopupMenuHoldsTheCommandTexts)
{
    MainWindow& w = withLibrary();
    QStringList texts;
    for (QAction* a : w.popupMenu()->actions())
        texts << a->text();
    EXPECT_TRUE(texts.contains("&Locate DLL/EXE files "));
    EXPECT_TRUE(texts.contains("Mark all &excluded"));
    EXPECT_TRUE(texts.contains("&Library file"));
    EXPECT_TRUE(texts.contains("&Sort list"));
    EXPECT_TRUE(texts.contains("E&xit"));
    EXPECT_EQ(w.actions().deleteRows->shortcut(), QKeySequence(QKeySequence::Delete));
    EXPECT_EQ(w.actions().gotoRow->shortcut(), QKeySequence("Ctrl+G"));
}

TEST_F(MainWindowTest, ClosingWithChangesAndCancelKeepsTheWindow)
{
    MainWindow& w = withLibrary();
    ws.library.LibraryChanged = true;
    answers.push_back(3);
    EXPECT_FALSE(w.close());
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].title, "CLARION QUILLON 32 - Library file changed");
    EXPECT_EQ(messages[0].text,
              "    The library file has been changed.|" + std::string(95, kNonBreakingSpace) +
                  "|    File: /libs/test.lib|    Do you want to save the changes?");
    EXPECT_EQ(messages[0].buttons, "&Yes|&No|&Cancel");
    EXPECT_TRUE(w.isVisible());
    EXPECT_TRUE(ws.library.LibraryChanged);
    EXPECT_EQ(ws.library.rows.size(), 15u);
}

TEST_F(MainWindowTest, ClosingWithChangesAndNoCloses)
{
    MainWindow& w = withLibrary();
    ws.library.LibraryChanged = true;
    answers.push_back(2);
    EXPECT_TRUE(w.close());
    EXPECT_EQ(qtUi.statusText(1), "Closing program...");
}

TEST_F(MainWindowTest, ClosingWithSuppressedMessagesAsksNothing)
{
    MainWindow& w = withLibrary();
    ws.library.LibraryChanged = true;
    ws.options.UseNoMessages = true;
    EXPECT_TRUE(w.close());
    EXPECT_TRUE(messages.empty());
}

TEST_F(MainWindowTest, ClosingIsRefusedWhileBusy)
{
    MainWindow& w = withLibrary();
    qtUi.setBusy(true);
    EXPECT_FALSE(w.close());
    qtUi.setBusy(false);
    EXPECT_TRUE(w.close());
}

TEST_F(MainWindowTest, SaveQuestionBeforeNewAndCloseCancelKeepsTheLibrary)
{
    MainWindow& w = withLibrary();
    ws.library.LibraryChanged = true;
    answers = {3, 3};
    w.newLibrary();
    w.closeLibrary();
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].title, "CLARION QUILLON 32 - Library file changed");
    EXPECT_EQ(messages[1].title, "CLARION QUILLON 32 - Library file changed");
    EXPECT_EQ(ws.library.rows.size(), 15u);
    EXPECT_EQ(ws.library.LibraryFileName, "/libs/test.lib");
}

TEST_F(MainWindowTest, CloseLibraryWithoutChangesEmptiesItAndForgetsTheTarget)
{
    MainWindow& w = withLibrary();
    w.closeLibrary();
    EXPECT_TRUE(messages.empty());
    EXPECT_TRUE(ws.library.empty());
    EXPECT_TRUE(ws.library.LibraryFileName.empty());
    EXPECT_EQ(w.windowTitle(), "Clarion Quillon 32");
}

TEST_F(MainWindowTest, CaptionNamesTheTargetAsFilesAreTold)
{
    MainWindow& w = withLibrary();
    w.updateCaption();
#ifdef _WIN32
    EXPECT_EQ(w.windowTitle(), "Clarion Quillon 32 - TARGET:/LIBS/TEST.LIB");
#else
    // "/LIBS/TEST.LIB" would name another file here.
    EXPECT_EQ(w.windowTitle(), "Clarion Quillon 32 - TARGET:/libs/test.lib");
#endif
}

TEST_F(MainWindowTest, StatusPanesFollowTheSelectionAndTheCasing)
{
    MainWindow& w = withLibrary(2);
    EXPECT_EQ(qtUi.statusText(1), "MOD1/Func_1_2");
    EXPECT_EQ(qtUi.statusText(2), "M:1/3");
    EXPECT_EQ(qtUi.statusText(3), "F:4/12");
    ws.options.UseStatusCaps = "Upper casing";
    w.selectRow(7);
    EXPECT_EQ(qtUi.statusText(1), "MOD2/FUNC_2_2");
}

TEST_F(MainWindowTest, AnUnknownStatusCasingIsRepaired)
{
    ws.options.UseStatusCaps = "Sideways";
    MainWindow& w = withLibrary(2);
    w.updateStatus();
    EXPECT_EQ(ws.options.UseStatusCaps, "Default casing");
    EXPECT_EQ(settings.readSetting("Options", "UseStatusCaps"), "Default casing");
    EXPECT_EQ(qtUi.statusText(1), "MOD1/Func_1_2");
}

TEST_F(MainWindowTest, QuickMenuButtonFollowsItsOption)
{
    MainWindow& w = window();
    EXPECT_FALSE(w.quickMenuButton()->isVisible());
    ws.options.UseQuickMenu = true;
    w.applyOptions();
    EXPECT_TRUE(w.quickMenuButton()->isVisible());
    EXPECT_EQ(w.quickMenuButton()->toolTip(), "Quickmenu: Sort the list");
    ws.options.QuickMenu = QuickMenuChoice::ExpandContractTree;
    w.applyOptions();
    EXPECT_EQ(w.quickMenuButton()->toolTip(), "Quickmenu: Expand/contract tree");
    QStringList texts;
    for (QAction* a : w.quickMenuButton()->menu()->actions())
        texts << a->text();
    EXPECT_EQ(texts, QStringList({"E&xpand all", "&Contract all"}));
}

TEST_F(MainWindowTest, BitButtonIconFollowsTheSetting)
{
    MainWindow& w = window();
    EXPECT_EQ(w.bitButton()->property("quillonIcon").toString(), "QNBitButton");
    ws.options.UseBitCheckSet = LibraryBitness::Set32Bit;
    w.applyOptions();
    EXPECT_EQ(w.bitButton()->property("quillonIcon").toString(), "QNBitButton32");
    ws.options.UseBitCheckSet = LibraryBitness::Automatic;
    ws.options.UseBitCheck = BitCheck::SynchronizeManually;
    w.applyOptions();
    EXPECT_EQ(w.bitButton()->property("quillonIcon").toString(), "QNBitButtonX");
}

TEST_F(MainWindowTest, TopmostTogglesAndIsStoredAtOnce)
{
    MainWindow& w = window();
    key(Qt::Key_T, Qt::ControlModifier);
    EXPECT_TRUE(ws.options.TopWindow);
    EXPECT_EQ(settings.readSetting("Options", "TopWindow"), "1");
    EXPECT_TRUE(w.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
}

TEST_F(MainWindowTest, ExpandAllAndContractAllWriteTheTreeLevels)
{
    MainWindow& w = withLibrary(0);
    key(Qt::Key_X, Qt::AltModifier);
    EXPECT_EQ(ws.library.rows[0].TREELEVEL, TreeLevel::ModuleExpanded);
    EXPECT_EQ(ws.library.modules[1].TREELEVEL, TreeLevel::ModuleExpanded);
    EXPECT_EQ(ws.library.rows[0].ICON, RowIcon::OpenFold32);
    EXPECT_TRUE(w.tree()->isExpanded(w.model()->index(1, 0)));
    key(Qt::Key_C, Qt::AltModifier);
    EXPECT_EQ(ws.library.rows[5].TREELEVEL, TreeLevel::ModuleCollapsed);
    EXPECT_FALSE(w.tree()->isExpanded(w.model()->index(1, 0)));
    w.tree()->expand(w.model()->index(2, 0));
    EXPECT_EQ(ws.library.rows[10].TREELEVEL, TreeLevel::ModuleExpanded);
}

TEST_F(MainWindowTest, CopyNamePutsTheRowTextOnTheClipboard)
{
    withLibrary(3);
    key(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "Func_1_3");
}

TEST_F(MainWindowTest, ClearListEmptiesTheLibrary)
{
    MainWindow& w = withLibrary();
    key(Qt::Key_E, Qt::AltModifier);
    EXPECT_TRUE(ws.library.empty());
    EXPECT_EQ(ws.library.SymbolCount, 0u);
    EXPECT_EQ(w.model()->rowCount(), 0);
    EXPECT_FALSE(w.actions().clearAll->isEnabled());
}

}  // namespace
}  // namespace quillon::app

namespace quillon::app {
namespace {

TEST_F(MainWindowTest, CtrlF10RemovesTheSymbolsMarkedExcludedOrDuplicate)
{
    MainWindow& w = withLibrary(1);
    ws.library.rows[2].EXCLUDE = kExcludeListed;
    ws.library.rows[7].EXCLUDE = kExcludeDuplicate;
    key(Qt::Key_F10, Qt::ControlModifier);
    EXPECT_EQ(ws.library.SymbolCount, 10u);
    EXPECT_EQ(ws.library.rows.size(), 13u);
    EXPECT_TRUE(ws.library.LibraryChanged);
    EXPECT_EQ(w.model()->rowCount(), 3);
}

TEST_F(MainWindowTest, CtrlF9RemovesTheSecondCopyOfAModuleWhenTheOptionsAskForIt)
{
    MainWindow& w = withLibrary(1);
    testing::addLibrary(ws, 1, 2);  // a second MOD1, marked as it arrives
    w.libraryReplaced();
    ws.options.UseBitCheckSetDuplicates = true;
    ws.options.UseBitCheckDuplicates = true;
    key(Qt::Key_F9, Qt::ControlModifier);
    EXPECT_EQ(w.model()->rowCount(), 3);
    EXPECT_EQ(ws.library.ModuleCount, 3u);
}

}  // namespace
}  // namespace quillon::app
