// The "Disk-compare" tab: its model's columns, colours, filter and sorting, and the compare
// commands of the main window from the dialog to the report window.
#include "app/compare/compare_tab.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QApplication>
#include <QColor>
#include <QComboBox>
#include <QFontInfo>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTest>
#include <QTreeView>

#include "app/compare/compare_controller.h"
#include "app/compare/compare_list_model.h"
#include "app/compare/compare_report_window.h"
#include "app/library/module_table_model.h"
#include "app/testing/gui_fixture.h"
#include "app/widgets/icon_set.h"
#include "reports/compare_settings.h"
#include "reports/compare_state.h"
#include "settings/window_placement.h"
#include "support/exe_builder.h"

namespace quillon::app {
namespace {

using testing::addLibrary;

reports::CompareRow row(std::string symbol, int ordinal, std::uint32_t changes,
                        reports::CellChange symbolCell, std::uint32_t unsorted)
{
    reports::CompareRow r;
    r.MODULENAME.assign("MOD1");
    r.SYMBOL = std::move(symbol);
    r.ORDINAL = static_cast<std::uint16_t>(ordinal);
    r.COMMENT = changes == reports::kUnchanged ? "<Unchanged>" : "<changed>";
    r.changes = changes;
    r.UNSORTED = unsorted;
    r.cells[reports::kColumnSymbol] = symbolCell;
    return r;
}

class CompareTabTest : public testing::GuiFixture {
protected:
    /// The window over modules MOD1 and MOD2, a symbol of MOD1 selected; the compare dialog
    /// does not autolocate.
    MainWindow& withModules()
    {
        addLibrary(ws, 2, 3);
        ws.settings().writeNumber(reports::kCompareSection, "UseAutoCompare", 0);
        MainWindow& w = window();
        w.applyOptions();
        w.libraryReplaced();
        w.selectRow(2);
        return w;
    }
    /// A DLL for MOD1 whose second name differs in letter case.
    std::string mod1Dll()
    {
        return folder.write(
            "mod1.dll",
            quillon::testing::buildPeWithNames({"Func_1_1", "FUNC_1_2", "Func_1_3"}, "MOD1").bytes);
    }
    /// The window with the "Disk-compare" tab shown over three compared rows, one unchanged.
    CompareTab& withRows()
    {
        ws.options.UseShowCompare = true;
        ws.options.UseExportTextCopy = AskChoice::Never;
        ws.options.UseExportTextNotepad = AskChoice::Never;
        addLibrary(ws, 1, 3);
        reports::CompareState& state = reports::compareState(ws);
        state.hasResult = true;
        state.last.rows = {
            row("Beta", 2, reports::kUnchanged, reports::CellChange::None, 1),
            row("ALPHA", 1, reports::kNameCasing, reports::CellChange::Casing, 2),
            row("Gone", 12345, reports::kMissingOnDisk, reports::CellChange::Changed, 3)};
        MainWindow& w = window();
        w.applyOptions();
        w.libraryReplaced();
        CompareTab& tab = *w.compareTab();
        tab.refresh();
        w.tabs()->setCurrentWidget(&tab);
        tab.list()->setFocus();
        return tab;
    }
};

TEST_F(CompareTabTest, ListShowsColoursFiltersAndSorts)
{
    reports::CompareState& state = reports::compareState(ws);
    state.hasResult = true;
    state.last.rows = {row("Beta", 2, reports::kUnchanged, reports::CellChange::None, 1),
                       row("ALPHA", 1, reports::kNameCasing, reports::CellChange::Casing, 2),
                       row("Gone", 3, reports::kMissingOnDisk, reports::CellChange::Changed, 3)};
    CompareListModel model(ws);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    const auto names = [&model] {
        QStringList out;
        for (int r = 0; r < model.rowCount(); ++r)
            out << model.data(model.index(r, CompareListModel::FunctionName), Qt::DisplayRole)
                       .toString();
        return out;
    };
    EXPECT_EQ(names(), QStringList({"ALPHA", "Beta", "Gone"}));
    const auto colour = [&model](int r, int role) {
        return model.data(model.index(r, CompareListModel::FunctionName), role).value<QColor>();
    };
    EXPECT_EQ(colour(0, Qt::ForegroundRole), QColor(0, 255, 0));
    EXPECT_EQ(colour(2, Qt::ForegroundRole), QColor(255, 0, 0));
    EXPECT_EQ(colour(1, Qt::BackgroundRole), QColor(255, 255, 255));
    state.last.options.partialMatch = true;
    EXPECT_EQ(colour(1, Qt::BackgroundRole), QColor(128, 128, 128));

    model.setShowOnlyChanged(true);
    EXPECT_EQ(names(), QStringList({"ALPHA", "Gone"}));
    model.setShowOnlyChanged(false);
    model.sortBy(CompareListModel::SortField::FileOrder, false);
    EXPECT_EQ(names(), QStringList({"Beta", "ALPHA", "Gone"}));
    model.sortBy(CompareListModel::SortField::Name, true);
    EXPECT_EQ(names(), QStringList({"Gone", "Beta", "ALPHA"}));
}

TEST_F(CompareTabTest, CompareCommandRunsTheDialogKeepsTheResultAndOpensTheReport)
{
    ws.options.UseShowCompare = true;
    ws.settings().writeNumber(reports::kCompareSection, "UseShowReport", 1);
    MainWindow& w = withModules();
    const std::string dll = mod1Dll();
    w.compareController()->setDialogSeam([&](CompareDialog& dialog) {
        EXPECT_EQ(dialog.moduleBox()->currentText(), "MOD1");
        dialog.fileEdit()->setText(QString::fromStdString(dll));
        return true;
    });
    w.actions().compareModule->trigger();

    // The result comes forward: the "Disk-compare" tab, its list and its status texts.
    CompareTab* tab = w.compareTab();
    EXPECT_EQ(w.tabs()->currentWidget(), tab);
    EXPECT_EQ(tab->model()->rowCount(), 3);
    EXPECT_EQ(reports::moduleCompareResult(ws, "MOD1"), "Minor changes");
    EXPECT_EQ(reports::readCompareFiles(ws.settings(), 10), std::vector<std::string>{dll});
    EXPECT_EQ(qtUi.statusText(1), "Compare result: Minor changes");

    auto* report = w.findChild<CompareReportWindow*>();
    ASSERT_NE(report, nullptr);
    EXPECT_EQ(report->windowTitle(), "Clarion Quillon 32 - Compare Report: MOD1");
    EXPECT_TRUE(report->view()->toPlainText().contains("STATUS: Minor changes"));
    EXPECT_TRUE(QFontInfo(report->view()->font()).fixedPitch());
    report->close();

    IconSet icons;
    ModuleTableModel modules(ws, icons);
    EXPECT_EQ(modules.data(modules.index(0, ModuleTableModel::CompareResult), Qt::DisplayRole),
              QVariant("Minor changes"));

    tab->actions().showOnlyChanged->trigger();
    EXPECT_EQ(tab->model()->rowCount(), 1);
    EXPECT_EQ(ws.settings().readNumber(reports::kCompareSection, "UseNoUnchanged", 0), 1);
    tab->actions().clear->trigger();
    EXPECT_EQ(tab->model()->rowCount(), 0);
    EXPECT_FALSE(tab->actions().openReport->isEnabled());
}

TEST_F(CompareTabTest, WithoutTheCompareTabTheReportShowsTheResultAndNextOffersTheDialog)
{
    ws.options.UseStatusBar = true;
    MainWindow& w = withModules();
    const std::string dll = mod1Dll();
    std::vector<std::string> offered;
    std::vector<std::string> files;
    w.compareController()->setDialogSeam([&](CompareDialog& dialog) {
        offered.push_back(dialog.moduleBox()->currentText().toStdString());
        files.push_back(dialog.fileEdit()->text().toStdString());
        dialog.fileEdit()->setText(QString::fromStdString(dll));
        return offered.size() == 1;
    });
    w.actions().compareModule->trigger();
    EXPECT_EQ(w.tabs()->currentIndex(), 0);
    EXPECT_EQ(qtUi.statusText(1), "Compare result: Minor changes");
    const QList<CompareReportWindow*> reports = w.findChildren<CompareReportWindow*>();
    ASSERT_EQ(reports.size(), 1);
    EXPECT_TRUE(reports[0]->isVisible());
    EXPECT_TRUE(reports[0]->view()->toPlainText().contains("STATUS: Minor changes"));
    reports[0]->close();

    // "Compare next" finds no file for MOD2: the failure message sends the user to the
    // dialog, and the dialog opens on MOD2.
    messages.clear();
    w.compareController()->compareNext();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].text.find("in the Compare Dialog window."), std::string::npos);
    EXPECT_EQ(offered, (std::vector<std::string>{"MOD1", "MOD2"}));
    // Not with MOD1's file in the field, ready to compare the wrong module.
    EXPECT_EQ(files.back(), "");
}

