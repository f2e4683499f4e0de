// Files dropped on the main window from a file manager.
#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QTabWidget>
#include <QTreeView>
#include <QUrl>

#include "app/library/library_tree_model.h"
#include "app/testing/gui_fixture.h"
#include "app/widgets/qt_ui.h"
#include "app/window/file_drop.h"
#include "app/window/main_window.h"
#include "support/exe_builder.h"
#include "support/lib_builder.h"

namespace quillon::app {
namespace {

class DropTest : public testing::GuiFixture {
protected:
    std::string toolsLib()
    {
        return folder.write("tools.lib",
                            quillon::testing::libBytes({{"TOOLS", "Alpha", 1}, {"TOOLS", "Beta", 2}}));
    }
    std::string extraDll()
    {
        return folder.write("extra.dll",
                            quillon::testing::buildPeWithNames({"Gamma", "Delta"}, "EXTRA.dll").bytes);
    }

    static QUrl local(const std::string& file) { return QUrl::fromLocalFile(fromPath(file)); }

    /// Drags `urls` over the library list and drops them there, as a file manager does;
    /// returns whether the window took the drag.
    bool drop(const QList<QUrl>& urls)
    {
        QMimeData data;
        data.setUrls(urls);
        QWidget* target = window().tree()->viewport();
        const QPoint at = target->rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        if (!enter.isAccepted())
            return false;
        QDropEvent dropped(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &dropped);
        return dropped.isAccepted();
    }
};

TEST_F(DropTest, ASingleLibFileDroppedOnAnEmptyLibraryOpensIt)
{
    const std::string lib = toolsLib();
    MainWindow& w = window();
    w.tabs()->setCurrentIndex(w.tabs()->count() - 1);
    ASSERT_TRUE(drop({local(lib)}));
    EXPECT_EQ(w.tabs()->currentIndex(), 0);
    EXPECT_EQ(ws.library.LibraryFileName, lib);
    EXPECT_EQ(ws.library.SymbolCount, 2u);
    EXPECT_FALSE(ws.library.LibraryChanged);
    EXPECT_EQ(w.model()->rowCount(), 1);
}

TEST_F(DropTest, ExecutablesAndALibOnAFullLibraryAreAddedAsAddFileAddsThem)
{
    testing::addLibrary(ws, 1, 2);
    MainWindow& w = window();
    w.libraryReplaced();
    ASSERT_TRUE(drop({local(extraDll()), local(toolsLib())}));
    EXPECT_EQ(ws.library.SymbolCount, 6u);
    EXPECT_EQ(w.model()->rowCount(), 3);
    EXPECT_TRUE(ws.library.LibraryChanged);

    // An executable alone on an empty library is added too, and names the target after it.
    ws.library.LibraryChanged = false;
    w.closeLibrary();
    ASSERT_TRUE(ws.library.empty());
    ASSERT_TRUE(drop({local(folder.file("extra.dll"))}));
    EXPECT_EQ(ws.library.SymbolCount, 2u);
}

TEST_F(DropTest, FoldersRemoteAddressesAndDropsDuringACommandAreRefused)
{
    const std::string lib = toolsLib();
    window();
    EXPECT_FALSE(drop({QUrl::fromLocalFile(fromPath(folder.path().string()))}));
    EXPECT_FALSE(drop({QUrl("https://example.org/tools.lib")}));
    EXPECT_FALSE(drop({local(folder.file("missing.dll"))}));
    qtUi.setBusy(true);
    EXPECT_FALSE(drop({local(lib)}));
    qtUi.setBusy(false);
    EXPECT_TRUE(ws.library.empty());

    // A damaged LIB file and a file of another kind are refused as Open and Add file refuse
    // them: the library stays empty and a message tells why.
    const std::string damaged = folder.write("damaged.lib", "!<arch>\nnot a member");
    const std::string text = folder.write("notes.txt", "just text");
    for (const std::string& file : {damaged, text}) {
        messages.clear();
        (void)drop({local(file)});
        EXPECT_TRUE(ws.library.empty()) << file;
        EXPECT_FALSE(messages.empty()) << file;
    }

    // A folder dropped with a file: the file counts.
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(fromPath(folder.path().string())), local(lib)});
    EXPECT_EQ(droppedFiles(data), std::vector<std::string>{lib});
    EXPECT_TRUE(dropOpensLibrary({lib}, true));
    EXPECT_FALSE(dropOpensLibrary({lib}, false));
    EXPECT_FALSE(dropOpensLibrary({lib, lib}, true));
    EXPECT_FALSE(dropOpensLibrary({folder.file("extra.dll")}, true));
}

}  // namespace
}  // namespace quillon::app
