// The export commands of the library list: the file, the viewer's pages and caption, the
// clipboard and the size the viewer keeps.
#include "app/library/export_list_window.h"

#include <QAction>
#include <QClipboard>
#include <QFontInfo>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>

#include "app/testing/gui_fixture.h"
#include "reports/export_list_pages.h"
#include "settings/window_placement.h"

namespace quillon::app {
namespace {

using testing::addLibrary;

class ExportListWindowTest : public testing::GuiFixture {
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

TEST_F(ExportListWindowTest, F12ListsTheSelectedRowsModuleAndShowsOnePage)
{
    MainWindow& w = withLibrary(3, 4, 7);  // a symbol of the second module
    ASSERT_TRUE(w.actions().exportModule->isEnabled());
    key(Qt::Key_F12);
    const std::string text = exportFile();
    EXPECT_NE(text.find(";Start of Exported Procedures from MOD2\r\n"), std::string::npos);
    EXPECT_EQ(text.find("MOD1"), std::string::npos);
    ExportListWindow* v = viewer();
    ASSERT_NE(v, nullptr);
    EXPECT_EQ(v->pageCount(), 1);
    EXPECT_EQ(v->windowTitle().toStdString(),
              "Clarion Quillon 32 - Export List " + folder.file("ExportList.txt"));
    EXPECT_TRUE(v->view()->toPlainText().contains("  Func_2_1"));
    EXPECT_TRUE(QFontInfo(v->view()->font()).fixedPitch());
    EXPECT_EQ(qtUi.statusText(1), "Module: MOD2");
    EXPECT_EQ(qtUi.statusText(2), "Export list");
}

TEST_F(ExportListWindowTest, ShiftF12ListsTheLibraryOnPagesTurnedByShiftPgDnAndKeepsItsSize)
{
    MainWindow& w = withLibrary(3, 700, 0);
    ws.options.UseExportTextCopy = AskChoice::Always;
    w.actions().exportText->trigger();
    EXPECT_NE(exportFile().find(";Start of Exported Procedures from MOD3"), std::string::npos);
    ExportListWindow* v = viewer();
    ASSERT_NE(v, nullptr);
    ASSERT_EQ(v->pageCount(), 2);
    EXPECT_TRUE(v->windowTitle().endsWith(" [PAGE 1]"));
    QTest::keyClick(v->view(), Qt::Key_PageDown, Qt::ShiftModifier);
    EXPECT_EQ(v->currentPage(), 2);
    EXPECT_TRUE(v->windowTitle().endsWith(" [PAGE 2]"));
    EXPECT_TRUE(v->view()->toPlainText().contains("EXPORT LIST CONTINUED"));
    QTest::keyClick(v->view(), Qt::Key_PageUp, Qt::ShiftModifier);
    EXPECT_EQ(v->currentPage(), 1);
    // The whole list is on the clipboard, with the line that says so.
    const QString clip = QGuiApplication::clipboard()->text();
    EXPECT_TRUE(clip.contains("List is copied to the clipboard"));
    EXPECT_TRUE(clip.contains("E N D   L I S T"));

    v->resize(500, 300);
    v->close();
    QCoreApplication::processEvents();
    const settings::WindowPlacement kept =
        settings::readWindowPlacement(ws.settings(), settings::kExportListWinSection);
    EXPECT_EQ(kept.Width, 500);
    EXPECT_EQ(kept.Height, 300);
}

TEST_F(ExportListWindowTest, CtrlHomeAndCtrlEndGoToTheTopAndBottomOfThePage)
{
    std::string text;
    for (int i = 0; i < 400; ++i)
        text += "  Symbol" + std::to_string(i) + "\r\n";
    text += "  E N D   L I S T\r\n";
    ExportListWindow viewer(ws, "/cfg/ExportList.txt",
                            reports::paginateExportList(text, true, "/cfg/ExportList.txt"));
    viewer.show();
    QScrollBar* bar = viewer.view()->verticalScrollBar();
    ASSERT_GT(bar->maximum(), 0);
    QTest::keyClick(viewer.view(), Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(bar->value(), bar->maximum());
    QTest::keyClick(viewer.view(), Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(bar->value(), 0);
    EXPECT_EQ(viewer.currentPage(), 1);
}

}  // namespace
}  // namespace quillon::app