TEST_F(CompareTabTest, TheReportWindowIsWideEnoughForALongDiskFilePath)
{
    reports::CompareResult result;
    result.moduleName = "MOD1";
    result.diskFile = "/home/someone/projects/with/a/rather/deep/folder/tree/of/windows/dlls/mod1.dll";
    // Also over a narrower size kept from an earlier report.
    for (const char* key : {"XPosit", "YPosit"})
        ws.settings().writeNumber(settings::kCompareReportWinSection, key, 10);
    ws.settings().writeNumber(settings::kCompareReportWinSection, "Width", 400);
    ws.settings().writeNumber(settings::kCompareReportWinSection, "Height", 300);
    CompareReportWindow* report = CompareReportWindow::open(ws, result, nullptr);
    QApplication::processEvents();
    const QString line = "    " + QString::fromStdString(result.diskFile);
    EXPECT_GT(report->view()->viewport()->width(),
              report->view()->fontMetrics().horizontalAdvance(line));
    EXPECT_EQ(report->height(), 300);
    report->close();
}

TEST_F(CompareTabTest, ExportListsTheShownRowsWithTheirChangeMarkers)
{
    CompareTab& tab = withRows();
    tab.actions().showOnlyChanged->setChecked(true);
    ASSERT_TRUE(tab.actions().exportText->isEnabled());
    EXPECT_TRUE(tab.popupMenu()->actions().contains(tab.actions().exportText));
    QTest::keyClick(tab.list(), Qt::Key_F12);
    const std::string text = folder.read("ExportList.txt");
    const std::string alpha = "  ALPHA" + std::string(33, ' ') + "@1" + std::string(5, ' ');
    EXPECT_NE(text.find(alpha + "<changed>\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find("@12345 <changed>\r\n"), std::string::npos);
    EXPECT_EQ(text.find("Beta"), std::string::npos);  // filtered out of the list
    EXPECT_NE(text.find("E N D   L I S T"), std::string::npos);
}

TEST_F(CompareTabTest, FindAndFindNextRunOverTheShownRows)
{
    CompareTab& tab = withRows();  // sorted by ordinal: ALPHA, Beta, Gone
    settings.writeSetting("Search", "SearchString", "a");
    tab.list()->setCurrentIndex(tab.model()->index(0, 0));
    QTest::keyClick(tab.list(), Qt::Key_F3);
    ASSERT_TRUE(tab.currentRow().has_value());
    EXPECT_EQ(tab.model()->rowAt(static_cast<int>(*tab.currentRow()))->SYMBOL, "Beta");
    EXPECT_EQ(tab.findMode(), query::SearchMode::Compare);
    EXPECT_TRUE(tab.actions().find->isEnabled());
}

TEST_F(CompareTabTest, SortKeysOfTheListSortItAsItsSortMenuDoes)
{
    CompareTab& tab = withRows();
    const auto names = [&tab] {
        QStringList out;
        for (int r = 0; r < tab.model()->rowCount(); ++r)
            out << QString::fromStdString(tab.model()->rowAt(r)->SYMBOL);
        return out;
    };
    QTest::keyClick(tab.list(), Qt::Key_F, Qt::AltModifier);
    EXPECT_EQ(names(), QStringList({"Beta", "ALPHA", "Gone"}));
    EXPECT_TRUE(tab.actions().sortFile->isChecked());
    QKeyEvent minus(QEvent::KeyPress, Qt::Key_Minus, Qt::ControlModifier | Qt::KeypadModifier, "-");
    QApplication::sendEvent(tab.list(), &minus);
    EXPECT_EQ(names(), QStringList({"Gone", "ALPHA", "Beta"}));
    QTest::keyClick(tab.list(), Qt::Key_N, Qt::AltModifier);
    EXPECT_EQ(names(), QStringList({"Gone", "Beta", "ALPHA"}));
    QTest::keyClick(tab.list(), Qt::Key_Plus, Qt::ControlModifier | Qt::KeypadModifier);
    EXPECT_EQ(names(), QStringList({"ALPHA", "Beta", "Gone"}));
    EXPECT_TRUE(tab.actions().sortAscending->isChecked());
    QTest::keyClick(tab.list(), Qt::Key_O, Qt::AltModifier);
    EXPECT_TRUE(tab.actions().sortOrdinal->isChecked());
    EXPECT_EQ(tab.actions().sortDescending->text(), "&Descending\tCtrl+Num-");
}

TEST_F(CompareTabTest, ADoubleClickEditsANameInPlaceAndF2StaysCompareNext)
{
    CompareTab& tab = withRows();  // sorted by ordinal: ALPHA, Beta, Gone
    const QModelIndex name = tab.model()->index(1, CompareListModel::FunctionName);
    const QPoint at = tab.list()->visualRect(name).center();
    QTest::mouseClick(tab.list()->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseDClick(tab.list()->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    QLineEdit* edit = nullptr;
    for (auto* e : tab.list()->findChildren<QLineEdit*>("inPlaceEditor"))
        edit = e->isVisible() ? e : edit;
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->text(), "Beta");
    edit->selectAll();
    QTest::keyClicks(edit, "BetaEx");
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(tab.model()->rowAt(1)->SYMBOL, "BetaEx");
    EXPECT_EQ(tab.model()->rowAt(1)->COMMENT, "<Unchanged>");
    EXPECT_FALSE(
        tab.model()->setData(tab.model()->index(1, CompareListModel::Ordinal), "0", Qt::EditRole));
    EXPECT_EQ(tab.model()->rowAt(1)->ORDINAL, 2);
    EXPECT_FALSE(tab.model()->flags(tab.model()->index(1, CompareListModel::Change)) &
                 Qt::ItemIsEditable);
    EXPECT_EQ(tab.actions().compareNext->shortcut(), QKeySequence("F2"));
}

TEST_F(CompareTabTest, CtrlGAsksForARowNumberAndSelectsThatRow)
{
    CompareTab& tab = withRows();
    QStringList items;
    for (QAction* a : tab.popupMenu()->actions())
        items << (a->menu() != nullptr ? a->menu()->title() : a->text());
    EXPECT_EQ(items, QStringList({"&Show only changed", "&Refresh list", "Cl&ear list", "",
                                  "&Compare to disk...", "Compare ne&xt", "&Open report...", "",
                                  "&Export to text...", "&Find...", "Find &next", "&Goto...",
                                  "Cop&y name", "&Sort list"}));
    tab.list()->setCurrentIndex(tab.model()->index(0, 0));
    QString title;
    testing::whenShown<QInputDialog>([&title](QInputDialog& d) {
        title = d.windowTitle();
        d.setIntValue(3);
        d.accept();
    });
    QTest::keyClick(tab.list(), Qt::Key_G, Qt::ControlModifier);
    EXPECT_EQ(title, "Goto row number");
    EXPECT_EQ(tab.currentRow(), std::optional<std::size_t>(2));
}

}  // namespace
}  // namespace quillon::app
