// Tests of the history cleanup.
#include "program/history_cleanup.h"
#include "locate/locate_state.h"

#include <gtest/gtest.h>

#include "settings/settings_store.h"
#include "support/test_workspace.h"

namespace quillon::settings {
namespace {

using quillon::testing::TestWorkspace;

// Every history with two entries, one entry beyond the usual maximum, and the current values
// that sit beside them.
constexpr const char* kFullFile =
    "[Folders]\n"
    "AddFolder=/src/\n"
    "AddFolderDrop1=/a/\n"
    "AddFolderDrop2=/b/\n"
    "AddFolderDrop300=/old/\n"
    "SaveFolderDrop1=/t/\n"
    "FirstFolderDrop1=/p/\n"
    "[Search]\n"
    "SearchString=Get\n"
    "SearchDrop1=Get\n"
    "SearchDrop2=Set\n"
    "[Query]\n"
    "SearchDrop1=Reg\n"
    "[Compare]\n"
    "CompareFile=/x.dll\n"
    "CompareFile1=/x.dll\n"
    "CompareFile2=/y.dll\n"
    "[Filelist]\n"
    "PresentFile=/l.lib\n"
    "Filelist1=/k.lib\n"
    "FileSuffix=.LIB\n"
    "[Exceptlist]\n"
    "ListNum=1\n"
    "Modulename1=KERNEL\n"
    "Filename1=KRNL386.EXE\n"
    "[Excludelist]\n"
    "ExcludeNum=1\n"
    "Symbol1=DllEntryPoint\n"
    "Check1=1\n"
    "[Options]\n"
    "UseStatusBar=1\n";

HistorySelection only(HistoryItem item)
{
    HistorySelection s{};
    s[static_cast<std::size_t>(item)] = true;
    return s;
}

TEST(HistoryCleanup, EachEntryClearsItsOwnKeysAndNothingElse)
{
    struct Case {
        HistoryItem item;
        std::string removed;  // the lines the file no longer holds, joined
    };
    const Case cases[] = {
        {HistoryItem::SourceFolders,
         "AddFolderDrop1=/a/\nAddFolderDrop2=/b/\nAddFolderDrop300=/old/\n"},
        {HistoryItem::TargetFolders, "SaveFolderDrop1=/t/\n"},
        {HistoryItem::SearchKeywords, "SearchDrop1=Get\nSearchDrop2=Set\n"},
        {HistoryItem::QueryKeywords, "SearchDrop1=Reg\n"},
        {HistoryItem::CompareFiles, "CompareFile1=/x.dll\nCompareFile2=/y.dll\n"},
        {HistoryItem::RecentFiles, "Filelist1=/k.lib\n"},
        {HistoryItem::ExceptionsList,
         "[Exceptlist]\nListNum=1\nModulename1=KERNEL\nFilename1=KRNL386.EXE\n"},
        {HistoryItem::ExcludeSymbols,
         "[Excludelist]\nExcludeNum=1\nSymbol1=DllEntryPoint\nCheck1=1\n"},
    };
    for (const Case& c : cases) {
        TestWorkspace t;
        t.folder.write("Quillon32.ini", kFullFile);
        EXPECT_EQ(clearHistories(t.ws, only(c.item)), 1u);
        std::string expected = kFullFile;
        const std::size_t at = expected.find(c.removed);
        ASSERT_NE(at, std::string::npos);
        expected.erase(at, c.removed.size());
        EXPECT_EQ(t.folder.read("Quillon32.ini"), expected) << static_cast<int>(c.item);
    }
}

TEST(HistoryCleanup, NothingSelectedLeavesTheFileAsItWas)
{
    TestWorkspace t;
    t.folder.write("Quillon32.ini", kFullFile);
    EXPECT_EQ(clearHistories(t.ws, HistorySelection{}), 0u);
    EXPECT_EQ(t.folder.read("Quillon32.ini"), kFullFile);
}

TEST(HistoryCleanup, TheListsInMemoryFollow)
{
    TestWorkspace t;
    t.folder.write("Quillon32.ini", kFullFile);
    t.ws.options.AddFolderDrop = {"/a/"};
    t.ws.options.SaveFolderDrop = {"/t/"};
    t.ws.exceptQ.entries.push_back({"KERNEL", "", "KRNL386.EXE", "EXE"});
    t.ws.exceptQ.loaded = true;
    t.ws.excludeList.append({"DllEntryPoint", 1, 1});
    locate::state(t.ws).knownFiles.emplace();

    HistorySelection all;
    all.fill(true);
    EXPECT_EQ(clearHistories(t.ws, all), kHistoryItemCount);
    EXPECT_TRUE(t.ws.options.AddFolderDrop.empty());
    EXPECT_TRUE(t.ws.options.SaveFolderDrop.empty());
    EXPECT_TRUE(t.ws.exceptQ.entries.empty());
    // An emptied list is not read back from the file later in the run.
    EXPECT_TRUE(t.ws.exceptQ.loaded);
    EXPECT_TRUE(t.ws.excludeList.empty());
    EXPECT_FALSE(locate::state(t.ws).knownFiles.has_value());
    EXPECT_EQ(t.folder.read("Quillon32.ini"),
              "[Folders]\nAddFolder=/src/\nFirstFolderDrop1=/p/\n[Search]\nSearchString=Get\n"
              "[Query]\n[Compare]\nCompareFile=/x.dll\n[Filelist]\nPresentFile=/l.lib\n"
              "FileSuffix=.LIB\n[Options]\nUseStatusBar=1\n");
}

TEST(SettingsStoreDeletion, NumberedKeysNeedADigitAfterTheStemInTheirOwnSection)
{
    quillon::testing::TempFolder folder;
    folder.write("Quillon32.ini",
                 "[Compare]\r\nCompareFile=/x\r\ncomparefile7=/y\r\nCompareFileX=/z\r\n"
                 "CompareFile1a=/w\r\n[Other]\r\nCompareFile1=/v\r\n");
    SettingsStore store(folder.file("Quillon32.ini"));
    store.deleteNumberedKeys("COMPARE", "CompareFile");
    EXPECT_EQ(folder.read("Quillon32.ini"),
              "[Compare]\r\nCompareFile=/x\r\nCompareFileX=/z\r\nCompareFile1a=/w\r\n"
              "[Other]\r\nCompareFile1=/v\r\n");
}

TEST(SettingsStoreDeletion, DeletingASectionKeepsItsNeighboursAndAMissingOneIsNoChange)
{
    quillon::testing::TempFolder folder;
    folder.write("Quillon32.ini", "; top\n[A]\nx=1\n\n[b]\ny=2\n[C]\nz=3\n");
    SettingsStore store(folder.file("Quillon32.ini"));
    store.deleteSection("B");
    EXPECT_EQ(folder.read("Quillon32.ini"), "; top\n[A]\nx=1\n\n[C]\nz=3\n");
    store.deleteSection("Missing");
    EXPECT_EQ(folder.read("Quillon32.ini"), "; top\n[A]\nx=1\n\n[C]\nz=3\n");
}

}  // namespace
}  // namespace quillon::settings
