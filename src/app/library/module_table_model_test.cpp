// The module table model: columns, sorting through positions only, links to the library rows,
// finding.
#include "app/library/module_table_model.h"

#include <QAbstractItemModelTester>

#include <gtest/gtest.h>

#include "app/widgets/icon_set.h"
#include "core/library_model.h"
#include "core/sort_library.h"
#include "support/test_workspace.h"

namespace quillon::app {
namespace {

/// Modules ZETA (3 symbols, from zeta.dll), alpha (1, from lib), MIDDLE (2, not found).
struct ModuleTableTest : ::testing::Test {
    ModuleTableTest()
    {
        addModule("ZETA", 3, "/bin/zeta.dll", true);
        addModule("alpha", 1, "/libs/app.lib", false);
        addModule("MIDDLE", 2, "/libs/app.lib", false);
        ws().library.rows[4].setFileNameDll("/bin/Alpha32.DLL");
        ws().library.rows[6].setFileNameDll("<File not found>");
        rebuildModuleTable(ws());
    }
    Workspace& ws() { return t.ws; }
    void addModule(const std::string& name, int symbols, const std::string& file, bool exe)
    {
        const std::size_t first = ws().library.rows.size();
        appendModuleRow(ws(), name, exe ? kOs32 : kOsUnknown);
        for (int s = 1; s <= symbols; ++s)
            appendSymbolRow(ws(), name + "_" + std::to_string(s), static_cast<std::uint16_t>(s));
        postProcessLoad(ws(), first, {file, exe, 0});
    }
    [[nodiscard]] QStringList column(const ModuleTableModel& model, int column) const
    {
        QStringList texts;
        for (int r = 0; r < model.rowCount(); ++r)
            texts << model.data(model.index(r, column), Qt::DisplayRole).toString();
        return texts;
    }

    quillon::testing::TestWorkspace t;
    IconSet icons;
};

TEST_F(ModuleTableTest, ShowsEveryEntryOfTheTableInItsColumns)
{
    ModuleTableModel model(ws(), icons);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    QStringList headers;
    for (int c = 0; c < model.columnCount(); ++c)
        headers << model.headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
    EXPECT_EQ(headers, QStringList({"Module name", "Number", "Level", "Exported by name",
                                    "Library file name (source)", "Located DLL files",
                                    "Compare result"}));
    EXPECT_EQ(column(model, ModuleTableModel::ModuleName),
              QStringList({"ZETA", "alpha", "MIDDLE"}));
    EXPECT_EQ(column(model, ModuleTableModel::Number), QStringList({"1", "2", "3"}));
    EXPECT_EQ(column(model, ModuleTableModel::Level), QStringList({"-1", "-1", "-1"}));
    EXPECT_EQ(column(model, ModuleTableModel::ExportedByName), QStringList({"3", "1", "2"}));
    EXPECT_EQ(column(model, ModuleTableModel::SourceFile),
              QStringList({"/bin/zeta.dll", "/libs/app.lib", "/libs/app.lib"}));
    EXPECT_EQ(column(model, ModuleTableModel::LocatedFile),
              QStringList({"/bin/zeta.dll", "/bin/Alpha32.DLL", "<File not found>"}));
    // The module name carries the module row's icon.
    const auto icon = model.data(model.index(0, 0), Qt::DecorationRole).value<QIcon>();
    EXPECT_EQ(icon.cacheKey(), icons.listIcon(ws().library.rows[0].ICON).cacheKey());
}

TEST_F(ModuleTableTest, SortingOrdersTheViewAndLeavesTheLibraryAlone)
{
    const LibraryList rows = ws().library.rows;
    const ModuleTable modules = ws().library.modules;
    ModuleTableModel model(ws(), icons);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);

    model.sort(ModuleTableModel::ExportedByName, Qt::DescendingOrder);
    EXPECT_EQ(column(model, ModuleTableModel::ModuleName),
              QStringList({"ZETA", "MIDDLE", "alpha"}));
    model.sort(ModuleTableModel::ModuleName, Qt::AscendingOrder);  // letter case ignored
    EXPECT_EQ(column(model, ModuleTableModel::ModuleName),
              QStringList({"alpha", "MIDDLE", "ZETA"}));
    model.sort(ModuleTableModel::LocatedFile, Qt::DescendingOrder);
    EXPECT_EQ(column(model, ModuleTableModel::ModuleName),
              QStringList({"MIDDLE", "ZETA", "alpha"}));
    EXPECT_EQ(model.entryOf(0), 2u);
    EXPECT_EQ(model.rowOfEntry(2), 0);
    model.sort(-1);
    EXPECT_EQ(column(model, ModuleTableModel::Number), QStringList({"1", "2", "3"}));

    EXPECT_EQ(ws().library.rows, rows);
    EXPECT_EQ(ws().library.modules, modules);
}

TEST_F(ModuleTableTest, RefreshKeepsTheSortColumn)
{
    ModuleTableModel model(ws(), icons);
    model.sort(ModuleTableModel::ExportedByName, Qt::AscendingOrder);
    addModule("BIG", 5, "/libs/app.lib", false);
    model.refresh();
    EXPECT_EQ(column(model, ModuleTableModel::ModuleName),
              QStringList({"alpha", "MIDDLE", "ZETA", "BIG"}));
}

TEST_F(ModuleTableTest, EntriesFindTheirModuleRowsInASortedLibrary)
{
    sortLibrary(ws(), SortOrder::FileOrder, true);  // module rows now in reverse order
    ModuleTableModel model(ws(), icons);
    for (std::size_t e = 0; e < 3; ++e) {
        const auto row = model.libraryRowOf(e);
        ASSERT_TRUE(row.has_value()) << e;
        EXPECT_EQ(ws().library.rows[*row].MODULENAME, ws().library.modules[e].MODULENAME);
        EXPECT_TRUE(ws().library.rows[*row].isModule());
    }
}

TEST_F(ModuleTableTest, FindMatchesNamesAndFilesFromTheStartRowRound)
{
    ModuleTableModel model(ws(), icons);
    EXPECT_EQ(model.findRow("mid", 0), 2);
    EXPECT_EQ(model.findRow("ALPHA32", 0), 1);  // the located file
    EXPECT_EQ(model.findRow("app.lib", 0), 1);
    EXPECT_EQ(model.findRow("app.lib", 2), 2);
    EXPECT_EQ(model.findRow("zeta", 1), 0);  // wraps round to the top
    EXPECT_EQ(model.findRow("nothing", 0), std::nullopt);
    EXPECT_EQ(model.findRow("", 0), std::nullopt);
}

TEST_F(ModuleTableTest, ATableShrunkBeforeTheRefreshReadsNothingPastItsEnd)
{
    ModuleTableModel model(ws(), icons);
    ws().library.modules.resize(1);
    ws().library.rows.resize(2);
    EXPECT_FALSE(model.data(model.index(2, 0), Qt::DisplayRole).isValid());
    EXPECT_FALSE(model.data(model.index(2, 0), Qt::DecorationRole).isValid());
    EXPECT_EQ(model.libraryRowOf(1), std::nullopt);
    EXPECT_EQ(model.findRow("MIDDLE", 0), std::nullopt);
    model.refresh();
    EXPECT_EQ(model.rowCount(), 1);
}

}  // namespace
}  // namespace quillon::app
