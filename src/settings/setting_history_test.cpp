// Tests of the numbered histories.
#include "settings/setting_history.h"

#include <gtest/gtest.h>

#include <set>

#include "platform/native_path.h"
#include "settings/settings_store.h"
#include "support/test_workspace.h"

namespace quillon::settings {
namespace {

using quillon::testing::TempFolder;
using Entries = std::vector<std::string>;

// Folder histories hold paths, read back in the platform's own form.
std::string n(std::string_view path)
{
    return platform::nativePath(path);
}
Entries n(const Entries& paths)
{
    Entries native;
    for (const std::string& path : paths)
        native.push_back(n(path));
    return native;
}

struct HistoryFixture : ::testing::Test {
    std::string ini() { return folder.read("Quillon32.ini"); }

    TempFolder folder;
    SettingsStore store{folder.file("Quillon32.ini")};
    HistoryKeys keys{"Folders", "AddFolderDrop", 3};
};

TEST(HistoryKeys, NumbersWithoutLeadingZeros)
{
    const HistoryKeys keys{"Search", "SearchDrop", 100};
    EXPECT_EQ(keys.key(1), "SearchDrop1");
    EXPECT_EQ(keys.key(10), "SearchDrop10");
    EXPECT_EQ(clampCount(300), 255);
    EXPECT_EQ(clampCount(-1), 0);
}

TEST_F(HistoryFixture, ReadSkipsBlankAndObsoleteEntriesUpToTheMaximum)
{
    folder.write("Quillon32.ini",
                 n("[Folders]\nAddFolderDrop1=/a  \nAddFolderDrop2=\nAddFolderDrop3=/gone\n"
                   "AddFolderDrop4=/d\n"));
    keys.maximum = 4;
    const auto gone = [](const std::string& e) { return e == n("/gone"); };
    EXPECT_EQ(readHistory(store, keys, gone), n(Entries{"/a", "/d"}));
    EXPECT_EQ(readHistory(store, keys), n(Entries{"/a", "/gone", "/d"}));
    keys.maximum = 1;
    EXPECT_EQ(readHistory(store, keys), n(Entries{"/a"}));
    keys.maximum = 0;
    EXPECT_EQ(readHistory(store, keys), Entries{});
}

TEST_F(HistoryFixture, FolderAlreadyInTheHistoryInAnyCaseLeavesItUnchanged)
{
    const std::string content = n("[Folders]\nAddFolderDrop1=/A/b\nAddFolderDrop2=/c\n");
    folder.write("Quillon32.ini", content);
    SettingHistory history{readHistory(store, keys), n("/old")};
    EXPECT_FALSE(writeHistory(store, keys, history, n("/a/B  ")));
    EXPECT_FALSE(writeHistory(store, keys, history, n("/old")));
    EXPECT_FALSE(writeHistory(store, keys, history, "   "));
    EXPECT_EQ(ini(), content);
    EXPECT_EQ(history, (SettingHistory{n(Entries{"/A/b", "/c"}), n("/old")}));
}

TEST_F(HistoryFixture, NewFolderBecomesFirstAndTheOldestBeyondTheMaximumIsDropped)
{
    folder.write("Quillon32.ini",
                 n("[Folders]\nAddFolderDrop1=/a\nAddFolderDrop2=/b\nAddFolderDrop3=/c\n"
                   "AddFolderDrop4=/beyond\n"));
    SettingHistory history{readHistory(store, keys), ""};
    EXPECT_TRUE(writeHistory(store, keys, history, n("/new")));
    EXPECT_EQ(history, (SettingHistory{n(Entries{"/new", "/a", "/b"}), n("/new")}));
    // Keys beyond the maximum keep what the file held.
    EXPECT_EQ(ini(), n("[Folders]\nAddFolderDrop1=/new\nAddFolderDrop2=/a\nAddFolderDrop3=/b\n"
                       "AddFolderDrop4=/beyond\n"));
}

TEST_F(HistoryFixture, LaterCopiesBlanksAndObsoleteEntriesAreDropped)
{
    keys.maximum = 6;
    folder.write("Quillon32.ini",
                 n("[Folders]\nAddFolderDrop1=/a\nAddFolderDrop2=/b\nAddFolderDrop3=/a\n"
                   "AddFolderDrop4=/gone\nAddFolderDrop5=/b  \nAddFolderDrop6=/c\n"));
    SettingHistory history{readHistory(store, keys), ""};
    std::set<std::string> missing{n("/gone")};
    const auto gone = [&](const std::string& e) { return missing.count(e) > 0; };
    EXPECT_TRUE(writeHistory(store, keys, history, n("/v"), gone));
    EXPECT_EQ(history.entries, n(Entries{"/v", "/a", "/b", "/c"}));
    // The positions the dropped entries leave are deleted, so the re-read does not bring
    // them back.
    EXPECT_EQ(ini(), n("[Folders]\nAddFolderDrop1=/v\nAddFolderDrop2=/a\nAddFolderDrop3=/b\n"
                       "AddFolderDrop4=/c\n"));
}

TEST_F(HistoryFixture, CopiesDifferingOnlyInCaseAreKeptWhenWriting)
{
    keys.maximum = 5;
    folder.write("Quillon32.ini", "[Query]\nSearchDrop1=Open\nSearchDrop2=OPEN\n");
    const HistoryKeys search{"Query", "SearchDrop", 5};
    SettingHistory history{readHistory(store, search), ""};
    EXPECT_TRUE(writeHistory(store, search, history, "Close"));
    EXPECT_EQ(history.entries, (Entries{"Close", "Open", "OPEN"}));
}

TEST_F(HistoryFixture, ZeroMaximumWritesNothing)
{
    keys.maximum = 0;
    SettingHistory history;
    EXPECT_FALSE(writeHistory(store, keys, history, n("/v")));
    EXPECT_EQ(ini(), "");
}

TEST_F(HistoryFixture, FirstWriteCreatesTheHistory)
{
    SettingHistory history;
    EXPECT_TRUE(writeHistory(store, keys, history, n("/v")));
    EXPECT_TRUE(writeHistory(store, keys, history, n("/w")));
    EXPECT_EQ(history, (SettingHistory{n(Entries{"/w", "/v"}), n("/w")}));
    EXPECT_EQ(ini(), n("[Folders]\nAddFolderDrop1=/w\nAddFolderDrop2=/v\n"));
}

}  // namespace
}  // namespace quillon::settings
