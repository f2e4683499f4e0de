// The "Update library" tab: its list before an update, the update from its dialog, clearing.
#include "app/update/update_tab.h"

#include <QAbstractItemModelTester>
#include <QRadioButton>

#include "app/testing/gui_fixture.h"
#include "app/update/update_dialog.h"
#include "app/update/update_list_model.h"
#include "support/exe_builder.h"

namespace quillon::app {
namespace {

using quillon::testing::buildPeWithNames;

class UpdateTabTest : public testing::GuiFixture {
protected:
    QStringList rowTexts(const UpdateListModel& model) const
    {
        QStringList rows;
        for (int r = 0; r < model.rowCount(); ++r) {
            QStringList cells;
            for (int c = 0; c < UpdateListModel::ColumnCount; ++c)
                cells << model.index(r, c).data().toString();
            rows << cells.join('|');
        }
        return rows;
    }
};

TEST_F(UpdateTabTest, ListsTheChangesThenUpdatesAndClears)
{
    const std::string dll =
        folder.write("tools.dll", buildPeWithNames({"Alpha", "Beta"}, "TOOLS.dll").text());
    ws.options.UseStatusBar = true;
    ws.options.UseClearExtract = true;
    MainWindow& w = window();
    ASSERT_TRUE(w.openFile(dll));
    (void)folder.write("tools.dll", buildPeWithNames({"Alpha", "Gamma"}, "TOOLS.dll").text());

    UpdateTab* tab = w.updateTab();
    ASSERT_NE(tab, nullptr);
    QAbstractItemModelTester tester(tab->model());
    const UpdateListModel& model = *tab->model();
    EXPECT_EQ(model.headerData(UpdateListModel::Change, Qt::Horizontal, Qt::DisplayRole), "Change");
    tab->refreshList();
    EXPECT_EQ(rowTexts(model).join('\n').toStdString(),
              "TOOLS.dll|Gamma|2|<Missing in library>\nTOOLS.dll|Beta|2|<Missing in disk file>");
    EXPECT_EQ(tab->resultText(), "1 modules, 1 changed, 0 not located");

    w.updateFromTab(UpdateScope::AllModules);
    EXPECT_EQ(ws.library.rows.back().SYMBOL, "Gamma");
    EXPECT_EQ(model.rowCount(), 0);
    EXPECT_EQ(tab->resultText(), "One module was updated from DLL/EXE file");
    EXPECT_FALSE(qtUi.busy());
    EXPECT_EQ(qtUi.statusText(1), "One module was updated from DLL/EXE file");
    EXPECT_EQ(qtUi.statusText(2), "Update done");

    // The selected module: the same count line, not the pane that says "Update done".
    (void)folder.write("tools.dll", buildPeWithNames({"Alpha", "Delta"}, "TOOLS.dll").text());
    w.selectRow(0);
    w.updateFromTab(UpdateScope::SelectedModule);
    EXPECT_EQ(ws.library.rows.back().SYMBOL, "Delta");
    EXPECT_EQ(tab->resultText(), "One module was updated from DLL/EXE file");
    EXPECT_EQ(qtUi.statusText(2), "Update done");

    (void)folder.write("tools.dll", buildPeWithNames({"Alpha"}, "TOOLS.dll").text());
    tab->refreshList();
    EXPECT_EQ(model.rowCount(), 1);
    w.clearList();
    EXPECT_EQ(model.rowCount(), 0);
}

TEST(UpdateDialog, OffersOnlyWhatThereIsToUpdate)
{
    const UpdateDialog none(false, false);
    EXPECT_FALSE(none.choice(UpdateScope::MarkedModules)->isEnabled());
    EXPECT_FALSE(none.choice(UpdateScope::SelectedModule)->isEnabled());
    EXPECT_EQ(none.scope(), UpdateScope::AllModules);
    const UpdateDialog marked(true, true);
    EXPECT_EQ(marked.scope(), UpdateScope::MarkedModules);
    marked.choice(UpdateScope::SelectedModule)->setChecked(true);
    EXPECT_EQ(marked.scope(), UpdateScope::SelectedModule);
}

}  // namespace
}  // namespace quillon::app
