// The "Extracted functions" tab: its sort keys and its menus' key texts.
#include "app/find/extracted_tab.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QTabWidget>
#include <QTest>
#include <QTreeView>

#include "app/find/extracted_list_model.h"
#include "app/testing/gui_fixture.h"

namespace quillon::app {
namespace {

using testing::addLibrary;

class ExtractedTabTest : public testing::GuiFixture {
protected:
    /// The tab shown with the focus on its list of Beta 1, Alpha 3 and Gamma 2 of MOD1.
    ExtractedTab& withRows()
    {
        ws.options.UseShowQuery = true;
        addLibrary(ws, 1, 3);
        for (const auto& [name, ordinal] :
             {std::pair{"Beta", 1}, std::pair{"Alpha", 3}, std::pair{"Gamma", 2}}) {
            QueryResult r;
            r.MODULENAME.assign("MOD1");
            r.SYMBOL = name;
            r.ORDINAL = static_cast<std::uint16_t>(ordinal);
            ws.queryResults.rows.push_back(r);
        }
        MainWindow& w = window();
        w.applyOptions();
        ExtractedTab& tab = *w.extractedTab();
        tab.listChanged();
        w.tabs()->setCurrentWidget(&tab);
        tab.list()->setFocus();
        return tab;
    }
    [[nodiscard]] QStringList names() const
    {
        QStringList out;
        for (const QueryResult& r : ws.queryResults.rows)
            out << QString::fromStdString(r.SYMBOL);
        return out;
    }
};

TEST_F(ExtractedTabTest, SortKeysOfTheListSortItAsItsSortMenuDoes)
{
    ExtractedTab& tab = withRows();
    QTest::keyClick(tab.list(), Qt::Key_N, Qt::AltModifier);
    EXPECT_EQ(names(), QStringList({"Alpha", "Beta", "Gamma"}));
    EXPECT_TRUE(tab.actions().sortName->isChecked());
    QTest::keyClick(tab.list(), Qt::Key_O, Qt::AltModifier);
    EXPECT_EQ(names(), QStringList({"Beta", "Gamma", "Alpha"}));
    // Where the window system drops the keypad before matching shortcuts, the key reaches
    // the list itself.
    QKeyEvent minus(QEvent::KeyPress, Qt::Key_Minus, Qt::ControlModifier | Qt::KeypadModifier, "-");
    QApplication::sendEvent(tab.list(), &minus);
    EXPECT_EQ(names(), QStringList({"Alpha", "Gamma", "Beta"}));
    EXPECT_TRUE(tab.actions().sortDescending->isChecked());
    QTest::keyClick(tab.list(), Qt::Key_Plus, Qt::ControlModifier | Qt::KeypadModifier);
    EXPECT_EQ(names(), QStringList({"Beta", "Gamma", "Alpha"}));
    QTest::keyClick(tab.list(), Qt::Key_F, Qt::AltModifier);
    EXPECT_EQ(names(), QStringList({"Alpha", "Beta", "Gamma"}));
    EXPECT_TRUE(tab.actions().sortFull->isChecked());
}

TEST_F(ExtractedTabTest, TheSortMenuShowsTheKeypadKeysAsTheyAreWritten)
{
    ExtractedTab& tab = withRows();
    EXPECT_EQ(tab.actions().sortAscending->text(), "&Ascending\tCtrl+Num+");
    EXPECT_EQ(tab.actions().sortDescending->text(), "&Descending\tCtrl+Num-");
    EXPECT_EQ(window().actions().sortAscending->text(), "&Ascending\tCtrl+Num+");
    EXPECT_EQ(window().actions().sortDescending->text(), "&Descending\tCtrl+Num-");
}

TEST_F(ExtractedTabTest, NamesAndOrdinalsAreEditedInPlaceWithTheLibraryListsChecks)
{
    ExtractedTab& tab = withRows();
    ws.options.UseStatusBar = true;
    const auto editor = [&tab]() -> QLineEdit* {
        for (auto* edit : tab.list()->findChildren<QLineEdit*>("inPlaceEditor")) {
            if (edit->isVisible())
                return edit;
        }
        return nullptr;
    };
    // F2 on a row whose module cell is current edits the function name.
    tab.list()->setCurrentIndex(tab.model()->index(1, ExtractedListModel::Module));
    QTest::keyClick(tab.list(), Qt::Key_F2);
    QLineEdit* edit = editor();
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->text(), "Alpha");
    edit->clear();
    QTest::keyClick(edit, Qt::Key_Return);  // refused: the field keeps the old name
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(qtUi.statusText(1), "Name cannot be blank!");
    ASSERT_EQ(editor(), edit);
    EXPECT_EQ(edit->text(), "Alpha");
    edit->selectAll();
    QTest::keyClicks(edit, "AlphaEx");
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(ws.queryResults.rows[1].SYMBOL, "AlphaEx");
    EXPECT_EQ(editor(), nullptr);

    // A double click on an ordinal edits it in a digits-only field.
    const QModelIndex ordinal = tab.model()->index(2, ExtractedListModel::Ordinal);
    const QPoint at = tab.list()->visualRect(ordinal).center();
    QTest::mouseClick(tab.list()->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseDClick(tab.list()->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    edit = editor();
    ASSERT_NE(edit, nullptr);
    edit->selectAll();
    QTest::keyClicks(edit, "9x9");
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(ws.queryResults.rows[2].ORDINAL, 99);

    ws.options.UseNoEditInPlace = true;
    tab.list()->setCurrentIndex(tab.model()->index(0, ExtractedListModel::Function));
    QTest::keyClick(tab.list(), Qt::Key_F2);
    EXPECT_EQ(editor(), nullptr);
}

TEST_F(ExtractedTabTest, SaveAsLeavesItsReportInTheStatusBar)
{
    ExtractedTab& tab = withRows();
    ws.options.UseStatusBar = true;
    const std::string saved = folder.file("extract.lib");
    dialogResults.push_back({saved});
    QTest::keyClick(tab.list(), Qt::Key_S, Qt::AltModifier);
    EXPECT_EQ(qtUi.statusText(1), "Library: " + saved + " saved to disk");
    EXPECT_EQ(tab.model()->rowCount(), 3);
}

}  // namespace
}  // namespace quillon::app
