// Editing the library by hand in the window: in place and in the "Edit symbol" dialog.
#include <QAbstractItemModelTester>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <QTreeView>

#include <functional>

#include "app/library/edit_symbol_dialog.h"
#include "app/library/library_tree_model.h"
#include "app/testing/gui_fixture.h"

namespace quillon::app {
namespace {

using testing::addLibrary;
using testing::whenShown;

class EditTest : public testing::GuiFixture {
protected:
    MainWindow& withLibrary(std::size_t select)
    {
        ws.options.UseStatusBar = true;
        addLibrary(ws, 3, 10);
        MainWindow& w = window();
        w.libraryReplaced();
        w.selectRow(select);
        w.tree()->setFocus();
        return w;
    }
    /// The open in-place editor (a closed one is only hidden until it is deleted).
    QLineEdit* editor(MainWindow& w)
    {
        for (auto* edit : w.tree()->findChildren<QLineEdit*>("inPlaceEditor")) {
            if (edit->isVisible())
                return edit;
        }
        return nullptr;
    }
    void type(QLineEdit* edit, const QString& text)
    {
        edit->selectAll();
        QTest::keyClicks(edit, text);
        QTest::keyClick(edit, Qt::Key_Return);
    }
};

TEST_F(EditTest, F2EditsTheNameInPlaceAndEnterStoresIt)
{
    MainWindow& w = withLibrary(2);
    key(Qt::Key_F2);
    QLineEdit* edit = editor(w);
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->text(), "Func_1_2");
    type(edit, "Renamed");
    EXPECT_EQ(ws.library.rows[2].SYMBOL, "Renamed");
    EXPECT_TRUE(ws.library.LibraryChanged);
    EXPECT_EQ(editor(w), nullptr);
}

TEST_F(EditTest, AClickOnTheSelectedRowStartsNoEditSoTheNextKeyRunsItsCommand)
{
    MainWindow& w = withLibrary(2);
    const QRect cell = w.tree()->visualRect(w.model()->indexOfRow(2));
    QTest::mouseClick(w.tree()->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
    // An editor started by the click would open once the double-click time has passed.
    QTest::qWait(QApplication::doubleClickInterval() + 200);
    EXPECT_EQ(editor(w), nullptr);
    EXPECT_EQ(w.selectedRow(), std::optional<std::size_t>(2));
    QTest::keyClick(w.tree(), Qt::Key_Space);  // "&Toggle mark"
    EXPECT_EQ(ws.library.rows[2].MARK, 1);
    EXPECT_EQ(ws.library.rows[2].SYMBOL, "Func_1_2");
}

TEST_F(EditTest, ABlankNameInPlaceIsRefusedAndTheFieldKeepsTheOldName)
{
    MainWindow& w = withLibrary(2);
    key(Qt::Key_F2);
    QLineEdit* edit = editor(w);
    ASSERT_NE(edit, nullptr);
    edit->clear();
    QTest::keyClick(edit, Qt::Key_Return);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].title, "CLARION QUILLON 32 - Edit error!");
    EXPECT_EQ(qtUi.statusText(1), "Name cannot be blank!");
    ASSERT_EQ(editor(w), edit);  // still open
    EXPECT_EQ(edit->text(), "Func_1_2");
    EXPECT_EQ(ws.library.rows[2].SYMBOL, "Func_1_2");
    QTest::keyClick(edit, Qt::Key_Escape);
    EXPECT_FALSE(ws.library.LibraryChanged);
}

TEST_F(EditTest, ModuleNamesAndOrdinalsAreEditableUnlessEditInPlaceIsOff)
{
    MainWindow& w = withLibrary(0);
    LibraryTreeModel* model = w.model();
    const QModelIndex module = model->indexOfRow(11);
    ASSERT_TRUE(model->setData(module, "NEWNAME", Qt::EditRole));
    EXPECT_EQ(ws.library.rows[15].MODULENAME, ModuleName("NEWNAME"));
    EXPECT_EQ(ws.library.modules[1].MODULENAME, ModuleName("NEWNAME"));
    EXPECT_FALSE(model->flags(model->indexOfRow(11, LibraryTreeModel::Ordinal)) &
                 Qt::ItemIsEditable);
    const QModelIndex ordinal = model->indexOfRow(12, LibraryTreeModel::Ordinal);
    EXPECT_TRUE(model->setData(ordinal, "700", Qt::EditRole));
    EXPECT_EQ(ws.library.rows[12].ORDINAL, 700);
    ws.options.UseNoEditInPlace = true;
    EXPECT_FALSE(model->flags(ordinal) & Qt::ItemIsEditable);
    EXPECT_FALSE(model->setData(ordinal, "800", Qt::EditRole));
    w.selectRow(3);
    key(Qt::Key_F2);
    EXPECT_EQ(editor(w), nullptr);
}

TEST_F(EditTest, InsertOpensTheEditSymbolDialogWhichInsertsANewSymbol)
{
    MainWindow& w = withLibrary(14);  // the third symbol of module 2
    QAbstractItemModelTester tester(w.model(),
                                    QAbstractItemModelTester::FailureReportingMode::Fatal);
    bool sawRefusal = false;
    whenShown<EditSymbolDialog>([&](EditSymbolDialog& d) {
        EXPECT_EQ(d.windowTitle(), "Edit symbol");
        EXPECT_EQ(d.nameEdit()->text(), "Func_2_3");
        d.insertBox()->setChecked(true);
        d.nameEdit()->setText("Added");
        d.ordinalEdit()->setText("0");
        d.accept();  // refused: a new symbol needs an ordinal
        sawRefusal = d.isVisible();
        d.ordinalEdit()->setText("99");
        d.accept();
    });
    key(Qt::Key_Insert);
    EXPECT_TRUE(sawRefusal);
    EXPECT_EQ(qtUi.statusText(1), "MOD2/Added");
    ASSERT_EQ(ws.library.rows[14].SYMBOL, "Added");
    EXPECT_EQ(ws.library.rows[14].ORDINAL, 99);
    EXPECT_EQ(ws.library.rows[15].SYMBOL, "Func_2_3");
    EXPECT_EQ(ws.library.modules[1].FUNCTIONNUM, 11);
    EXPECT_EQ(w.model()->rowCount(w.model()->index(1, 0)), 11);
    EXPECT_EQ(w.selectedRow(), 14u);
}

}  // namespace
}  // namespace quillon::app
