// The search dialog, finding in the lists, the query and extraction from the window, and the
// "Extracted functions" tab with its model.
#include <QAbstractItemModelTester>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QTreeView>

#include <functional>

#include "app/find/extracted_list_model.h"
#include "app/find/extracted_tab.h"
#include "app/find/search_dialog.h"
#include "app/testing/gui_fixture.h"
#include "query/search_options.h"
#include "settings/settings_store.h"

namespace quillon::app {
namespace {

using testing::addLibrary;

/// Runs `handle` on the search dialog as soon as it shows; the handler ends the dialog.
void whenShown(std::function<void(SearchDialog&)> handle, int attempts = 200)
{
    QTimer::singleShot(5, [handle, attempts] {
        if (auto* d = qobject_cast<SearchDialog*>(QApplication::activeModalWidget())) {
            handle(*d);
            return;
        }
        if (attempts > 0)
            whenShown(handle, attempts - 1);
        else if (QWidget* other = QApplication::activeModalWidget())
            other->close();
    });
}

class SearchGuiTest : public testing::GuiFixture {
protected:
    /// Three modules MOD1..MOD3 of four symbols Func_m_s, the extracted functions tab shown.
    MainWindow& withLibrary()
    {
        ws.options.UseShowQuery = true;
        ws.options.UseStatusBar = true;
        addLibrary(ws, 3, 4);
        ws.library.LibraryFileName = "/Libs/test.lib";
        MainWindow& w = window();
        w.applyOptions();
        w.libraryReplaced();
        return w;
    }
    [[nodiscard]] QStringList extractedNames() const
    {
        QStringList names;
        for (const QueryResult& r : ws.queryResults.rows)
            names << QString::fromStdString(r.SYMBOL);
        return names;
    }
};

TEST_F(SearchGuiTest, ExtractedListModelPassesTheModelTester)
{
    MainWindow& w = withLibrary();
    ExtractedListModel& model = *w.extractedTab()->model();
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    model.resetWith([&] {
        ws.queryResults.rows = {{ModuleName("MOD1"), "Alpha", 7, 1, 1},
                                {ModuleName("MOD1"), "Beta", 0, 2, 0}};
    });
    ASSERT_EQ(model.rowCount(), 2);
    EXPECT_EQ(model.data(model.index(0, 1), Qt::DisplayRole), "Alpha");
    EXPECT_EQ(model.data(model.index(0, 2), Qt::DisplayRole), "7");
    EXPECT_EQ(model.data(model.index(1, 2), Qt::DisplayRole), "");
    EXPECT_EQ(model.headerData(1, Qt::Horizontal, Qt::DisplayRole), "Function name");
    model.removeEntry(0);
    EXPECT_EQ(model.rowCount(), 1);
}

TEST_F(SearchGuiTest, QueryDialogExtractsIntoTheTab)
{
    MainWindow& w = withLibrary();
    QString caption;
    QString start;
    whenShown([&](SearchDialog& d) {
        caption = d.windowTitle();
        start = d.startButton()->text();
        d.keywordBox()->setEditText("func_2 -_3");
        d.startButton()->click();
    });
    answers = {1};
    w.queryCommand();
    // The path as spelled where letter case tells files apart.
    EXPECT_EQ(caption,
              QString::fromStdString("Query Dialog - " + testing::captionPath("/Libs/test.lib")));
    EXPECT_EQ(start, "&Extract now");
    EXPECT_EQ(extractedNames(), QStringList({"Func_2_1", "Func_2_2", "Func_2_4"}));
    ASSERT_FALSE(messages.empty());
    EXPECT_EQ(messages.back().title, "CLARION QUILLON 32 - Query search result");
    EXPECT_EQ(qtUi.statusText(1), "3 functions extraced");
    EXPECT_EQ(w.extractedTab()->model()->rowCount(), 3);
    EXPECT_EQ(settings.readSetting("Query", "SearchDrop1"), "func_2 -_3");
    w.tabs()->setCurrentWidget(w.extractedTab());
    EXPECT_EQ(qtUi.statusText(1), "Extracted functions = 3");
}

TEST_F(SearchGuiTest, FindDialogAndFindNextInTheLibraryList)
{
    MainWindow& w = withLibrary();
    w.selectRow(0);
    whenShown([&](SearchDialog& d) {
        EXPECT_EQ(d.windowTitle(), QString::fromStdString("Search Dialog - " +
                                                          testing::captionPath("/Libs/test.lib")));
        EXPECT_EQ(d.startButton()->text(), "&Find next");
        d.keywordBox()->setEditText("_4");
        d.startButton()->click();
    });
    key(Qt::Key_F3, Qt::AltModifier);
    EXPECT_EQ(w.selectedRow(), std::optional<std::size_t>(4));
    EXPECT_EQ(qtUi.statusText(1), "Keyword found in row #5");
    // The window is active again once the dialog has gone.
    QApplication::setActiveWindow(&w);
    key(Qt::Key_F3);
    EXPECT_EQ(w.selectedRow(), std::optional<std::size_t>(9));
    key(Qt::Key_F3);
    key(Qt::Key_F3);  // bottom reached: Yes goes on from the top
    ASSERT_FALSE(messages.empty());
    EXPECT_EQ(messages.back().title, "CLARION QUILLON 32 - Bottom reached!");
    EXPECT_EQ(w.selectedRow(), std::optional<std::size_t>(4));
}

TEST_F(SearchGuiTest, ExtractTakesTheSelectedModuleAndTheTabsCommandsWork)
{
    MainWindow& w = withLibrary();
    ws.options.UseNoMessages = true;
    w.selectRow(5);  // MOD2
    key(Qt::Key_E, Qt::ControlModifier);
    EXPECT_EQ(extractedNames(), QStringList({"Func_2_1", "Func_2_2", "Func_2_3", "Func_2_4"}));
    EXPECT_EQ(qtUi.statusText(1), "4 items extracted");

    ExtractedTab& tab = *w.extractedTab();
    QStringList items;
    for (QAction* a : tab.popupMenu()->actions())
        items << (a->menu() != nullptr ? a->menu()->title() : a->text());
    EXPECT_EQ(items, QStringList({"Quer&y...", "&Save as...", "Cl&ear list", "E&xport to text", "",
                                  "&Find...", "Find &next", "&Goto...", "Cop&y name", "&Delete",
                                  "&Sort list"}));
    w.tabs()->setCurrentWidget(&tab);
    tab.list()->setFocus();
    tab.list()->setCurrentIndex(tab.model()->index(1, 0));
    QTest::keyClick(tab.list(), Qt::Key_Delete);
    EXPECT_EQ(extractedNames(), QStringList({"Func_2_1", "Func_2_3", "Func_2_4"}));
    QTest::keyClick(tab.list(), Qt::Key_Minus, Qt::ControlModifier | Qt::KeypadModifier);
    EXPECT_EQ(extractedNames(), QStringList({"Func_2_4", "Func_2_3", "Func_2_1"}));
    // Find next in the extracted list with the stored find keywords.
    settings.writeSetting("Search", "SearchString", "2_1");
    tab.list()->setCurrentIndex(tab.model()->index(0, 0));
    QTest::keyClick(tab.list(), Qt::Key_F3);
    EXPECT_EQ(tab.currentRow(), std::optional<std::size_t>(2));
    // Clearing the library clears the list too (UseClearExtract).
    w.clearList();
    EXPECT_EQ(tab.model()->rowCount(), 0);
    EXPECT_EQ(qtUi.statusText(1), "Extracted functions = 0");
}

}  // namespace
}  // namespace quillon::app
