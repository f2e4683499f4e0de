// Tests of the settings file store.
#include "settings/settings_store.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <random>
#include <utility>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#else
#include <unistd.h>
#endif

#include "platform/error_codes.h"
#include "platform/file_system.h"
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

TEST(SettingsStore, ReadOnlyStoreNeverChangesTheFile)
{
    TempFolder folder;
    const std::string content = "[S]\nEmpty=\nK=1\n";
    folder.write("win.ini", content);
    SettingsStore store(folder.file("win.ini"), SettingsStore::Access::ReadOnly);
    EXPECT_EQ(store.readSetting("S", "Empty", "d"), "");
    EXPECT_EQ(store.readSetting("S", "K", "d"), "1");
    store.writeSetting("S", "K", "2");
    store.writeSetting("S", "New", "3");
    store.deleteSetting("S", "K");
    EXPECT_EQ(folder.read("win.ini"), content);
    SettingsStore missing(folder.file("none.ini"), SettingsStore::Access::ReadOnly);
    missing.writeSetting("S", "K", "1");
    EXPECT_FALSE(std::filesystem::exists(folder.file("none.ini")));
}

TEST(SettingsStore, NamesThatCannotBeStoredAreRefused)
{
    TempFolder folder;
    const std::string content = "[S]\nK=1\n";
    folder.write("Quillon32.ini", content);
    SettingsStore store(folder.file("Quillon32.ini"));
    store.writeSetting("S", "A=B", "x");
    store.writeSetting("S", "[T]", "x");
    store.writeSetting("S", ";c", "x");
    store.writeSetting("S", "", "x");
    store.writeSetting("S]", "K", "x");
    store.writeSetting("S\nT", "K", "x");
    EXPECT_EQ(folder.read("Quillon32.ini"), content);
    EXPECT_EQ(store.readSetting("S", "A=B", "d"), "d");
}

TEST(SettingsStore, ValueIsCutAtItsFirstLineBreak)
{
    TempFolder folder;
    SettingsStore store(folder.file("Quillon32.ini"));
    store.writeSetting("S", "K", "first\n[Evil]\nX=1");
    store.writeSetting("S", "Only", "\r\nrest");
    EXPECT_EQ(folder.read("Quillon32.ini"), "[S]\nK=first\n");
}

TEST(SettingsStore, ByteOrderMarkIsKeptAndDoesNotHideTheFirstSection)
{
    TempFolder folder;
    folder.write("Quillon32.ini", "\xEF\xBB\xBF[Options]\r\nA=1\r\n");
    SettingsStore store(folder.file("Quillon32.ini"));
    EXPECT_EQ(store.readSetting("Options", "A", "0"), "1");
    store.writeSetting("Options", "B", "2");
    EXPECT_EQ(folder.read("Quillon32.ini"), "\xEF\xBB\xBF[Options]\r\nA=1\r\nB=2\r\n");
}

TEST(SettingsStore, DuplicateSectionsAndKeysReadTheFirstAndKeepTheRest)
{
    TempFolder folder;
    const std::string content = "[S]\nK=1\nK=2\n[T]\nX=1\n[s]\nK=3\nOnlyHere=4\n";
    folder.write("Quillon32.ini", content);
    SettingsStore store(folder.file("Quillon32.ini"));
    EXPECT_EQ(store.readSetting("S", "K", ""), "1");
    EXPECT_EQ(store.readSetting("S", "OnlyHere", "d"), "d");
    store.writeSetting("S", "OnlyHere", "5");
    EXPECT_EQ(folder.read("Quillon32.ini"),
              "[S]\nK=1\nK=2\nOnlyHere=5\n[T]\nX=1\n[s]\nK=3\nOnlyHere=4\n");
    store.deleteSetting("S", "K");
    EXPECT_EQ(store.readSetting("S", "K", ""), "2");
}

TEST(SettingsStore, BinaryJunkReadsDefaultsAndSurvivesAWrite)
{
    TempFolder folder;
    std::string junk;
    for (int i = 0; i < 4096; ++i)
        junk += static_cast<char>((i * 37 + 11) % 256);
    junk.erase(std::remove(junk.begin(), junk.end(), '['), junk.end());
    folder.write("Quillon32.ini", junk);
    SettingsStore store(folder.file("Quillon32.ini"));
    EXPECT_EQ(store.readSetting("Options", "UseStatusBar", "0"), "0");
    EXPECT_EQ(store.readNumber("Options", "UseRecentFiles", 255), 255);
    store.writeSetting("Options", "UseStatusBar", "1");
    const std::string after = folder.read("Quillon32.ini");
    ASSERT_GE(after.size(), junk.size());
    EXPECT_EQ(after.substr(0, junk.size()), junk);
    EXPECT_EQ(store.readSetting("Options", "UseStatusBar", "0"), "1");
}

