// The main window's file commands over real LIB files.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeView>

#include <filesystem>

#include "app/library/library_tree_model.h"
#include "app/library/target_name_dialog.h"
#include "app/options/folder_options_dialog.h"
#include "app/testing/gui_fixture.h"
#include "app/window/main_window.h"
#include "base/text_encoding.h"
#include "lib/lib_reader.h"
#include "platform/paths.h"
#include "support/exe_builder.h"
#include "support/lib_builder.h"

namespace quillon::app {
namespace {

using quillon::testing::libBytes;

class FileCommandsTest : public testing::GuiFixture {
protected:
    std::string toolsLib()
    {
        return folder.write(
            "tools.lib",
            libBytes({{"TOOLS", "Alpha", 1}, {"TOOLS", "Beta", 2}, {"EXTRA", "Gamma", 7}}));
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

TEST_F(FileCommandsTest, TheOpenDialogOffersExecutablesAfterLibFiles)
{
    window();
    ui::FileDialogRequest asked;
    qtUi.setDialogSeam([&](const ui::FileDialogRequest& request, const char*) {
        asked = request;
        return std::vector<std::string>{};
    });
    key(Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(asked.title, "Open library file...");
    EXPECT_TRUE(asked.filters.starts_with("LIB files (*.lib)|*.lib|")) << asked.filters;
    for (const char* kind : {"*.dll", "*.exe", "*.drv", "*.ocx", "All files (*.*)|*.*"})
        EXPECT_NE(asked.filters.find(kind), std::string::npos) << kind;
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

TEST_F(FileCommandsTest, FailedOpenKeepsTheLibraryItsCaptionAndTarget)
{
    MainWindow& w = window();
    const std::string lib = toolsLib();
    ASSERT_TRUE(w.openFile(lib));
    const QString caption = w.windowTitle();
    EXPECT_FALSE(w.openFile(folder.file("gone.lib")));
    EXPECT_EQ(ws.library.rows.size(), 5u);
    EXPECT_EQ(w.model()->rowCount(), 2);
    EXPECT_EQ(w.windowTitle(), caption);
    EXPECT_EQ(ws.library.LibraryFileName, lib);
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

TEST_F(FileCommandsTest, SaveAndSaveAsLeaveTheirReportInTheStatusBar)
{
    ws.options.UseStatusBar = true;
    MainWindow& w = window();
    const std::string lib = toolsLib();
    ASSERT_TRUE(w.openFile(lib));
    w.selectRow(1);
    ws.library.LibraryChanged = true;
    key(Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(qtUi.statusText(1), "Library: " + lib + " saved to disk");
    EXPECT_EQ(qtUi.statusText(2), "Done");

    const std::string other = folder.file("other.lib");
    dialogResults.push_back({other});
    key(Qt::Key_S, Qt::AltModifier);
    EXPECT_EQ(ws.library.LibraryFileName, other);
    EXPECT_EQ(qtUi.statusText(1), "Library: " + other + " saved to disk");
    // The selection's own texts come back when the selection moves.
    w.selectRow(1);
    w.selectRow(2);
    EXPECT_EQ(qtUi.statusText(1), "TOOLS/Beta");
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

namespace quillon::app {
namespace {

TEST_F(FileCommandsTest, RecallOnAnEmptyLibraryOpensThePresentFile)
{
    const std::string lib = toolsLib();
    settings.writeSetting("Filelist", "PresentFile", lib);
    MainWindow& w = window();
    EXPECT_EQ(w.actions().revert->text(), "&Recall last file");
    key(Qt::Key_R, Qt::ControlModifier);
    EXPECT_EQ(ws.library.rows.size(), 5u);
    EXPECT_EQ(w.selectedRow(), 0u);
    EXPECT_EQ(w.actions().revert->text(), "&Revert");
}

TEST_F(FileCommandsTest, RecallWithoutAPresentFileSaysMissingData)
{
    window();
    key(Qt::Key_R, Qt::ControlModifier);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].title, "CLARION QUILLON 32 - Missing data!");
    EXPECT_EQ(messages[0].text, "    No data on last opened file!|" + std::string(75, '\xA0'));
    EXPECT_EQ(qtUi.statusText(1), "No data on last opened file!");
}

TEST_F(FileCommandsTest, RecallOfAFileThatIsGoneSaysFileNotFound)
{
    const std::string gone = folder.file("gone.lib");
    settings.writeSetting("Filelist", "PresentFile", gone);
    window();
    key(Qt::Key_R, Qt::ControlModifier);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].title, "CLARION QUILLON 32 - File not found!");
    EXPECT_EQ(messages[0].text, "    File was NOT found on disk!|" + std::string(90, '\xA0') +
                                    "|    This file not found:|    " + gone);
}

TEST_F(FileCommandsTest, RevertDropsTheChangesAndReloadsTheTarget)
{
    MainWindow& w = window();
    ASSERT_TRUE(w.openFile(toolsLib()));
    key(Qt::Key_Delete);  // the module row is selected: the whole module goes
    EXPECT_TRUE(ws.library.LibraryChanged);
    key(Qt::Key_R, Qt::ControlModifier);
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(ws.library.rows.size(), 5u);
    EXPECT_FALSE(ws.library.LibraryChanged);
}

TEST_F(FileCommandsTest, RecentFilesSubMenuListsTheStoredFiles)
{
    const std::string lib = toolsLib();
    settings.writeSetting("Filelist", "Filelist1", lib);
    settings.writeSetting("Filelist", "Filelist2", folder.file("OTHER.DLL"));
    ws.options.FileSuffix = ".LIB";
    EXPECT_EQ(window().recentFiles(), std::vector<std::string>{lib});
    ws.options.FileSuffix.clear();
    ws.options.UseNumMenu = 1;
    EXPECT_EQ(window().recentFiles(), std::vector<std::string>{lib});
}

}  // namespace
}  // namespace quillon::app

namespace quillon::app {
namespace {

using quillon::testing::buildLe;
using quillon::testing::buildPeWithNames;

TEST_F(FileCommandsTest, OpeningADllLoadsItsExportsAndNamesALibBesideIt)
{
    const std::string dll = folder.write(
        "kernel.dll", buildPeWithNames({"Open", "Close", "Read"}, "KERNEL.dll").text());
    MainWindow& w = window();
    dialogResults.push_back({dll});
    key(Qt::Key_O, Qt::ControlModifier);
    EXPECT_TRUE(messages.empty());
    ASSERT_EQ(ws.library.rows.size(), 4u);
    EXPECT_EQ(ws.library.rows[0].MODULENAME.str(), "KERNEL.dll");
    EXPECT_EQ(ws.library.SymbolCount, 3u);
    EXPECT_EQ(w.model()->rowCount(), 1);
    EXPECT_EQ(ws.library.LibraryFileName, folder.file("Kernel.lib"));
    EXPECT_EQ(w.windowTitle().toStdString(),
              "Clarion Quillon 32 - TARGET:" + testing::captionPath(folder.file("Kernel.lib")));
    EXPECT_FALSE(ws.library.LibraryChanged);
}

TEST_F(FileCommandsTest, ARefusedOpenNamesTheSourceAsSpelled)
{
    const std::string vxd = folder.write("Drivers.Vxd", buildLe().text());
    MainWindow& w = window();
    std::vector<std::string> captions;
    qtUi.setMessageSeam([&](const ui::MessageBox& box) {
        captions.push_back(w.windowTitle().toStdString());
        messages.push_back(box);
        return box.defaultButton;
    });
    dialogResults.push_back({vxd});
    key(Qt::Key_O, Qt::ControlModifier);
    // The refusal, then the load summary: both while the caption names the source.
    ASSERT_EQ(captions.size(), 2u);
    EXPECT_EQ(messages[0].title, "CLARION QUILLON 32 - NOT a library file!");
    EXPECT_EQ(captions[0], "Clarion Quillon 32 - SOURCE:" + testing::captionPath(vxd));
    EXPECT_EQ(w.windowTitle(), "Clarion Quillon 32");
}

TEST_F(FileCommandsTest, TheTargetNameDialogsDefaultFoldersOpenTheFolderOptions)
{
    std::filesystem::create_directories(folder.path() / "targets");
    const std::string targets = (folder.path() / "targets").string() + "/";
    window();
    bool enabled = false;
    QString shown;
    testing::whenShown<TargetNameDialog>([&](TargetNameDialog& d) {
        enabled = d.foldersButton()->isEnabled();
        testing::whenShown<FolderOptionsDialog>([&](FolderOptionsDialog& f) {
            f.targetChoice()->button(3)->setChecked(true);
            f.saveFolder()->setEditText(QString::fromStdString(targets));
            f.accept();
        });
        d.foldersButton()->click();
        shown = d.defaultFolderText();
        d.nameField()->setText("mylib");
        d.keepFolderBox()->setChecked(false);
        d.accept();
    });
    key(Qt::Key_N, Qt::ControlModifier);
    EXPECT_TRUE(enabled);
    EXPECT_EQ(shown, QString::fromStdString(targets));
    EXPECT_EQ(settings.readNumber("Folders", "OptionSaveFolder", 0), 3);
    EXPECT_EQ(ws.library.LibraryFileName, targets + "mylib.lib");
}

TEST_F(FileCommandsTest, AddingAModuleAgainAsksTheDuplicateQuestion)
{
    const std::string dll =
        folder.write("tools.dll", buildPeWithNames({"Alpha", "Beta"}, "TOOLS").text());
    MainWindow& w = window();
    ASSERT_TRUE(w.openFile(toolsLib()));
    const std::size_t before = ws.library.rows.size();
    answers.push_back(1);  // abort loading of the new copy
    dialogResults.push_back({dll});
    key(Qt::Key_A, Qt::AltModifier);
    ASSERT_FALSE(messages.empty());
    EXPECT_EQ(messages[0].title, "CLARION QUILLON 32 - Duplicate!");
    EXPECT_EQ(ws.library.rows.size(), before);
    EXPECT_EQ(w.model()->rowCount(), 2);
}

TEST_F(FileCommandsTest, AddingSeveralFilesReportsTheOnesWithoutNames)
{
    const std::string good =
        folder.write("good.dll", buildPeWithNames({"One", "Two"}, "GOOD.dll").text());
    const std::string vxd = folder.write("driver.vxd", buildLe().text());
    MainWindow& w = window();
    dialogResults.push_back({good, vxd});
    key(Qt::Key_A, Qt::AltModifier);
    EXPECT_EQ(ws.library.SymbolCount, 2u);
    EXPECT_EQ(w.model()->rowCount(), 1);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].text.find(vxd), std::string::npos) << messages[0].text;
    EXPECT_TRUE(ws.library.LibraryChanged);
    EXPECT_FALSE(qtUi.busy());
}

}  // namespace
}  // namespace quillon::app

namespace quillon::app {
namespace {

class SettingsWritesTest : public testing::GuiFixture {
protected:
    SettingsWritesTest()
    {
        // The settings go through the fixture's file layer, which counts their reads and writes.
        settings = settings::SettingsStore(files, folder.file("Quillon32.ini"));
        files.setFaultHook([this](platform::FileOp op, const std::string& path) {
            if (op == platform::FileOp::Open && path == settings.path())
                ++opens;
            if (op == platform::FileOp::Rename && path.starts_with(settings.path()))
                ++writes;
            return 0;
        });
    }

