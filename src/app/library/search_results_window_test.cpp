// The search results window: its model over the results, refreshing, one instance, placement.
#include "app/library/search_results_window.h"
#include "locate/locate_state.h"

#include <QAbstractItemModelTester>
#include <QTableView>

#include "app/library/search_results_model.h"
#include "app/testing/gui_fixture.h"

namespace quillon::app {
namespace {

locate::ResultRow result(const std::string& module, const std::string& file)
{
    locate::ResultRow row;
    row.MODULE = module;
    row.FILE = file;
    row.PATH = "/sys/";
    row.SOURCE = "SystemDir";
    row.TIME = 360000 + 6000 + 512;  // 1:01:05.12
    row.PROCESSTIME = 25;
    row.PROCESSTIMESTATIC = "00.25 seconds";
    row.PROCESSES = " MData Pri2 Sys";
    row.SETTINGS = " Relax Shallow:500";
    return row;
}

using SearchResultsTest = testing::GuiFixture;

TEST_F(SearchResultsTest, ModelListsEachResultUnderTheFieldNames)
{
    locate::state(ws).results = {result("KERNEL", "KRNL386.EXE"), result("USER", "USER.EXE")};
    SearchResultsModel model(ws);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    QStringList headers;
    QStringList first;
    for (int c = 0; c < model.columnCount(); ++c) {
        headers << model.headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
        first << model.data(model.index(0, c), Qt::DisplayRole).toString();
    }
    EXPECT_EQ(headers, QStringList({"MODULE", "FILE", "PATH", "SOURCE", "TIME", "PROCESSTIME",
                                    "PROCESSES", "SETTINGS"}));
    EXPECT_EQ(first, QStringList({"KERNEL", "KRNL386.EXE", "/sys/", "SystemDir", "1:01:05.12",
                                  "00.25 seconds", " MData Pri2 Sys", " Relax Shallow:500"}));

    locate::state(ws).results.push_back(result("GDI", "GDI.EXE"));
    EXPECT_EQ(model.rowCount(), 2);  // until told
    model.refresh();
    ASSERT_EQ(model.rowCount(), 3);
    EXPECT_EQ(model.data(model.index(2, 0), Qt::DisplayRole), "GDI");
    // Results dropped before the views are told are not read.
    locate::state(ws).results.clear();
    EXPECT_FALSE(model.data(model.index(2, 0), Qt::DisplayRole).isValid());
    model.refresh();
    EXPECT_EQ(model.rowCount(), 0);
}

TEST(ClockText, HoursMinutesSecondsAndHundredths)
{
    EXPECT_EQ(clockText(0), "0:00:00.00");
    EXPECT_EQ(clockText(99), "0:00:00.99");
    EXPECT_EQ(clockText(8640000 + 100), "24:00:01.00");
    EXPECT_EQ(clockText(-5), "0:00:00.00");
}

TEST_F(SearchResultsTest, OneWindowFollowingTheResultsWithItsPlacement)
{
    settings.writeNumber("FolderWindow", "XPosit", 20);
    settings.writeNumber("FolderWindow", "YPosit", 25);
    settings.writeNumber("FolderWindow", "Width", 640);
    settings.writeNumber("FolderWindow", "Height", 300);
    locate::state(ws).results = {result("KERNEL", "KRNL386.EXE")};
    SearchResultsWindow* results = SearchResultsWindow::showFor(window());
    EXPECT_EQ(results->windowTitle(), "Clarion Quillon 32 - Search results");
    EXPECT_EQ(results->geometry(), QRect(20, 25, 640, 300));
    EXPECT_EQ(results->model()->rowCount(), 1);

    // Every locate run rebuilds the library tree; the window follows it.
    locate::state(ws).results.push_back(result("USER", "USER.EXE"));
    window().libraryReplaced();
    EXPECT_EQ(results->model()->rowCount(), 2);
    EXPECT_EQ(SearchResultsWindow::showFor(window()), results);

    results->setGeometry(30, 35, 700, 320);
    results->close();
    EXPECT_EQ(settings.readSetting("FolderWindow", "XPosit"), "30");
    EXPECT_EQ(settings.readSetting("FolderWindow", "YPosit"), "35");
    EXPECT_EQ(settings.readSetting("FolderWindow", "Width"), "700");
    EXPECT_EQ(settings.readSetting("FolderWindow", "Height"), "320");
    EXPECT_EQ(settings.readSetting("FolderWindow", "Maximize"), "No");
    EXPECT_EQ(window().findChildren<SearchResultsWindow*>().size(), 1);
}

TEST_F(SearchResultsTest, PlacementIsKeptWhenTheProgramEndsWithTheWindowOpen)
{
    {
        auto* results = SearchResultsWindow::showFor(window());
        results->setGeometry(15, 16, 500, 250);
        delete results;  // as the main window's end deletes it
    }
    EXPECT_EQ(settings.readSetting("FolderWindow", "Width"), "500");
}

}  // namespace
}  // namespace quillon::app
