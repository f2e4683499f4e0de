// The library data window (F4): summary, module table, find, selecting in the tree, locating
// with its search results, and the layout it keeps in the settings file.
#include "app/library/library_data_window.h"
#include "locate/locate_state.h"

#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSplitter>
#include <QTableView>
#include <QTest>
#include <QTreeView>

#include <filesystem>

#include "app/library/library_data_format.h"
#include "app/library/library_tree_model.h"
#include "app/library/module_table_model.h"
#include "app/library/search_results_model.h"
#include "app/library/search_results_window.h"
#include "app/testing/gui_fixture.h"
#include "settings/list_format.h"
#include "support/exe_builder.h"
#include "support/lib_builder.h"

namespace quillon::app {
namespace {

using testing::addLibrary;

class LibraryDataWindowTest : public testing::GuiFixture {
protected:
    /// Opens the window over a library of three modules of four symbols with F4.
    LibraryDataWindow& open(int modules = 3, int symbols = 4)
    {
        addLibrary(ws, modules, symbols);
        ws.library.LibraryFileName = "/libs/test.lib";
        window().libraryReplaced();
        key(Qt::Key_F4);
        LibraryDataWindow* data = LibraryDataWindow::of(window());
        EXPECT_NE(data, nullptr);
        return *data;
    }
    static QString cell(const LibraryDataWindow& data, int row, int column)
    {
        return data.model()->data(data.model()->index(row, column), Qt::DisplayRole).toString();
    }
    static QStringList names(const LibraryDataWindow& data)
    {
        QStringList texts;
        for (int r = 0; r < data.model()->rowCount(); ++r)
            texts << cell(data, r, ModuleTableModel::ModuleName);
        return texts;
    }
    /// Makes the window active with the focus on its table, as a person's click would.
    static void focusTable(LibraryDataWindow& data)
    {
        QApplication::setActiveWindow(&data);
        (void)QTest::qWaitForWindowActive(&data);
        data.table()->setFocus();
    }
    std::string ini(const char* section, const char* key)
    {
        return settings.readSetting(section, key, "<absent>");
    }
};

TEST_F(LibraryDataWindowTest, F4ShowsTheSummaryAndEveryModuleWithItsCounts)
{
    EXPECT_FALSE(window().actions().libraryData->isEnabled());  // nothing to show yet
    LibraryDataWindow& data = open(3, 4);
    EXPECT_TRUE(data.isVisible());
    EXPECT_EQ(data.windowTitle(), "Clarion Quillon 32 - Library data");
    EXPECT_EQ(data.libraryFileText(), "/libs/test.lib");
    EXPECT_EQ(data.moduleCountText(), "3");
    EXPECT_EQ(data.functionCountText(), "12");
    EXPECT_EQ(names(data), QStringList({"MOD1", "MOD2", "MOD3"}));
    for (int r = 0; r < 3; ++r) {
        EXPECT_EQ(cell(data, r, ModuleTableModel::Number), QString::number(r + 1));
        EXPECT_EQ(cell(data, r, ModuleTableModel::ExportedByName), "4");
        EXPECT_EQ(cell(data, r, ModuleTableModel::SourceFile), "/libs/test.lib");
    }
    // F4 again shows the same window.
    key(Qt::Key_F4);
    EXPECT_EQ(window().findChildren<LibraryDataWindow*>().size(), 1);
}

TEST_F(LibraryDataWindowTest, SortingByAHeaderLeavesTheLibraryRowsAsTheyWere)
{
    LibraryDataWindow& data = open(3, 2);
    const LibraryList rows = ws.library.rows;
    QHeaderView* header = data.table()->horizontalHeader();
    const int x = header->sectionViewportPosition(ModuleTableModel::Number) + 5;
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(x, header->height() / 2));
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(x, header->height() / 2));
    EXPECT_EQ(header->sortIndicatorSection(), ModuleTableModel::Number);
    EXPECT_EQ(names(data), QStringList({"MOD3", "MOD2", "MOD1"}));
    EXPECT_EQ(ws.library.rows, rows);
    EXPECT_EQ(window().model()->rowCount(), 3);
    EXPECT_EQ(window().model()->data(window().model()->index(0, 0), Qt::DisplayRole), "MOD1");
}

