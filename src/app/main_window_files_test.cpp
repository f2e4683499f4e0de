// The main window's file commands over real LIB files.
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QTreeView>

#include "app/library_tree_model.h"
#include "app/main_window.h"
#include "app/testing/gui_fixture.h"
#include "lib/lib_reader.h"
#include "support/lib_builder.h"

namespace quillon::app {
namespace {

using quillon::testing::libBytes;

class FileCommandsTest : public testing::GuiFixture {
protected:
    std::string toolsLib()
    {
        return folder.write("tools.lib", libBytes({{"TOOLS", "Alpha", 1},
                                                   {"TOOLS", "Beta", 2},
                                                   {"EXTRA", "Gamma", 7}}));
    }
};

TEST_F(FileCommandsTest, CtrlOOpensALibFileCollapsedAndNamesTheTarget)
{
    const std::string lib = toolsLib();
    MainWindow& w = window();
    dialogResults.push_back({lib});
    key(Qt::Key_O, Qt::ControlModifier);
    ASSERT_EQ(ws.library.rows.size(), 5u);
    EXPECT_EQ(w.model()->rowCount(), 2);
    EXPECT_FALSE(w.tree()->isExpanded(w.model()->index(0, 0)));
    EXPECT_EQ(ws.library.LibraryFileName, lib);
    EXPECT_FALSE(ws.library.LibraryChanged);
    EXPECT_EQ(settings.readSetting("Filelist", "PresentFile"), lib);
    EXPECT_TRUE(w.actions().save->isEnabled());
}

TEST_F(FileCommandsTest, OpenAsksToSaveAChangedLibraryFirst)
{
    testing::addLibrary(ws, 1, 2);
    ws.library.LibraryChanged = true;
    window().libraryReplaced();
    answers.push_back(3);  // Cancel
    dialogResults.push_back({toolsLib()});
    key(Qt::Key_O, Qt::ControlModifier);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].title, "CLARION QUILLON 32 - Library file changed");
    EXPECT_EQ(ws.library.rows.size(), 3u);
}

TEST_F(FileCommandsTest, AddModuleAppendsToTheLibrary)
{
    testing::addLibrary(ws, 1, 2);
    MainWindow& w = window();
    w.libraryReplaced();
    dialogResults.push_back({toolsLib()});
    key(Qt::Key_A, Qt::AltModifier);
    EXPECT_EQ(ws.library.rows.size(), 8u);
    EXPECT_EQ(w.model()->rowCount(), 3);
    EXPECT_EQ(ws.library.SymbolCount, 5u);
    EXPECT_TRUE(ws.library.LibraryChanged);
}

TEST_F(FileCommandsTest, SaveWritesTheTargetAndClearsTheChange)
{
    MainWindow& w = window();
    ASSERT_TRUE(w.openFile(toolsLib()));
    ws.library.rows.erase(ws.library.rows.begin() + 2);  // drop Beta
    w.libraryReplaced();
    ws.library.SymbolCount = 2;
    ws.library.LibraryChanged = true;
    key(Qt::Key_S, Qt::ControlModifier);
    EXPECT_FALSE(ws.library.LibraryChanged);
    MainWindow& again = w;
    ASSERT_TRUE(again.openFile(ws.library.LibraryFileName));
    EXPECT_EQ(ws.library.SymbolCount, 2u);
}

TEST_F(FileCommandsTest, ClosingWithChangesAndYesSavesUnderTheChosenName)
{
    MainWindow& w = window();
    ASSERT_TRUE(w.openFile(toolsLib()));
    ws.library.LibraryChanged = true;
    const std::string saved = folder.file("saved.lib");
    answers.push_back(1);
    dialogResults.push_back({saved});
    EXPECT_TRUE(w.close());
    lib::LibLoadRequest request;
    request.fileName = saved;
    EXPECT_TRUE(lib::loadLibrary(ws, request).ok());
}

}  // namespace
}  // namespace quillon::app

namespace quillon::app {
namespace {

TEST_F(FileCommandsTest, EscapeDuringTheLoadCancelsIt)
{
    const std::string lib = toolsLib();
    MainWindow& w = window();
    QApplication::postEvent(w.tree(),
                            new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier));
    EXPECT_FALSE(w.openFile(lib));
    EXPECT_TRUE(ws.library.empty());
    EXPECT_EQ(w.model()->rowCount(), 0);
    EXPECT_FALSE(qtUi.busy());
}

}  // namespace
}  // namespace quillon::app
