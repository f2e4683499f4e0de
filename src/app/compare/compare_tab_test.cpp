// The "Disk-compare" tab: its model's columns, colours, filter and sorting, and the compare
// commands of the main window from the dialog to the report window.
#include "app/compare/compare_tab.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QColor>
#include <QComboBox>
#include <QFontInfo>
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
    /// The window with the "Disk-compare" tab shown over three compared rows, one unchanged.
    CompareTab& withRows()
    {
        ws.options.UseShowCompare = 1;
        ws.options.UseExportTextCopy = 1;
        ws.options.UseExportTextNotepad = 1;
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
    addLibrary(ws, 2, 3);
    ws.options.UseShowCompare = 1;
    ws.settings().writeNumber(reports::kCompareSection, "UseAutoCompare", 0);
    ws.settings().writeNumber(reports::kCompareSection, "UseShowReport", 1);
    const std::string dll = folder.write(
        "mod1.dll",
        quillon::testing::buildPeWithNames({"Func_1_1", "FUNC_1_2", "Func_1_3"}, "MOD1").bytes);
    MainWindow& w = window();
    w.applyOptions();
    w.libraryReplaced();
    w.selectRow(2);
    w.compareController()->setDialogSeam([&](CompareDialog& dialog) {
        EXPECT_EQ(dialog.moduleBox()->currentText(), "MOD1");
        dialog.fileEdit()->setText(QString::fromStdString(dll));
        return true;
    });
    w.actions().compareModule->trigger();

    CompareTab* tab = w.compareTab();
    EXPECT_EQ(tab->model()->rowCount(), 3);
    EXPECT_EQ(reports::moduleCompareResult(ws, "MOD1"), "Minor changes");
    EXPECT_EQ(reports::readCompareFiles(ws.settings(), 10), std::vector<std::string>{dll});
    w.tabs()->setCurrentWidget(tab);
    w.updateStatus();
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

}  // namespace
}  // namespace quillon::app
