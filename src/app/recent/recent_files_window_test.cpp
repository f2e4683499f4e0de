// The recent files window, its find, and the recent files sub-menus of the main window.
#include "app/recent/recent_files_window.h"

#include <QAction>
#include <QApplication>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

#include <fstream>

#include "app/testing/gui_fixture.h"
#include "support/lib_builder.h"

namespace quillon::app {
namespace {

using quillon::testing::libBytes;

class RecentFilesWindowTest : public testing::GuiFixture {
protected:
    std::string lib(const std::string& name)
    {
        return folder.write(name, libBytes({{"TOOLS", "Alpha", 1}}));
    }
    void storeList(const std::vector<std::string>& files)
    {
        for (std::size_t i = 0; i < files.size(); ++i)
            settings.writeSetting("Filelist", "Filelist" + std::to_string(i + 1), files[i]);
    }
    [[nodiscard]] std::vector<std::string> stored()
    {
        std::vector<std::string> files;
        for (int n = 1;; ++n) {
            std::string file = settings.readSetting("Filelist", "Filelist" + std::to_string(n));
            if (file.empty())
                return files;
            files.push_back(std::move(file));
        }
    }
    [[nodiscard]] static QStringList texts(const QMenu* menu)
    {
        QStringList out;
        for (const QAction* a : menu->actions())
            out << (a->isSeparator() ? "-" : (a->isEnabled() ? "" : "~") + a->text());
        return out;
    }
    [[nodiscard]] static std::vector<std::string> names(const RecentFilesWindow& w)
    {
        std::vector<std::string> out;
        for (const settings::RecentFileEntry& e : w.entries())
            out.push_back(e.name);
        return out;
    }
    void click(RecentFilesWindow& w, const char* button)
    {
        auto* b = w.findChild<QAbstractButton*>(button);
        ASSERT_NE(b, nullptr) << button;
        b->click();
    }
};

TEST_F(RecentFilesWindowTest, OpeningABThenAThroughTheOpenCommandRecordsThePresentFile)
{
    const std::string a = lib("a.lib");
    const std::string b = lib("b.lib");
    window();
    for (const std::string& file : {a, b, a}) {
        dialogResults.push_back({file});
        key(Qt::Key_O, Qt::ControlModifier);
    }
    EXPECT_EQ(settings.readSetting("Filelist", "PresentFile"), a);
    EXPECT_EQ(stored(), (std::vector<std::string>{b, a}));
}

TEST_F(RecentFilesWindowTest, AFileOpenedThroughTheDialogAndTheRecentListIsRecordedOnce)
{
    const std::string a = lib("a.lib");
    const std::string b = lib("b.lib");
    ws.options.UseRecentMenu = true;
    MainWindow& w = window();
    for (const std::string& file : {a, b}) {
        dialogResults.push_back({file});
        key(Qt::Key_O, Qt::ControlModifier);
    }
    QMenu* recent = nullptr;
    for (QAction* action : w.popupMenu()->actions()) {
        if (action->menu() != nullptr && action->text() == "&Recent files")
            recent = action->menu();
    }
    ASSERT_NE(recent, nullptr);
    emit recent->aboutToShow();
    ASSERT_FALSE(recent->actions().isEmpty());
    recent->actions().front()->trigger();  // a, as the list recorded it
    EXPECT_EQ(ws.library.LibraryFileName, a);
    dialogResults.push_back({a});  // a again, as the dialog hands it back
    key(Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(settings.readSetting("Filelist", "PresentFile"), a);
    EXPECT_EQ(stored(), (std::vector<std::string>{b, a}));
}

TEST_F(RecentFilesWindowTest, AddRecordsEachLoadedFile)
{
    const std::string a = lib("a.lib");
    const std::string b = lib("b.lib");
    window();
    dialogResults.push_back({a, b, folder.file("gone.lib")});
    answers.assign(8, 2);  // the duplicate-module questions: keep both
    key(Qt::Key_A, Qt::AltModifier);
    EXPECT_EQ(settings.readSetting("Filelist", "PresentFile"), b);
    EXPECT_EQ(stored(), std::vector<std::string>{a});
}

TEST_F(RecentFilesWindowTest, RecallWithABlankPresentFileSaysMissingDataAndAGoneOneNotFound)
{
    std::ofstream(settings.path()) << "[Filelist]\nPresentFile=   \n";
    window();
    key(Qt::Key_R, Qt::ControlModifier);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].title, "CLARION QUILLON 32 - Missing data!");
    settings.writeSetting("Filelist", "PresentFile", "/x/gone.lib");
    key(Qt::Key_R, Qt::ControlModifier);
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[1].title, "CLARION QUILLON 32 - File not found!");
    EXPECT_EQ(messages[1].text, "    File was NOT found on disk!|" + std::string(90, '\xA0') +
                                    "|    This file not found:|    /x/gone.lib");
    EXPECT_TRUE(ws.library.empty());
}