TEST_F(LibraryDataWindowTest, FindSelectsTheNextMatchingModuleAndWrapsRound)
{
    LibraryDataWindow& data = open(12, 1);
    data.table()->setCurrentIndex(data.model()->index(0, 0));
    QTest::keyClicks(data.findEdit(), "od1");
    QTest::keyClick(data.findEdit(), Qt::Key_Return);
    EXPECT_EQ(data.currentModuleEntry(), 9u);  // MOD10
    EXPECT_TRUE(data.findNext("od1"));
    EXPECT_EQ(data.currentModuleEntry(), 10u);  // MOD11
    EXPECT_TRUE(data.findNext("od1"));
    EXPECT_TRUE(data.findNext("od1"));
    EXPECT_EQ(data.currentModuleEntry(), 0u);  // round to MOD1
    EXPECT_FALSE(data.findNext("KERNEL"));
    EXPECT_EQ(data.currentModuleEntry(), 0u);
    // The seam a search over the module table uses.
    EXPECT_TRUE(data.selectModuleEntry(4));
    EXPECT_EQ(cell(data, data.table()->currentIndex().row(), 0), "MOD5");
    EXPECT_FALSE(data.selectModuleEntry(12));
}

TEST_F(LibraryDataWindowTest, F3FindsTheStoredKeywordsInTheModuleTable)
{
    LibraryDataWindow& data = open();
    settings.writeSetting("Search", "SearchString", "mod3");
    focusTable(data);
    QTest::keyClick(data.table(), Qt::Key_F3);
    EXPECT_EQ(data.currentModuleEntry(), std::optional<std::size_t>(2));
    data.close();
}

TEST_F(LibraryDataWindowTest, FindNextFollowsTheSortShownAndReportsTheRowShown)
{
    ws.options.UseStatusBar = true;
    LibraryDataWindow& data = open();
    data.table()->sortByColumn(ModuleTableModel::ModuleName, Qt::DescendingOrder);
    ASSERT_EQ(names(data), QStringList({"MOD3", "MOD2", "MOD1"}));
    settings.writeSetting("Search", "SearchString", "mod");
    focusTable(data);
    data.table()->setCurrentIndex(data.model()->index(0, 0));
    QTest::keyClick(data.table(), Qt::Key_F3);
    EXPECT_EQ(data.table()->currentIndex().row(), 1);
    EXPECT_EQ(qtUi.statusText(1), "Keyword found in row #2");
    QTest::keyClick(data.table(), Qt::Key_F3);
    EXPECT_EQ(cell(data, data.table()->currentIndex().row(), ModuleTableModel::ModuleName),
              "MOD1");
    EXPECT_EQ(qtUi.statusText(1), "Keyword found in row #3");
    data.close();
}

TEST_F(LibraryDataWindowTest, DoubleClickSelectsTheModuleInTheLibraryTree)
{
    LibraryDataWindow& data = open(3, 4);
    data.table()->sortByColumn(ModuleTableModel::Number, Qt::DescendingOrder);
    const QRect cellRect = data.table()->visualRect(data.model()->index(0, 0));
    QTest::mouseClick(data.table()->viewport(), Qt::LeftButton, {}, cellRect.center());
    QTest::mouseDClick(data.table()->viewport(), Qt::LeftButton, {}, cellRect.center());
    EXPECT_EQ(window().selectedRow(), 10u);  // MOD3's module row
    EXPECT_EQ(window().tabs()->currentIndex(), 0);
}

TEST_F(LibraryDataWindowTest, FollowsTheLibraryWhileOpenAndWhenShownAgain)
{
    LibraryDataWindow& data = open(3, 4);
    window().selectRow(0);
    window().actions().removeModule->trigger();
    EXPECT_EQ(names(data), QStringList({"MOD2", "MOD3"}));
    EXPECT_EQ(data.functionCountText(), "8");
    data.close();
    addLibrary(ws, 2, 1);
    window().libraryReplaced();
    key(Qt::Key_F4);
    EXPECT_TRUE(data.isVisible());
    EXPECT_EQ(data.moduleCountText(), "4");
    EXPECT_EQ(names(data), QStringList({"MOD2", "MOD3", "MOD1", "MOD2"}));
}

