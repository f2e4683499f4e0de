// The library tree model: Qt's model checks, row mapping and change signals.
#include "app/library/library_tree_model.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>

#include "app/testing/gui_fixture.h"
#include "app/widgets/icon_set.h"
#include "core/library_edit.h"

namespace quillon::app {
namespace {

using testing::addLibrary;
using testing::GuiFixture;

class LibraryTreeModelTest : public GuiFixture {
protected:
    IconSet icons;
};

TEST_F(LibraryTreeModelTest, PassesTheModelTesterThroughLoadsEditsAndClearing)
{
    LibraryTreeModel model(ws, icons);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    EXPECT_EQ(model.rowCount(), 0);
    model.resetWith([&] { addLibrary(ws, 3, 4); });
    model.resetWith([&] { addLibrary(ws, 2, 0); });  // modules without symbols
    EXPECT_EQ(model.rowCount(), 5);
    toggleMark(ws, 2);
    model.rowsChanged(0, ws.library.rows.size());
    model.allRowsChanged();
    setAllMarks(ws, false);
    model.resetWith([&] { deleteRows(ws, std::size_t{0}); });
    EXPECT_EQ(model.rowCount(), 4);
    model.resetWith([&] { clearLibrary(ws); });
    EXPECT_EQ(model.rowCount(), 0);
}

TEST_F(LibraryTreeModelTest, RowsStayVisibleAndSafeWhileAChangeRuns)
{
    addLibrary(ws, 3, 2);
    LibraryTreeModel model(ws, icons);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    QSignalSpy resets(&model, &QAbstractItemModel::modelReset);
    model.resetWith([&] {
        // A message box in the middle of a change: the library is still shown.
        EXPECT_EQ(model.rowCount(), 3);
        EXPECT_EQ(model.data(model.index(2, 0), Qt::DisplayRole).toString(), "MOD3");
        model.resetWith([&] { deleteRows(ws, std::size_t{0}); });
        EXPECT_EQ(resets.count(), 0);
        clearLibrary(ws);
        // Positions past the shortened list read as nothing, never out of bounds.
        EXPECT_FALSE(model.data(model.index(2, 0), Qt::DisplayRole).isValid());
        EXPECT_EQ(model.rowCount(model.index(1, 0)), 0);
        EXPECT_FALSE(model.index(0, 0, model.index(0, 0)).isValid());
    });
    EXPECT_EQ(resets.count(), 1);
    EXPECT_EQ(model.rowCount(), 0);
}

TEST_F(LibraryTreeModelTest, ModulesAreTopLevelAndSymbolsTheirChildren)
{
    addLibrary(ws, 2, 3);
    LibraryTreeModel model(ws, icons);
    ASSERT_EQ(model.rowCount(), 2);
    const QModelIndex second = model.index(1, 0);
    EXPECT_EQ(model.rowCount(second), 3);
    EXPECT_EQ(model.data(second, Qt::DisplayRole).toString(), "MOD2");
    const QModelIndex symbol = model.index(2, LibraryTreeModel::Ordinal, second);
    EXPECT_EQ(model.data(symbol, Qt::DisplayRole).toString(), "3");
    EXPECT_EQ(model.data(model.index(2, LibraryTreeModel::OrdinalHex, second), Qt::DisplayRole)
                  .toString(),
              "0003");
    EXPECT_EQ(
        model.data(model.index(2, LibraryTreeModel::Unsorted, second), Qt::DisplayRole).toString(),
        "8");
    EXPECT_EQ(model.data(model.index(2, 0, second), Qt::DisplayRole).toString(), "Func_2_3");
    EXPECT_EQ(model.parent(symbol), second);
    EXPECT_EQ(model.headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(), "Module/Function");
}

TEST_F(LibraryTreeModelTest, IndexOfRowAndRowOfAreInverse)
{
    addLibrary(ws, 4, 5);
    LibraryTreeModel model(ws, icons);
    for (std::size_t row = 0; row < ws.library.rows.size(); ++row) {
        const QModelIndex index = model.indexOfRow(row);
        ASSERT_TRUE(index.isValid()) << row;
        EXPECT_EQ(model.rowOf(index), row);
    }
    EXPECT_FALSE(model.indexOfRow(ws.library.rows.size()).isValid());
}

TEST_F(LibraryTreeModelTest, ModuleTextsAreShownFromWindows1252)
{
    addLibrary(ws, 1, 1);
    ws.library.rows[1].SYMBOL = "Caf\xE9";
    LibraryTreeModel model(ws, icons);
    EXPECT_EQ(model.data(model.index(0, 0, model.index(0, 0)), Qt::DisplayRole).toString(),
              QString::fromUtf8("Caf\xC3\xA9"));
}

TEST_F(LibraryTreeModelTest, ChangedRowsAreSignalledPerParent)
{
    addLibrary(ws, 2, 3);
    LibraryTreeModel model(ws, icons);
    QSignalSpy spy(&model, &QAbstractItemModel::dataChanged);
    model.rowsChanged(2, 6);  // two symbols of module 1, module 2 and its first symbol
    ASSERT_EQ(spy.count(), 3);
    EXPECT_EQ(spy[0][0].value<QModelIndex>(), model.indexOfRow(2));
    EXPECT_EQ(spy[1][0].value<QModelIndex>(), model.indexOfRow(4));
    EXPECT_EQ(spy[2][0].value<QModelIndex>(), model.indexOfRow(5));
}

TEST_F(LibraryTreeModelTest, RowIconsFollowTheIconNumbers)
{
    addLibrary(ws, 1, 1);
    LibraryTreeModel model(ws, icons);
    const QModelIndex symbol = model.index(0, 0, model.index(0, 0));
    const auto plain = model.data(symbol, Qt::DecorationRole).value<QIcon>().pixmap(16).toImage();
    toggleMark(ws, 1);
    const auto marked = model.data(symbol, Qt::DecorationRole).value<QIcon>().pixmap(16).toImage();
    EXPECT_FALSE(plain.isNull());
    EXPECT_NE(plain, marked);
}

}  // namespace
}  // namespace quillon::app
