// The window's export commands over the lists of other tabs: the rows in the list's order.
#include <QAction>
#include <QMenu>
#include <QTabWidget>
#include <QTest>
#include <QTreeView>

#include <tuple>

#include "app/find/extracted_tab.h"
#include "app/library/export_list_window.h"
#include "app/testing/gui_fixture.h"

namespace quillon::app {
namespace {

using testing::addLibrary;

class MainWindowExportTest : public testing::GuiFixture {
protected:
    MainWindow& withLibrary(int modules, int symbols, std::size_t select)
    {
        addLibrary(ws, modules, symbols);
        ws.library.LibraryFileName = "/libs/test.lib";
        ws.options.UseExportTextCopy = AskChoice::Never;
        ws.options.UseExportTextNotepad = AskChoice::Never;
        ws.options.UseStatusBar = true;
        MainWindow& w = window();
        w.libraryReplaced();
        w.selectRow(select);
        return w;
    }
    ExportListWindow* viewer()
    {
        return window().findChild<ExportListWindow*>(QString(), Qt::FindDirectChildrenOnly);
    }
    std::string exportFile() const { return folder.read("ExportList.txt"); }
};

TEST_F(MainWindowExportTest, F12InTheExtractedFunctionsListListsItsRowsInItsOrder)
{
    ws.options.UseShowQuery = true;
    MainWindow& w = withLibrary(2, 2, 0);
    w.applyOptions();
    for (const auto& [module, symbol, ordinal] :
         {std::tuple{"MOD2", "Func_2_2", 9}, std::tuple{"MOD1", "Func_1_1", 3}}) {
        QueryResult r;
        r.MODULENAME.assign(module);
        r.SYMBOL = symbol;
        r.ORDINAL = static_cast<std::uint16_t>(ordinal);
        ws.queryResults.rows.push_back(r);
    }
    ExtractedTab& tab = *w.extractedTab();
    tab.listChanged();
    ASSERT_TRUE(tab.actions().exportText->isEnabled());
    EXPECT_TRUE(tab.popupMenu()->actions().contains(tab.actions().exportText));
    w.tabs()->setCurrentWidget(&tab);
    tab.list()->setFocus();
    QTest::keyClick(tab.list(), Qt::Key_F12);
    const std::string text = exportFile();
    const std::size_t second = text.find(";Start of Exported Procedures from MOD2\r\n  Func_2_2");
    const std::size_t first = text.find(";Start of Exported Procedures from MOD1\r\n  Func_1_1");
    ASSERT_NE(second, std::string::npos);
    ASSERT_NE(first, std::string::npos);
    EXPECT_LT(second, first);
    EXPECT_EQ(text.find("Func_1_2"), std::string::npos);
    ASSERT_NE(viewer(), nullptr);
    EXPECT_EQ(qtUi.statusText(1), "Library: /libs/test.lib");
    EXPECT_EQ(qtUi.statusText(2), "Export list");
}

}  // namespace
}  // namespace quillon::app