TEST_F(LibraryDataWindowTest, ClosingWritesPlacementSplitterBarAndTableFormat)
{
    LibraryDataWindow& data = open();
    data.setGeometry(40, 50, 700, 460);
    data.table()->setColumnWidth(ModuleTableModel::ModuleName, 123);
    const int bar = data.splitter()->mapTo(&data, QPoint(0, 0)).y() + data.splitter()->sizes()[0];
    QTest::keyClick(data.table(), Qt::Key_Escape);
    EXPECT_FALSE(data.isVisible());
    EXPECT_EQ(ini("ModuleWindow", "Maximize"), "No");
    EXPECT_EQ(ini("ModuleWindow", "XPosit"), "40");
    EXPECT_EQ(ini("ModuleWindow", "YPosit"), "50");
    EXPECT_EQ(ini("ModuleWindow", "Width"), "700");
    EXPECT_EQ(ini("ModuleWindow", "Height"), "460");
    EXPECT_EQ(ini("ModuleWindow", "BarY"), std::to_string(bar));
    const std::string format = ini("Format", "Cla:List1:Format");
    EXPECT_TRUE(format.starts_with("123L~Module name~")) << format;
    EXPECT_TRUE(settings::isUsableLibraryDataFormat(format));
    EXPECT_EQ(ini("Format", "Cla:List1:Format:Default"), libraryDataDesignFormat());
}

TEST_F(LibraryDataWindowTest, OpensWhereItWasLeft)
{
    settings.writeSetting("ModuleWindow", "XPosit", "30");
    settings.writeSetting("ModuleWindow", "YPosit", "35");
    settings.writeSetting("ModuleWindow", "Width", "760");
    settings.writeSetting("ModuleWindow", "Height", "500");
    settings.writeSetting("ModuleWindow", "BarY", "150");
    std::vector<int> widths = libraryDataFormatWidths(libraryDataDesignFormat());
    widths[ModuleTableModel::LocatedFile] = 77;
    settings.writeSetting("Format", "Cla:List1:Format", libraryDataFormat(widths));
    LibraryDataWindow& data = open();
    EXPECT_EQ(data.geometry(), QRect(30, 35, 760, 500));
    EXPECT_EQ(data.splitter()->mapTo(&data, QPoint(0, 0)).y() + data.splitter()->sizes()[0], 150);
    EXPECT_EQ(data.table()->columnWidth(ModuleTableModel::LocatedFile), 77);
}

TEST_F(LibraryDataWindowTest, AStoredFormatWithoutTheColoursIsNotApplied)
{
    settings.writeSetting("Format", "Cla:List1:Format", "300L|5R|5R|5R|5R|5R");
    LibraryDataWindow& data = open();
    EXPECT_EQ(data.table()->columnWidth(ModuleTableModel::ModuleName), 140);
}

/// A LIB file of modules TOOLS and MISSING, and TOOLS.DLL (a PE file) in a folder of its own
/// that the search tries first.
class LocateFromWindowTest : public LibraryDataWindowTest {
protected:
    LocateFromWindowTest()
    {
        for (const char* sub : {"sys", "win", "start", "dlls"})
            std::filesystem::create_directories(folder.path() / sub);
        locate::LocateEnvironment env;
        env.systemFolder = folder.file("sys") + "/";
        env.windowsFolder = folder.file("win") + "/";
        env.startupFolder = folder.file("start") + "/";
        locate::state(ws).environment = env;
        locate::AutolocateOptions options;
        options.UsePriorityPath = true;
        options.FirstFolder = folder.file("dlls");
        options.UseVerifyOSAutolocate = true;
        locate::state(ws).fixedOptions = options;
        ws.options.UseNoMessages = true;
        ws.options.UseStatusBar = true;
        dll = folder.write("dlls/TOOLS.DLL",
                           quillon::testing::buildPeWithNames({"Alpha"}, "TOOLS.dll").bytes);
        lib = folder.write("tools.lib", quillon::testing::libBytes({{"TOOLS", "Alpha", 1},
                                                                    {"MISSING", "Beta", 2},
                                                                    {"OTHER", "Gamma", 3}}));
    }
    LibraryDataWindow& openLib()
    {
        EXPECT_TRUE(window().openFile(lib));
        ws.options.UseBitCheck = BitCheck::SynchronizeManually;
        key(Qt::Key_F4);
        return *LibraryDataWindow::of(window());
    }
    [[nodiscard]] RowIcon treeIcon(int module) const
    {
        return ws.library
            .rows[const_cast<LocateFromWindowTest*>(this)->window().model()->moduleRow(
                static_cast<std::size_t>(module))]
            .ICON;
    }

    std::string dll;
    std::string lib;
};