TEST_F(RecentFilesWindowTest, SaveAsRecordsTheSavedFile)
{
    MainWindow& w = window();
    ASSERT_TRUE(w.openFile(lib("a.lib")));
    const std::string saved = folder.file("saved.lib");
    dialogResults.push_back({saved});
    key(Qt::Key_S, Qt::AltModifier);
    EXPECT_EQ(settings.readSetting("Filelist", "PresentFile"), saved);
    EXPECT_EQ(stored(), std::vector<std::string>{folder.file("a.lib")});
}

TEST_F(RecentFilesWindowTest, SubMenuHidesExecutablesWithTheLibSuffixAndOffersTheWindow)
{
    storeList({"/x/One.dll", "/x/R&D.lib"});
    ws.options.UseRecentMenu = true;
    ws.options.FileSuffix = ".LIB";
    MainWindow& w = window();
    QMenu* recent = nullptr;
    for (QAction* a : w.popupMenu()->actions()) {
        if (a->menu() != nullptr && a->text() == "&Recent files")
            recent = a->menu();
    }
    ASSERT_NE(recent, nullptr);
    emit recent->aboutToShow();
    EXPECT_EQ(texts(recent), QStringList({"/x/r&&d.lib", "-", "Recent &files..."}));
    ws.options.FileSuffix = ".DLL";
    emit recent->aboutToShow();
    EXPECT_EQ(texts(recent), QStringList({"/x/one.dll", "-", "Recent &files..."}));
    ws.options.FileSuffix = ".XYZ";
    emit recent->aboutToShow();
    EXPECT_EQ(texts(recent), QStringList({"~< None >", "-", "Recent &files..."}));
}

TEST_F(RecentFilesWindowTest, QuickMenuThreeSaysWhenRecentFilesAreDisabled)
{
    storeList({lib("a.lib")});
    ws.options.QuickMenu = QuickMenuChoice::AddRecentFiles;
    ws.options.UseQuickMenu = true;
    MainWindow& w = window();
    QMenu* quick = w.quickMenuButton()->menu();
    emit quick->aboutToShow();
    EXPECT_EQ(texts(quick), QStringList({"~< Recent files disabled >"}));
    ws.options.UseRecentMenu = true;
    emit quick->aboutToShow();
    ASSERT_EQ(quick->actions().size(), 3);
    quick->actions().front()->trigger();
    EXPECT_EQ(ws.library.rows.size(), 2u);
    EXPECT_EQ(ws.library.LibraryFileName, folder.file("a.lib"));
}

TEST_F(RecentFilesWindowTest, ListShowsEachFileWithItsIconAndTitles)
{
    storeList({lib("a.lib"), folder.file("gone.dll")});
    RecentFilesWindow w(ws, qtUi);
    EXPECT_EQ(w.windowTitle(), "Clarion Quillon 32 - Recent files");
    ASSERT_EQ(w.list()->count(), 2);
    EXPECT_EQ(w.list()->item(0)->data(Qt::UserRole).toString(), "QNShutFold");
    EXPECT_EQ(w.list()->item(1)->data(Qt::UserRole).toString(), "QNShutFoldNotFoundX");
    EXPECT_EQ(w.findChild<QToolButton*>("cleanupButton")->toolTip(),
              "Cleanup filelist - remove dublicates and obsolete");
}

TEST_F(RecentFilesWindowTest, ButtonsThatNeedASelectionSayNoFileSelected)
{
    storeList({"/x/a.lib"});
    RecentFilesWindow w(ws, qtUi);
    w.selectEntry(-1);
    for (const char* button : {"testButton", "removeButton", "moveUpButton", "moveDownButton"})
        click(w, button);
    ASSERT_EQ(messages.size(), 4u);
    for (const ui::MessageBox& box : messages) {
        EXPECT_EQ(box.title, "CLARION QUILLON 32 - No file selected!");
        EXPECT_EQ(box.text,
                  "No file was selected.|    To select a file click on the filelist to mark it.|");
    }
    EXPECT_EQ(names(w).size(), 1u);
}

TEST_F(RecentFilesWindowTest, RemoveMoveAndSaveListWriteTheNewOrder)
{
    storeList({"/x/a.lib", "/x/b.lib", "/x/c.lib"});
    RecentFilesWindow w(ws, qtUi);
    w.selectEntry(2);
    click(w, "moveUpButton");
    EXPECT_EQ(names(w), (std::vector<std::string>{"/x/a.lib", "/x/c.lib", "/x/b.lib"}));
    EXPECT_EQ(w.list()->currentRow(), 1);
    click(w, "moveUpButton");
    click(w, "moveUpButton");  // already at the top: stays
    EXPECT_EQ(names(w).front(), "/x/c.lib");
    w.selectEntry(1);
    click(w, "removeButton");
    EXPECT_EQ(names(w), (std::vector<std::string>{"/x/c.lib", "/x/b.lib"}));
    EXPECT_EQ(stored().size(), 3u);  // nothing written before "Save list"
    click(w, "saveListButton");
    EXPECT_EQ(stored(), (std::vector<std::string>{"/x/c.lib", "/x/b.lib"}));
    EXPECT_TRUE(messages.empty());
}

