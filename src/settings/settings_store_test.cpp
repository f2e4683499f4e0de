// Tests of the settings file store.
#include "settings/settings_store.h"

#include <gtest/gtest.h>

#include "support/test_workspace.h"

namespace quillon::settings {
namespace {

using quillon::testing::TempFolder;

TEST(SettingsStore, AbsentFileOrKeyGivesDefaultAndFirstWriteCreatesFile)
{
    TempFolder folder;
    SettingsStore store(folder.file("Quillon32.ini"));
    EXPECT_EQ(store.readSetting("Options", "UseStatusBar", "0"), "0");
    store.writeSetting("Options", "UseStatusBar", "1");
    EXPECT_EQ(folder.read("Quillon32.ini"), "[Options]\nUseStatusBar=1\n");
    EXPECT_EQ(store.readSetting("options", "USESTATUSBAR", "0"), "1");
}

TEST(SettingsStore, WritingReplacesInPlaceOrAppendsToEndOfSection)
{
    TempFolder folder;
    folder.write("Quillon32.ini",
                 "; comment\r\n[Options]\r\nA=1\r\nB=2\r\n\r\n[Folders]\r\nC=3\r\n");
    SettingsStore store(folder.file("Quillon32.ini"));
    store.writeSetting("OPTIONS", "a", "9");
    store.writeSetting("Options", "New", "x  ");
    store.writeSetting("Other", "K", "v");
    EXPECT_EQ(folder.read("Quillon32.ini"),
              "; comment\r\n[Options]\r\na=9\r\nB=2\r\nNew=x\r\n\r\n[Folders]\r\nC=3\r\n"
              "[Other]\r\nK=v\r\n");
}

TEST(SettingsStore, BlankValueIsNeverStored)
{
    TempFolder folder;
    folder.write("Quillon32.ini", "[S]\nEmpty=\nKeep=1\nGone=5\n");
    SettingsStore store(folder.file("Quillon32.ini"));
    EXPECT_EQ(store.readSetting("S", "Empty", "d"), "");
    EXPECT_EQ(folder.read("Quillon32.ini"), "[S]\nKeep=1\nGone=5\n");
    store.writeSetting("S", "Gone", "   ");
    EXPECT_EQ(folder.read("Quillon32.ini"), "[S]\nKeep=1\n");
    EXPECT_EQ(store.readSetting("S", "Missing", " "), " ");
}

TEST(SettingsStore, MalformedContentSurvivesWrites)
{
    TempFolder folder;
    std::string junk = "no section line\n[S]\n=orphan\nbroken line\nK=1\n[S]\nK=2\n";
    junk += std::string("bin\0ary=3\n", 10);
    junk += std::string(5000, 'x') + "\n";
    folder.write("Quillon32.ini", junk);
    SettingsStore store(folder.file("Quillon32.ini"));
    EXPECT_EQ(store.readSetting("S", "K", ""), "1");  // the first duplicate wins
    store.writeSetting("S", "K", "7");
    std::string expected = junk;
    expected.replace(expected.find("K=1"), 3, "K=7");
    EXPECT_EQ(folder.read("Quillon32.ini"), expected);
}

TEST(SettingsStore, UnreadableFileGivesDefaultsAndIsNotOverwritten)
{
    TempFolder folder;
    std::filesystem::create_directory(folder.file("Quillon32.ini"));
    SettingsStore store(folder.file("Quillon32.ini"));
    EXPECT_EQ(store.readSetting("S", "K", "d"), "d");
    store.writeSetting("S", "K", "v");
    EXPECT_TRUE(std::filesystem::is_directory(folder.file("Quillon32.ini")));
}

TEST(SettingsStore, NumbersReadZeroWhenNotNumeric)
{
    EXPECT_EQ(settingNumber("12"), 12);
    EXPECT_EQ(settingNumber(" -3x"), -3);
    EXPECT_EQ(settingNumber("abc"), 0);
    EXPECT_EQ(settingNumber(""), 0);
}

}  // namespace
}  // namespace quillon::settings