TEST_F(LocateFromWindowTest, LocatingShowsTheResultsAndTheTreeFollowsTheBitness)
{
    LibraryDataWindow& data = openLib();
    EXPECT_EQ(treeIcon(0), RowIcon::ShutFold);  // from a LIB file: no bitness yet
    focusTable(data);
    QTest::keyClick(data.table(), Qt::Key_F3, Qt::ControlModifier);

    EXPECT_EQ(qtUi.statusText(1), "1 of 3 files located - Press F4 for filelist");
    EXPECT_EQ(ws.library.rows[0].OS, kOs32);
    EXPECT_EQ(treeIcon(0), RowIcon::ShutFold32);        // 32-bit
    EXPECT_EQ(treeIcon(1), RowIcon::ShutFoldNotFound);  // not found
    const QIcon shown =
        window().model()->data(window().model()->index(0, 0), Qt::DecorationRole).value<QIcon>();
    EXPECT_EQ(shown.cacheKey(), window().icons().listIcon(RowIcon::ShutFold32).cacheKey());
    const QString tip =
        window().model()->data(window().model()->index(1, 0), Qt::ToolTipRole).toString();
    EXPECT_EQ(tip, QString::fromStdString(lib) + "\n<File not found>");

    EXPECT_EQ(cell(data, 0, ModuleTableModel::LocatedFile), QString::fromStdString(dll));
    EXPECT_EQ(cell(data, 1, ModuleTableModel::LocatedFile), "<File not found>");

    SearchResultsWindow* results = SearchResultsWindow::of(window());
    ASSERT_NE(results, nullptr);
    EXPECT_TRUE(results->isVisible());
    const SearchResultsModel* model = results->model();
    ASSERT_EQ(model->rowCount(), 3);
    auto text = [&](int row, int column) {
        return model->data(model->index(row, column), Qt::DisplayRole).toString();
    };
    EXPECT_EQ(text(0, SearchResultsModel::Module), "TOOLS");
    EXPECT_EQ(text(0, SearchResultsModel::Path) + text(0, SearchResultsModel::File),
              QString::fromStdString(dll));
    EXPECT_EQ(text(0, SearchResultsModel::Source), "PriorityPath");
    EXPECT_TRUE(text(0, SearchResultsModel::Settings).contains(" OS")) << text(0, 7).toStdString();
    EXPECT_EQ(text(1, SearchResultsModel::Module), "MISSING");
    EXPECT_TRUE(text(1, SearchResultsModel::Processes).startsWith(" MData Pri"))
        << text(1, SearchResultsModel::Processes).toStdString();
}

TEST_F(LocateFromWindowTest, LocatingTheSelectedModuleLocatesOnlyThatOne)
{
    LibraryDataWindow& data = openLib();
    data.table()->setCurrentIndex(data.model()->index(0, 0));
    focusTable(data);
    QTest::keyClick(data.table(), Qt::Key_L, Qt::ShiftModifier);
    EXPECT_EQ(ws.library.modules[0].FILENAMEDLL, dll);
    EXPECT_EQ(ws.library.modules[1].FILENAMEDLL, "");
    EXPECT_EQ(treeIcon(0), RowIcon::ShutFold32);
    EXPECT_EQ(data.currentModuleEntry(), 0u);
    ASSERT_NE(SearchResultsWindow::of(window()), nullptr);
    EXPECT_EQ(SearchResultsWindow::of(window())->model()->rowCount(), 1);
}

TEST_F(LocateFromWindowTest, EscapeCancelsALocateRunAndLeavesTheWindowOpen)
{
    LibraryDataWindow& data = openLib();
    clock.now += 100;  // the poll looks at the keys again
    QApplication::postEvent(data.table(),
                            new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier));
    data.locateAll();
    EXPECT_EQ(qtUi.statusText(3), "Interrupted!");
    EXPECT_EQ(ws.library.rows[0].OS, kOsUnknown);
    EXPECT_TRUE(locate::state(ws).results.empty());
    EXPECT_TRUE(data.isVisible());
    EXPECT_FALSE(qtUi.busy());
}

}  // namespace
}  // namespace quillon::app

namespace quillon::app {
namespace {

TEST_F(LibraryDataWindowTest, LevelFollowsExpandingInTheTree)
{
    LibraryDataWindow& data = open(2, 2);
    EXPECT_EQ(cell(data, 0, ModuleTableModel::Level), "-1");
    window().tree()->expand(window().model()->index(0, 0));
    EXPECT_EQ(cell(data, 0, ModuleTableModel::Level), "1");
    EXPECT_EQ(cell(data, 1, ModuleTableModel::Level), "-1");
}

}  // namespace
}  // namespace quillon::app