TEST_F(RecentFilesWindowTest, ReloadUndoesAndOkKeepsTheChanges)
{
    storeList({"/x/a.lib", "/x/b.lib"});
    RecentFilesWindow w(ws, qtUi);
    w.selectEntry(0);
    click(w, "removeButton");
    click(w, "reloadButton");
    EXPECT_EQ(names(w).size(), 2u);
    w.selectEntry(0);
    click(w, "moveDownButton");
    click(w, "okButton");
    EXPECT_EQ(stored(), (std::vector<std::string>{"/x/b.lib", "/x/a.lib"}));
}

TEST_F(RecentFilesWindowTest, CleanupRemovesCopiesAndMissingFiles)
{
    const std::string a = lib("a.lib");
    storeList({a, "/x/gone.lib", a, lib("b.lib")});
    RecentFilesWindow w(ws, qtUi);
    click(w, "cleanupButton");
    EXPECT_EQ(names(w), (std::vector<std::string>{a, folder.file("b.lib")}));
}

TEST_F(RecentFilesWindowTest, TestOfAMissingFileSaysFileNotFound)
{
    storeList({"/x/gone.lib"});
    RecentFilesWindow w(ws, qtUi);
    w.selectEntry(0);
    click(w, "testButton");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].title, "CLARION QUILLON 32 - File not found!");
}

TEST_F(RecentFilesWindowTest, TestOfAFileThatIsNoLibraryShowsTheRejection)
{
    storeList({folder.write("plain.lib", "just text")});
    RecentFilesWindow w(ws, qtUi);
    w.selectEntry(0);
    click(w, "testButton");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].title, "CLARION QUILLON 32 - NOT a library file!");
}

TEST_F(RecentFilesWindowTest, FindSelectsTheEntryAndStoresTheText)
{
    storeList({"/x/kernel.lib", "/x/user.lib", "/y/user.lib"});
    RecentFilesWindow w(ws, qtUi);
    w.setFindSeam([](const settings::RecentFind& stored) {
        EXPECT_TRUE(stored.FromTop);
        return settings::RecentFind{"USER", false, false};
    });
    w.selectEntry(1);
    click(w, "findButton");
    EXPECT_EQ(w.list()->currentRow(), 2);
    EXPECT_EQ(settings.readSetting("Filelist", "FindText"), "USER");
    EXPECT_EQ(settings.readSetting("Filelist", "FromTop"), "0");
}

TEST_F(RecentFilesWindowTest, AddPutsTheChosenFileFirst)
{
    storeList({"/x/a.lib"});
    RecentFilesWindow w(ws, qtUi);
    dialogResults.push_back({lib("new.lib")});
    click(w, "addButton");
    EXPECT_EQ(names(w), (std::vector<std::string>{folder.file("new.lib"), "/x/a.lib"}));
    EXPECT_EQ(w.list()->currentRow(), 0);
}

TEST_F(RecentFilesWindowTest, DoubleClickChoosesTheFile)
{
    storeList({"/x/a.lib", "/x/b.lib"});
    RecentFilesWindow w(ws, qtUi);
    emit w.list()->itemDoubleClicked(w.list()->item(1));
    EXPECT_EQ(w.chosenFile(), std::optional<std::string>("/x/b.lib"));
    EXPECT_EQ(w.result(), QDialog::Accepted);
}

}  // namespace
}  // namespace quillon::app

namespace quillon::app {
namespace {

TEST_F(RecentFilesWindowTest, LibraryFileMenuReachesTheWindowWithTheRecentMenuOff)
{
    ws.options.UseRecentMenu = false;
    MainWindow& w = window();
    QMenu* libraryFile = nullptr;
    for (QAction* a : w.popupMenu()->actions()) {
        if (a->text() == "&Library file")
            libraryFile = a->menu();
    }
    ASSERT_NE(libraryFile, nullptr);
    QAction* entry = libraryFile->actions().back();
    EXPECT_EQ(entry->text(), "Recent &files...");
    bool shown = false;
    QTimer::singleShot(0, [&shown] {
        if (auto* d = qobject_cast<RecentFilesWindow*>(QApplication::activeModalWidget())) {
            shown = true;
            d->reject();
        }
    });
    entry->trigger();
    EXPECT_TRUE(shown);
}

}  // namespace
}  // namespace quillon::app
