// The revert and update commands of the main window: keys, menus, enabled states.
#include <QAction>
#include <QMenu>
#include <QTabWidget>
#include <QToolButton>
#include <QTreeView>

#include "app/find/extracted_list_model.h"
#include "app/find/extracted_tab.h"
#include "app/library/library_tree_model.h"
#include "app/testing/gui_fixture.h"
#include "app/window/main_window.h"
#include "support/exe_builder.h"
#include "support/lib_builder.h"

namespace quillon::app {
namespace {

using quillon::testing::buildPeWithNames;
using quillon::testing::libBytes;

class RefreshCommandsTest : public testing::GuiFixture {
protected:
    std::vector<std::string> symbols() const
    {
        std::vector<std::string> names;
        for (const LibraryRow& row : ws.library.rows)
            names.push_back(row.SYMBOL.str());
        return names;
    }
};

TEST_F(RefreshCommandsTest, UpdateCommandsWaitForSourceSynchronization)
{
    testing::addLibrary(ws, 2, 2);
    MainWindow& w = window();
    w.libraryReplaced();
    const LibraryActions& a = w.actions();
    for (QAction* x : {a.updateOne, a.updateAll})
        EXPECT_FALSE(x->isEnabled()) << x->text().toStdString();
    EXPECT_TRUE(a.revertModule->isEnabled());
    const LibraryList before = ws.library.rows;
    key(Qt::Key_F8, Qt::ShiftModifier);
    EXPECT_EQ(ws.library.rows, before);

    ws.options.UseBitCheck = BitCheck::SynchronizeManually;
    w.applyOptions();
    for (QAction* x : {a.updateOne, a.updateAll})
        EXPECT_TRUE(x->isEnabled()) << x->text().toStdString();
}

TEST_F(RefreshCommandsTest, ShiftF8ReloadsAModuleFromItsChangedDllAndKeepsTheCountLine)
{
    const std::string dll =
        folder.write("tools.dll", buildPeWithNames({"Alpha", "Beta"}, "TOOLS.dll").text());
    ws.options.UseBitCheck = BitCheck::SynchronizeManually;
    ws.options.UseStatusBar = true;
    MainWindow& w = window();
    ASSERT_TRUE(w.openFile(dll));
    (void)folder.write("tools.dll",
                       buildPeWithNames({"Alpha", "Gamma", "Delta"}, "TOOLS.dll").text());

    key(Qt::Key_F8, Qt::ShiftModifier);
    EXPECT_EQ(symbols(), (std::vector<std::string>{"TOOLS.dll", "Alpha", "Gamma", "Delta"}));
    EXPECT_EQ(w.model()->rowCount(), 1);
    EXPECT_EQ(qtUi.statusText(1), "One module was updated from DLL/EXE file");
    EXPECT_EQ(qtUi.statusText(3), "3 symbols");
    EXPECT_TRUE(ws.library.LibraryChanged);
    EXPECT_FALSE(qtUi.busy());
}

TEST_F(RefreshCommandsTest, AltRRevertsTheSelectedModuleToTheEndOfTheList)
{
    const std::string lib = folder.write(
        "tools.lib",
        libBytes({{"TOOLS", "Alpha", 1}, {"TOOLS", "Beta", 2}, {"EXTRA", "Gamma", 7}}));
    MainWindow& w = window();
    ASSERT_TRUE(w.openFile(lib));
    ws.library.rows[1].SYMBOL = "Edited";
    w.selectRow(0);
    key(Qt::Key_R, Qt::AltModifier);
    EXPECT_EQ(symbols(), (std::vector<std::string>{"EXTRA", "Gamma", "TOOLS", "Alpha", "Beta"}));
    EXPECT_EQ(w.selectedRow(), 2u);
    EXPECT_EQ(w.model()->rowCount(), 2);
}

TEST_F(RefreshCommandsTest, RevertEmptiesTheExtractedFunctionsShownAsClearAllModulesDoes)
{
    const std::string lib = folder.write("tools.lib", libBytes({{"TOOLS", "Alpha", 1}}));
    ws.options.UseShowQuery = true;
    ws.options.UseStatusBar = true;
    ws.options.UseNoMessages = true;
    MainWindow& w = window();
    w.applyOptions();
    ASSERT_TRUE(w.openFile(lib));
    w.selectRow(1);
    key(Qt::Key_E, Qt::ControlModifier);  // extract
    ExtractedTab& tab = *w.extractedTab();
    ASSERT_EQ(tab.model()->rowCount(), 1);
    ASSERT_TRUE(tab.actions().saveAs->isEnabled());

    key(Qt::Key_R, Qt::ControlModifier);
    EXPECT_EQ(symbols(), (std::vector<std::string>{"TOOLS", "Alpha"}));
    EXPECT_TRUE(ws.queryResults.empty());
    EXPECT_EQ(tab.model()->rowCount(), 0);
    EXPECT_FALSE(tab.actions().saveAs->isEnabled());
    w.tabs()->setCurrentWidget(&tab);
    EXPECT_EQ(qtUi.statusText(1), "Extracted functions = 0");
}

TEST_F(RefreshCommandsTest, CleanupMenuNamesTheMarkedModulesWhenRowsAreHooked)
{
    testing::addLibrary(ws, 2, 2);
    ws.options.UseBitCheck = BitCheck::SynchronizeManually;
    MainWindow& w = window();
    w.libraryReplaced();
    auto* button = w.findChild<QToolButton*>("cleanupOptionsButton");
    ASSERT_NE(button, nullptr);
    const QList<QAction*> items = button->menu()->actions();
    ASSERT_GE(items.size(), 5);
    emit button->menu()->aboutToShow();
    EXPECT_EQ(items[0]->text(), "Up&date selected module\tCtrl+F8");
    ws.library.rows[1].MARK = 1;
    emit button->menu()->aboutToShow();
    EXPECT_EQ(items[0]->text(), "Up&date marked modules\tCtrl+F8");
    EXPECT_EQ(items[4]->text(), "&Update library from DLL/EXE files\tShift+F8");
}

}  // namespace
}  // namespace quillon::app
