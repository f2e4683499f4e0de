// The recent files list: recording the present file, reading it, the sub-menu, saving, cleanup
// and find.
#include "settings/recent_files.h"

#include <gtest/gtest.h>

#include "platform/native_path.h"
#include "support/exe_builder.h"
#include "support/test_workspace.h"

namespace quillon::settings {
namespace {

// Paths enter the program, and are stored and read, in the platform's own form.
std::string n(std::string_view path)
{
    return platform::nativePath(path);
}

class RecentFilesTest : public ::testing::Test {
protected:
    [[nodiscard]] std::string key(std::string_view name)
    {
        return t.settings.readSetting("Filelist", name);
    }
    void store(std::string_view name, std::string_view value)
    {
        t.settings.writeSetting("Filelist", name, value);
    }
    [[nodiscard]] std::vector<std::string> names(const std::vector<RecentFileEntry>& entries)
    {
        std::vector<std::string> out;
        for (const RecentFileEntry& e : entries)
            out.push_back(e.name);
        return out;
    }

    quillon::testing::TestWorkspace t;
};

TEST_F(RecentFilesTest, OpeningABThenAGivesPresentAAndTheListBA)
{
    RecordPresentFile(t.ws, n("/x/A.LIB"));
    RecordPresentFile(t.ws, n("/x/B.LIB"));
    RecordPresentFile(t.ws, n("/x/A.LIB"));
    EXPECT_EQ(key("PresentFile"), n("/x/A.LIB"));
    EXPECT_EQ(key("Filelist1"), n("/x/B.LIB"));
    EXPECT_EQ(key("Filelist2"), n("/x/A.LIB"));
    EXPECT_EQ(key("Filelist3"), "");
}

TEST_F(RecentFilesTest, TheSameFileTwiceInARowIsRecordedOnce)
{
    RecordPresentFile(t.ws, n("/x/A.LIB"));
    RecordPresentFile(t.ws, n("/x/B.LIB"));
    RecentFiles& memory = recentFiles(t.ws);
    EXPECT_FALSE(memory.recordPresentFile(t.settings, 255, n("/x/B.LIB  ")));
    EXPECT_EQ(key("Filelist1"), n("/x/A.LIB"));
    EXPECT_EQ(key("Filelist2"), "");
    EXPECT_EQ(memory.lastRecorded(), n("/x/B.LIB"));
}

#ifdef _WIN32
TEST_F(RecentFilesTest, APathWrittenWithSlashesIsTheSameFileAsItsWindowsForm)
{
    // What a file dialog handed back before paths took the Windows form where they enter.
    store("PresentFile", "C:/Libs/noext.lib");
    store("Filelist1", "C:/Libs/version.dll");
    EXPECT_FALSE(recentFiles(t.ws).recordPresentFile(t.settings, 255, "C:\\Libs\\NOEXT.LIB"));
    EXPECT_EQ(key("Filelist2"), "");
    const RecentFilesList list = LoadRecentFiles(t.settings, t.files, t.ws.options);
    EXPECT_EQ(names(list.entries), std::vector<std::string>{"C:\\Libs\\version.dll"});
}
#endif

TEST_F(RecentFilesTest, ThePresentFileOfTheLastRunMovesIntoTheList)
{
    store("PresentFile", n("/x/P.LIB"));
    store("Filelist1", n("/x/Q.LIB"));
    RecordPresentFile(t.ws, n("/x/A.LIB"));
    EXPECT_EQ(key("PresentFile"), n("/x/A.LIB"));
    EXPECT_EQ(key("Filelist1"), n("/x/P.LIB"));
    EXPECT_EQ(key("Filelist2"), n("/x/Q.LIB"));
}

TEST_F(RecentFilesTest, ReopeningThePresentFileOfTheLastRunChangesNothing)
{
    store("PresentFile", n("/x/P.LIB"));
    store("Filelist1", n("/x/Q.LIB"));
    RecordPresentFile(t.ws, n("/x/P.LIB"));
    EXPECT_EQ(key("Filelist1"), n("/x/Q.LIB"));
    EXPECT_EQ(key("Filelist2"), "");
}

TEST_F(RecentFilesTest, ThreeKeptOfFiveStoredKeepsTheHigherKeysUnread)
{
    t.ws.options.UseRecentFiles = 3;
    for (int i = 1; i <= 5; ++i)
        store("Filelist" + std::to_string(i), n("/x/F") + std::to_string(i));
    store("PresentFile", n("/x/P"));
    RecordPresentFile(t.ws, n("/x/NEW"));
    EXPECT_EQ(key("PresentFile"), n("/x/NEW"));
    EXPECT_EQ(key("Filelist1"), n("/x/P"));
    EXPECT_EQ(key("Filelist2"), n("/x/F1"));
    EXPECT_EQ(key("Filelist3"), n("/x/F2"));
    EXPECT_EQ(key("Filelist4"), n("/x/F4"));
    EXPECT_EQ(key("Filelist5"), n("/x/F5"));
    const RecentFilesList list = LoadRecentFiles(t.settings, t.files, t.ws.options);
    EXPECT_EQ(names(list.entries), (std::vector<std::string>{n("/x/P"), n("/x/F1"), n("/x/F2")}));
}

TEST_F(RecentFilesTest, RecordingClosesGapsWithoutLeavingCopies)
{
    t.ws.options.UseRecentFiles = 4;
    store("PresentFile", n("/x/P"));
    store("Filelist3", n("/x/C"));
    RecordPresentFile(t.ws, n("/x/NEW"));
    EXPECT_EQ(key("Filelist1"), n("/x/P"));
    EXPECT_EQ(key("Filelist2"), n("/x/C"));
    EXPECT_EQ(key("Filelist3"), "");
    EXPECT_EQ(key("Filelist4"), "");
}

TEST_F(RecentFilesTest, WithoutAPreviousFileTheListMovesDownWithoutACopy)
{
    store("Filelist1", n("/x/Q"));
    RecordPresentFile(t.ws, n("/x/A"));
    EXPECT_EQ(key("Filelist1"), "");
    EXPECT_EQ(key("Filelist2"), n("/x/Q"));
    EXPECT_EQ(names(LoadRecentFiles(t.settings, t.files, t.ws.options).entries),
              std::vector<std::string>{n("/x/Q")});
}

TEST_F(RecentFilesTest, NoListIsKeptWithZeroEntries)
{
    t.ws.options.UseRecentFiles = 0;
    RecordPresentFile(t.ws, n("/x/A"));
    RecordPresentFile(t.ws, n("/x/B"));
    EXPECT_EQ(key("PresentFile"), n("/x/B"));
    EXPECT_EQ(key("Filelist1"), "");
}

TEST_F(RecentFilesTest, EachFileGetsTheIconOfItsKind)
{
    quillon::testing::PeSpec pe;
    quillon::testing::PeExport alpha;
    alpha.name = "Alpha";
    pe.exports = {alpha};
    const std::string dll32 = t.folder.write("w32.dll", quillon::testing::buildPe(pe).bytes);
    quillon::testing::NeSpec ne;
    const std::string dll16 = t.folder.write("w16.dll", quillon::testing::buildNe(ne).bytes);
    const std::string text = t.folder.write("notes.dll", std::string(200, 'x'));
    const std::string lib = t.folder.write("a.lib", "whatever");
    store("Filelist1", dll16);
    store("Filelist2", dll32);
    store("Filelist3", text);
    store("Filelist4", lib);
    store("Filelist5", t.folder.file("gone.lib"));
    store("Filelist6", t.folder.file("gone.dll"));
    const RecentFilesList list = LoadRecentFiles(t.settings, t.files, t.ws.options);
    std::vector<std::string_view> icons;
    for (const RecentFileEntry& e : list.entries)
        icons.push_back(recentFileIcon(e.kind));
    EXPECT_EQ(icons, (std::vector<std::string_view>{"QNShutFold16", "QNShutFold32", "QNShutFoldX",
                                                    "QNShutFold", "QNShutFoldNotFound",
                                                    "QNShutFoldNotFoundX"}));
    EXPECT_EQ(list.entries[0].OS, 1);
    EXPECT_EQ(list.entries[1].OS, 2);
    EXPECT_TRUE(list.entries[5].notFound);

    t.ws.options.UseExcludeObsoleteFiles = true;
    EXPECT_EQ(LoadRecentFiles(t.settings, t.files, t.ws.options).entries.size(), 4u);
    EXPECT_EQ(LoadRecentFiles(t.settings, t.files, t.ws.options, MissingFiles::Keep).entries.size(),
              6u);
}

TEST_F(RecentFilesTest, ThePresentFileReadsEmptyWhenItIsGone)
{
    const std::string lib = t.folder.write("here.lib", "x");
    store("PresentFile", lib);
    EXPECT_EQ(LoadRecentFiles(t.settings, t.files, t.ws.options).presentFile, lib);
    store("PresentFile", t.folder.file("gone.lib"));
    EXPECT_EQ(LoadRecentFiles(t.settings, t.files, t.ws.options).presentFile, "");
}

TEST_F(RecentFilesTest, SubMenuFiltersBySuffixCountCaseAndObsoleteFiles)
{
    store("Filelist1", n("/x/One.dll"));
    store("Filelist2", n("/x/Two.Lib"));
    store("Filelist3", n("/x/Three.LIB"));
    store("Filelist4", n("/x/Four.lib"));
    store("Filelist5", n("/x/Five.lib"));
    Options& o = t.ws.options;
    o.FileSuffix = ".LIB";
    auto menu = recentMenuEntries(t.settings, t.files, o);
    ASSERT_EQ(menu.size(), 4u);  // UseNumMenu 4: the executable is hidden
    EXPECT_EQ(menu[0], (RecentMenuEntry{n("/x/Two.Lib"), n("/x/two.lib")}));  // CaseOption 2 lower
    EXPECT_EQ(menu[3].path, n("/x/Five.lib"));
    o.FileSuffix.clear();
    o.UseNumMenu = 2;
    o.CaseOption = MenuCasing::Upper;
    menu = recentMenuEntries(t.settings, t.files, o);
    ASSERT_EQ(menu.size(), 2u);
    EXPECT_EQ(menu[0].text, n("/X/ONE.DLL"));
    o.CaseOption = MenuCasing::AsStored;
    EXPECT_EQ(recentMenuEntries(t.settings, t.files, o)[1].text, n("/x/Two.Lib"));
    o.UseExcludeObsoleteFiles = true;
    EXPECT_TRUE(recentMenuEntries(t.settings, t.files, o).empty());
    o.UseNumMenu = 0;
    o.UseExcludeObsoleteFiles = false;
    EXPECT_TRUE(recentMenuEntries(t.settings, t.files, o).empty());
}

TEST_F(RecentFilesTest, SavingWritesTheListInOrderAndDeletesWhatIsLeftOver)
{
    for (int i = 1; i <= 4; ++i)
        store("Filelist" + std::to_string(i), n("/x/old") + std::to_string(i));
    std::vector<RecentFileEntry> entries(2);
    entries[0].name = n("/x/b");
    entries[1].name = n("/x/a");
    saveRecentFiles(t.settings, 3, entries);
    EXPECT_EQ(key("Filelist1"), n("/x/b"));
    EXPECT_EQ(key("Filelist2"), n("/x/a"));
    EXPECT_EQ(key("Filelist3"), "");
    EXPECT_EQ(key("Filelist4"), n("/x/old4"));  // beyond the kept count: not read, not touched
}

TEST_F(RecentFilesTest, CleanupRemovesLaterCopiesAndMissingFiles)
{
    const std::string a = t.folder.write("a.lib", "x");
    const std::string b = t.folder.write("b.lib", "x");
    std::vector<RecentFileEntry> entries;
    for (const std::string& name : {a, b, t.folder.file("gone.lib"), a, b})
        entries.push_back(identifyRecentFile(t.files, name));
    EXPECT_EQ(cleanupRecentFiles(entries), 3u);
    EXPECT_EQ(names(entries), (std::vector<std::string>{a, b}));
}

TEST_F(RecentFilesTest, FindFromTopOrAfterTheCurrentEntryWithOrWithoutCase)
{
    std::vector<RecentFileEntry> entries(3);
    entries[0].name = n("/x/Kernel32.lib");
    entries[1].name = "/y/user32.dll";
    entries[2].name = "/y/KERNEL.LIB";
    RecentFind find;
    find.FindText = "kernel";
    EXPECT_EQ(findRecentFile(entries, find, 2), 0u);
    find.FromTop = false;
    EXPECT_EQ(findRecentFile(entries, find, 0), 2u);
    EXPECT_EQ(findRecentFile(entries, find, 2), std::nullopt);
    EXPECT_EQ(findRecentFile(entries, find, std::nullopt), 0u);
    find.CaseSensitive = true;
    EXPECT_EQ(findRecentFile(entries, find, std::nullopt), std::nullopt);
    find.FindText = "  ";
    EXPECT_EQ(findRecentFile(entries, find, std::nullopt), std::nullopt);
}

TEST_F(RecentFilesTest, FindSettingsKeepTheirDefaultsAndRoundTrip)
{
    EXPECT_EQ(loadRecentFind(t.settings), RecentFind{});
    const RecentFind find{"user", false, true};
    saveRecentFind(t.settings, find);
    EXPECT_EQ(loadRecentFind(t.settings), find);
    EXPECT_EQ(key("FromTop"), "0");
}

}  // namespace
}  // namespace quillon::settings
