// The exceptions and favourites lists of the list editor.
#include "maintenance/edit_list.h"

#include <gtest/gtest.h>

#include "platform/native_path.h"
#include "settings/favorites.h"
#include "support/test_workspace.h"

namespace quillon::maintenance {
namespace {

using Kind = EditListKind;

// A full path on this platform: from a drive on Windows, from the root elsewhere.
std::string fullPath(std::string_view fromRoot)
{
#ifdef _WIN32
    return "C:" + platform::nativePath(fromRoot);
#else
    return std::string(fromRoot);
#endif
}

TEST(EditList, EntriesAreNormalisedPerList)
{
    EXPECT_EQ(normalizeEntry(Kind::Exceptions, " o'Rei\"lly ", "C:\\WIN\\krnl386.exe"),
              (EditListEntry{"OREILLY", "KRNL386.EXE"}));
    EXPECT_EQ(normalizeEntry(Kind::Favorites, "", " /home/u/Libs/My.lib "),
              (EditListEntry{"My.lib", "/home/u/Libs/My.lib"}));
}

TEST(EditList, EntriesAreCheckedAgainstTheListAndItsLimits)
{
    std::vector<EditListEntry> list = {{"KERNEL", "KRNL386.EXE"}};
    auto check = [&](std::string_view m, std::string_view f, std::optional<std::size_t> at = {}) {
        return checkEntry(Kind::Exceptions, list, normalizeEntry(Kind::Exceptions, m, f), at);
    };
    EXPECT_EQ(check("", "X.DLL"), EntryRefusal::BlankModule);
    EXPECT_EQ(check("X", "C:\\dir\\"), EntryRefusal::BlankFile);
    EXPECT_EQ(check(std::string(254, 'M'), "X.DLL"), EntryRefusal::None);
    EXPECT_EQ(check(std::string(255, 'M'), "X.DLL"), EntryRefusal::ModuleTooLong);
    EXPECT_EQ(check("kernel", "K.EXE"), EntryRefusal::Duplicate);
    EXPECT_EQ(check("kernel", "K.EXE", 0), EntryRefusal::None);  // editing itself
    list.resize(kMaxListEntries, {"M", "F"});
    EXPECT_EQ(check("NEW", "NEW.DLL"), EntryRefusal::Full);
    EXPECT_EQ(checkEntry(Kind::Favorites, {}, normalizeEntry(Kind::Favorites, "", "a|b"), {}),
              EntryRefusal::BadCharacter);
    for (const char* relative : {"My.lib", "libs/My.lib", "./My.lib"})
        EXPECT_EQ(
            checkEntry(Kind::Favorites, {}, normalizeEntry(Kind::Favorites, "", relative), {}),
            EntryRefusal::NotFullPath)
            << relative;
    EXPECT_EQ(entryRefusalText(Kind::Favorites, EntryRefusal::NotFullPath),
              "A favorite file needs its full path: drive or root, folders and name!");
    EXPECT_EQ(check("BAD\nNAME", "X.DLL"), EntryRefusal::ControlCharacter);
    EXPECT_EQ(check("NAME", "X\x7F.DLL"), EntryRefusal::ControlCharacter);
    EXPECT_EQ(checkEntry(Kind::Favorites, {}, normalizeEntry(Kind::Favorites, "", "/a\tb.lib"), {}),
              EntryRefusal::ControlCharacter);
    const std::vector<EditListEntry> favorites(3, {"x", std::string(340, 'f')});
    EXPECT_EQ(checkEntry(Kind::Favorites, favorites, {"y", fullPath("/y.lib")}, {}),
              EntryRefusal::FavoritesFull);
}

TEST(EditList, ExceptionsAreWrittenWithTheirCountReadBackAndUsedAtOnce)
{
    testing::TestWorkspace t;
    // An older, longer list leaves no pairs behind.
    std::vector<EditListEntry> list = {{"A", "A1.DLL"}, {"B", "B1.DLL"}, {"C", "C1.DLL"}};
    ASSERT_TRUE(saveEditList(t.ws, Kind::Exceptions, list).ok());
    list = {{"KERNEL", "KRNL386.EXE"}, {"USER", "USER.EXE"}};
    ASSERT_TRUE(saveEditList(t.ws, Kind::Exceptions, list).ok());
    EXPECT_EQ(t.settings.readSetting("Exceptlist", "ListNum"), "2");
    EXPECT_EQ(t.settings.readSetting("Exceptlist", "Modulename1"), "KERNEL");
    EXPECT_EQ(t.settings.readSetting("Exceptlist", "Filename2"), "USER.EXE");
    EXPECT_EQ(t.settings.readSetting("Exceptlist", "Modulename3"), "");
    ASSERT_EQ(t.ws.exceptQ.entries.size(), 2u);
    EXPECT_EQ(t.ws.exceptQ.entries[0].FILENAMESUFFIX, "EXE");
    EXPECT_EQ(loadEditList(t.ws, Kind::Exceptions), list);
}

TEST(EditList, AListThatCannotBeWrittenIsReported)
{
    testing::TestWorkspace t;
    // A folder that cannot be made: a plain file stands in its way.
    t.settings.setPath(t.folder.write("plain", "x") + "/Quillon32.ini");
    const Status saved = saveEditList(t.ws, Kind::Exceptions, {{"KERNEL", "KRNL386.EXE"}});
    ASSERT_FALSE(saved.ok());
    EXPECT_EQ(saved.error().code, 5);
}

TEST(EditList, FavoritesAreTheFilesTheMenusRead)
{
    testing::TestWorkspace t;
    const std::vector<EditListEntry> list = {
        normalizeEntry(Kind::Favorites, "", fullPath("/a/One.lib")),
        normalizeEntry(Kind::Favorites, "", fullPath("/b/Two.dll"))};
    ASSERT_TRUE(saveEditList(t.ws, Kind::Favorites, list).ok());
    EXPECT_EQ(t.settings.readSetting("Favorites", "UseFavoritesFiles"),
              fullPath("/a/One.lib") + "|" + fullPath("/b/Two.dll"));
    EXPECT_EQ(loadEditList(t.ws, Kind::Favorites), list);
}

TEST(EditList, SystemIniDriversWhoseModuleDiffersFromTheFileAreImported)
{
    testing::TestWorkspace t;
    const std::string ini = t.folder.write(
        "system.ini",
        "[boot]\r\nshell=progman.exe\r\ndisplay.drv=vga.drv\r\nkeyboard.drv=keyboard.drv\r\n"
        "sound.drv=mmsound.drv ; comment\r\n[drivers]\r\nwave=x.drv\r\n");
    const std::vector<EditListEntry> found = systemIniExceptions(ini);
    const std::vector<EditListEntry> expected = {{"DISPLAY", "VGA.DRV"}, {"SOUND", "MMSOUND.DRV"}};
    EXPECT_EQ(found, expected);
    std::vector<EditListEntry> list = {{"DISPLAY", "OTHER.DRV"}};
    EXPECT_EQ(mergeEntries(list, found), 1u);
    EXPECT_EQ(list.back(), (EditListEntry{"SOUND", "MMSOUND.DRV"}));
    EXPECT_TRUE(systemIniExceptions(t.folder.file("none.ini")).empty());
}

TEST(EditList, ImportTellsWhatItTookAndWhenThereIsNoSystemIni)
{
    testing::TestWorkspace t;
    const std::string ini = t.folder.write("system.ini", "[boot]\r\ndisplay.drv=vga.drv\r\n");
    std::vector<EditListEntry> list;
    const SystemIniImport first = importSystemIni(t.ws, list, ini);
    EXPECT_EQ(first, (SystemIniImport{true, 1}));
    EXPECT_EQ(systemIniImportText(first, ini), "1 entry imported from SYSTEM.INI");
    const SystemIniImport again = importSystemIni(t.ws, list, ini);
    EXPECT_EQ(systemIniImportText(again, ini), "No new entries found in SYSTEM.INI");
    // Not beside the other: on Windows "system.ini" is the same file.
    const std::string none = t.folder.file("gone/SYSTEM.INI");
    const SystemIniImport missing = importSystemIni(t.ws, list, none);
    EXPECT_EQ(missing, (SystemIniImport{false, 0}));
    EXPECT_EQ(systemIniImportText(missing, none), "SYSTEM.INI was not found: " + none);
    EXPECT_EQ(list.size(), 1u);
}

}  // namespace
}  // namespace quillon::maintenance