TEST(SettingsStore, OverlongLinesAndNulBytesAreReadSafely)
{
    TempFolder folder;
    const std::string longValue(100000, 'v');
    std::string content = "[S]\nLong=" + longValue + "\n";
    content += std::string("Nul=a\0b\n", 8);
    content += std::string(200000, 'k') + "=1\n";
    folder.write("Quillon32.ini", content);
    SettingsStore store(folder.file("Quillon32.ini"));
    EXPECT_EQ(store.readSetting("S", "Long", ""), std::string(1024, 'v'));
    EXPECT_EQ(store.readSetting("S", "Nul", ""), std::string("a\0b", 3));
    store.writeSetting("S", "After", "1");
    EXPECT_EQ(folder.read("Quillon32.ini"), content + "After=1\n");
}

#ifndef _WIN32
TEST(SettingsStore, SymbolicLinkAndPermissionsSurviveAWrite)
{
    TempFolder folder;
    const std::string real = folder.write("real.ini", "[S]\nK=1\n");
    std::filesystem::permissions(
        real, std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    std::filesystem::create_symlink(real, folder.file("Quillon32.ini"));
    SettingsStore store(folder.file("Quillon32.ini"));
    store.writeSetting("S", "K", "2");
    EXPECT_TRUE(std::filesystem::is_symlink(folder.file("Quillon32.ini")));
    EXPECT_EQ(folder.read("real.ini"), "[S]\nK=2\n");
    EXPECT_EQ(std::filesystem::status(real).permissions() & std::filesystem::perms::all,
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
}

TEST(SettingsStore, FileWithoutReadPermissionIsNotOverwritten)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "read permissions do not bind the superuser";
    TempFolder folder;
    const std::string path = folder.write("Quillon32.ini", "[S]\nK=1\n");
    std::filesystem::permissions(path, std::filesystem::perms::none);
    SettingsStore store(path);
    EXPECT_EQ(store.readSetting("S", "K", "d"), "d");
    store.writeSetting("S", "K", "2");
    std::filesystem::permissions(path, std::filesystem::perms::owner_read);
    EXPECT_EQ(folder.read("Quillon32.ini"), "[S]\nK=1\n");
}
#endif

TEST(SettingsStore, Utf16FileIsReadButNeverRewritten)
{
    TempFolder folder;
    std::string content = "\xFF\xFE";
    for (const char c : std::string("[Options]\r\nUseStatusBar=1\r\nEmpty=\r\nName=Caf\xE9\r\n")) {
        content += c;
        content += '\0';
    }
    content += "\x3D\xD8\x00\xDE";  // a character outside Windows-1252
    folder.write("Quillon32.ini", content);
    SettingsStore store(folder.file("Quillon32.ini"));
    EXPECT_EQ(store.readSetting("Options", "UseStatusBar", "0"), "1");
    EXPECT_EQ(store.readSetting("Options", "Name", ""), "Caf\xE9");
    EXPECT_EQ(store.readSetting("Options", "Empty", "d"), "");
    store.writeSetting("Options", "UseStatusBar", "0");
    store.deleteSetting("Options", "Name");
    EXPECT_EQ(folder.read("Quillon32.ini"), content);
}

TEST(SettingsStore, WritingOneKeyNeverChangesWhatOtherKeysRead)
{
    const std::vector<std::string> pieces = {"[S]",
                                             "[s]",
                                             "[T]",
                                             " [ S ] x",
                                             "[S",
                                             "K=1",
                                             "k = 2",
                                             "K=",
                                             "L=x",
                                             "=y",
                                             ";K=3",
                                             "junk",
                                             "",
                                             "  ",
                                             std::string("\0=\0", 3),
                                             "M=\"q\"",
                                             std::string(3000, 'z'),
                                             "L=\t",
                                             "\xEF\xBB\xBF[T]",
                                             "N=a\rb"};
    const std::vector<std::pair<std::string, std::string>> probes = {
        {"S", "K"}, {"S", "L"}, {"S", "M"}, {"S", "N"}, {"T", "K"}, {"T", "L"}, {"U", "K"}};
    std::mt19937 random(12345);
    TempFolder folder;
    const std::string path = folder.file("Quillon32.ini");
    SettingsStore store(path);
    SettingsStore reader(path, SettingsStore::Access::ReadOnly);
    for (int round = 0; round < 300; ++round) {
        std::string content;
        const int lines = static_cast<int>(random() % 12);
        for (int i = 0; i < lines; ++i)
            content += pieces[random() % pieces.size()] + (random() % 4 == 0 ? "\r\n" : "\n");
        if (random() % 3 == 0 && !content.empty())
            content.pop_back();
        folder.write("Quillon32.ini", content);

        const auto& [section, key] = probes[random() % probes.size()];
        std::vector<std::string> before;
        for (const auto& [ps, pk] : probes)
            before.push_back(reader.readSetting(ps, pk, "<none>"));
        store.writeSetting(section, key, "v" + std::to_string(round));
        for (std::size_t i = 0; i < probes.size(); ++i) {
            const auto& [ps, pk] = probes[i];
            const std::string expected =
                (ps == section && pk == key) ? "v" + std::to_string(round) : before[i];
            ASSERT_EQ(reader.readSetting(ps, pk, "<none>"), expected)
                << "round " << round << " writing " << section << "/" << key << " over:\n"
                << content;
        }
    }
}

TEST(SettingsStore, MixedLineEndsOfUntouchedLinesSurvive)
{
    TempFolder folder;
    folder.write("Quillon32.ini", "[S]\r\nA=1\nB=2\r\n\r\n[T]\nC=3");
    SettingsStore store(folder.file("Quillon32.ini"));
    store.writeSetting("S", "B", "9");
    store.writeSetting("S", "New", "x");
    EXPECT_EQ(folder.read("Quillon32.ini"), "[S]\r\nA=1\nB=9\r\nNew=x\r\n\r\n[T]\nC=3");
    store.writeSetting("T", "D", "4");
    EXPECT_EQ(folder.read("Quillon32.ini"), "[S]\r\nA=1\nB=9\r\nNew=x\r\n\r\n[T]\nC=3\r\nD=4\r\n");
    store.deleteSetting("S", "A");
    EXPECT_EQ(folder.read("Quillon32.ini"), "[S]\r\nB=9\r\nNew=x\r\n\r\n[T]\nC=3\r\nD=4\r\n");
}

TEST(SettingsStore, FailedWriteLeavesTheOldFileWhole)
{
    TempFolder folder;
    const std::string content = "[S]\nK=1\n";
    folder.write("Quillon32.ini", content);
    // The temporary file cannot be made.
    platform::FileSystem files;
    files.setFaultHook([](platform::FileOp op, const std::string&) {
        return op == platform::FileOp::Create ? platform::kAccessDenied : 0;
    });
    SettingsStore store(files, folder.file("Quillon32.ini"));
    store.writeSetting("S", "K", "2");
    store.writeSetting("S", "K", "");
    EXPECT_EQ(folder.read("Quillon32.ini"), content);
    EXPECT_EQ(store.readSetting("S", "K", ""), "1");
}

TEST(SettingsStore, PathKeysComeBackInTheProgramsFormAndAbsentOnesAsTheDefault)
{
    TempFolder folder;
#ifdef _WIN32
    // What an earlier version wrote: "/" from a file dialog, the ANSI code page (E9h is
    // e with acute accent in Windows-1252, the code page of the systems this runs on).
    folder.write("Quillon32.ini",
                 "[Filelist]\r\nFilelist1=C:/Libs/noext.lib\r\n"
                 "Filelist2=C:\\Caf\xE9\\x.lib\r\n");
    SettingsStore store(folder.file("Quillon32.ini"));
    EXPECT_EQ(store.readPath("Filelist", "Filelist1"), "C:\\Libs\\noext.lib");
    if (GetACP() == 1252) {
        EXPECT_EQ(store.readPath("Filelist", "Filelist2"), "C:\\Caf\xC3\xA9\\x.lib");
    }
    store.writePath("Filelist", "Filelist2", "C:\\Caf\xC3\xA9\\x.lib");
    if (GetACP() == 1252) {
        EXPECT_NE(folder.read("Quillon32.ini").find("Filelist2=C:\\Caf\xE9\\x.lib\r\n"),
                  std::string::npos);
    }
    EXPECT_EQ(store.readPath("Filelist", "Missing", "<not/found>"), "<not/found>");
#else
    folder.write("Quillon32.ini", "[Filelist]\nFilelist1=/libs/a\\b.lib\nFilelist2=/caf\xE9\n");
    SettingsStore store(folder.file("Quillon32.ini"));
    EXPECT_EQ(store.readPath("Filelist", "Filelist1"), "/libs/a\\b.lib");
    EXPECT_EQ(store.readPath("Filelist", "Filelist2"), "/caf\xE9");
    store.writePath("Filelist", "Filelist3", "/caf\xC3\xA9");
    EXPECT_EQ(folder.read("Quillon32.ini"),
              "[Filelist]\nFilelist1=/libs/a\\b.lib\nFilelist2=/caf\xE9\nFilelist3=/caf\xC3\xA9\n");
    EXPECT_EQ(store.readPath("Filelist", "Missing", "<none>"), "<none>");
#endif
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