    int opens = 0;
    int writes = 0;
};

TEST_F(SettingsWritesTest, OpeningAFileWithAFullRecentListWritesTheSettingsOnce)
{
    {
        const settings::SettingsStore::Batch setup(settings);
        settings.writeSetting("Filelist", "PresentFile", folder.file("present.lib"));
        for (int i = 1; i <= 255; ++i)
            settings.writeSetting("Filelist", "Filelist" + std::to_string(i),
                                  folder.file("old" + std::to_string(i) + ".lib"));
    }
    ws.options.UseRecentFiles = 255;
    const std::string lib = folder.write(
        "tools.lib", quillon::testing::libBytes({{"TOOLS", "Alpha", 1}, {"TOOLS", "Beta", 2}}));
    MainWindow& w = window();
    opens = 0;
    writes = 0;

    ASSERT_TRUE(w.openFile(lib));

    EXPECT_EQ(writes, 1);
    EXPECT_EQ(opens, 1);
    EXPECT_EQ(settings.readSetting("Filelist", "PresentFile"), lib);
    EXPECT_EQ(settings.readSetting("Filelist", "Filelist1"), folder.file("present.lib"));
    EXPECT_EQ(settings.readSetting("Filelist", "Filelist255"), folder.file("old254.lib"));
}

using quillon::testing::buildPeWithNames;

TEST_F(FileCommandsTest, LoadingMarksGlobalDuplicatesAndKeepsTheMarks)
{
    ws.options.UseExcludeList = true;
    ws.options.UseExcludeGlobalDuplicates = true;
    ws.options.UseExcludeGlobalDuplicatesSet = DuplicateKeep::KeepFirst;  // keep first entry
    ws.options.UseNoMessages = true;  // no duplicate-module question: hooks stay
    const std::string one =
        folder.write("one.dll", buildPeWithNames({"Shared", "A"}, "ONE").text());
    const std::string two =
        folder.write("two.dll", buildPeWithNames({"SHARED", "B"}, "TWO").text());
    const std::string again = folder.write("again.dll", buildPeWithNames({"C"}, "ONE").text());
    MainWindow& w = window();
    ASSERT_TRUE(w.loadFiles({one}));
    ASSERT_TRUE(w.loadFiles({two, again}));
    const LibraryList& rows = ws.library.rows;
    ASSERT_EQ(rows.size(), 8u);
    EXPECT_EQ(rows[1].EXCLUDE, kExcludeNone);       // ONE/Shared is kept
    EXPECT_EQ(rows[4].EXCLUDE, kExcludeDuplicate);  // TWO/SHARED is marked
    EXPECT_EQ(rows[3].EXCLUDE, kExcludeDuplicate);  // and so is its module row
    EXPECT_EQ(rows[6].MARK, 1);                     // the second ONE arrived marked
    EXPECT_EQ(rows[7].MARK, 1);
    key(Qt::Key_A, Qt::ControlModifier | Qt::ShiftModifier);  // remove all marks
    key(Qt::Key_Delete);  // removing the selected first module renews the marks
    EXPECT_EQ(rows[1].SYMBOL, "SHARED");
    EXPECT_EQ(rows[1].EXCLUDE, kExcludeNone);
}

TEST_F(FileCommandsTest, SavingAnOpenedLibWritesBackIntoThatFile)
{
    const std::string lib = toolsLib();
    MainWindow& w = window();
    ASSERT_TRUE(w.loadFiles({lib}));  // as a command line without "/s" opens it
    ws.library.LibraryChanged = true;
    key(Qt::Key_S, Qt::ControlModifier);
    EXPECT_FALSE(ws.library.LibraryChanged);
    EXPECT_EQ(ws.library.LibraryFileName, lib);
    if (platform::kCaseSensitivePaths) {
        EXPECT_FALSE(std::filesystem::exists(folder.file("Tools.lib")));
    }
}

}  // namespace
}  // namespace quillon::app
