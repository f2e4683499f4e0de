// Tests of LoadOptions and SaveOptions.
#include "settings/options_io.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/paths.h"
#include "settings/settings_store.h"
#include "support/test_workspace.h"

namespace quillon::settings {
namespace {

using quillon::testing::TestWorkspace;

constexpr char kSep = platform::kPathSeparator;

struct OptionsFixture : ::testing::Test {
    OptionsFixture()
    {
        std::filesystem::create_directories(t.folder.path() / "lib");
        std::filesystem::create_directories(t.folder.path() / "bin");
        context.settingsFolder = dir("");
    }
    /// A folder inside the scratch folder, ending in a separator.
    std::string dir(const std::string& name) const
    {
        return (name.empty() ? t.folder.path().string() : t.folder.file(name)) + kSep;
    }
    std::string ini() const { return t.folder.read("Quillon32.ini"); }
    void load(const OptionsSeams& seams = {})
    {
        LoadOptions(t.settings, t.files, options, context, seams);
    }

    TestWorkspace t;
    Options options;
    OptionsContext context;
};

TEST_F(OptionsFixture, EmptyFileGivesTheTableDefaults)
{
    load();
    Options expected;
    expected.ProgFolder = dir("");
    expected.AddFolder = dir("");
    expected.SaveFolder = dir("");
    EXPECT_EQ(options, expected);
    EXPECT_EQ(ini(), "");
}

TEST_F(OptionsFixture, DetectedClarionFoldersAreTheDefaults)
{
    context.detectedBINFolder = dir("bin");
    context.detectedLIBFolder = t.folder.file("lib");
    load();
    EXPECT_EQ(options.BINFolder, dir("bin"));
    EXPECT_EQ(options.LIBFolder, dir("lib"));
}

TEST_F(OptionsFixture, NumbersAreReadClampedAndRepaired)
{
    t.folder.write("Quillon32.ini",
                   "[Options]\nUseStatusBar=yes\nUseRecentFolders=300\nUseRecentFiles=-4\n"
                   "UseRecentSearch=7\nUseBitCheckSet=0\nUseHexWidth=72\n"
                   "[Filelist]\nUseNumMenu=50\nCaseOption=3\n[Search]\nUseMarkFound=1\n");
    load();
    EXPECT_FALSE(options.UseStatusBar);
    EXPECT_EQ(options.UseRecentFolders, 255);
    EXPECT_EQ(options.UseRecentFiles, 0);
    EXPECT_EQ(options.UseRecentSearch, 7);
    EXPECT_EQ(options.UseBitCheckSet, LibraryBitness::Automatic);
    EXPECT_EQ(options.UseHexWidth, 72);
    EXPECT_EQ(options.UseNumMenu, 20);
    EXPECT_EQ(options.CaseOption, MenuCasing::AsStored);
    EXPECT_TRUE(options.UseMarkFound);
    EXPECT_NE(ini().find("UseBitCheckSet=3\n"), std::string::npos);
}

TEST_F(OptionsFixture, FlagsAndChoicesReadAsNamesAndWriteBackAsTheirNumbers)
{
    t.folder.write("Quillon32.ini",
                   "[Options]\nUseStatusBar=1\nUseToolTips=0\nUseBitCheck=3\nQuickMenu=5\n"
                   "UseLIBSortOrder=2\nUseExcludeGlobalDuplicatesSet=9\nUseExportTextCopy=3\n"
                   "[Folders]\nOptionAddFolder=4\nOptionSaveFolder=2\n");
    load();
    EXPECT_TRUE(options.UseStatusBar);
    EXPECT_FALSE(options.UseToolTips);
    EXPECT_EQ(options.UseBitCheck, BitCheck::RemoveInconsistentAndUnlocated);
    EXPECT_EQ(options.QuickMenu, QuickMenuChoice::ExpandContractTree);
    EXPECT_EQ(options.UseLIBSortOrder, LibSortOrder::OrdinalNumbers);
    EXPECT_EQ(options.UseExportTextCopy, AskChoice::Ask);
    EXPECT_EQ(options.OptionAddFolder, SourceFolderChoice::ClarionBin);
    EXPECT_EQ(options.OptionSaveFolder, TargetFolderChoice::LastUsed);
    SaveOptions(t.settings, options);
    // A number that names no choice is kept as it was stored.
    for (const char* line :
         {"UseStatusBar=1\n", "UseToolTips=0\n", "UseBitCheck=3\n", "QuickMenu=5\n",
          "UseLIBSortOrder=2\n", "UseExcludeGlobalDuplicatesSet=9\n", "UseExportTextCopy=3\n",
          "OptionAddFolder=4\n", "OptionSaveFolder=2\n"})
        EXPECT_NE(ini().find(line), std::string::npos) << line;
}

TEST_F(OptionsFixture, AFlagTestedForOneIsOffWithAnyOtherNumber)
{
    t.folder.write("Quillon32.ini", "[Options]\nUseToolTips=2\nUseStatusBar=2\n");
    load();
    EXPECT_FALSE(options.UseToolTips);
    EXPECT_TRUE(options.UseStatusBar);
}

TEST_F(OptionsFixture, SaveOptionWritesOneKeyInItsSection)
{
    options.QuickMenu = QuickMenuChoice::MarkSelections;
    SaveOption(t.settings, options, &Options::QuickMenu);
    EXPECT_EQ(ini(), "[Options]\nQuickMenu=4\n");
    options.TopWindow = true;
    SaveOption(t.settings, options, &Options::TopWindow);
    options.CaseOption = MenuCasing::Upper;
    SaveOption(t.settings, options, &Options::CaseOption);
    options.UseStatusCaps = "Lower casing";
    SaveOption(t.settings, options, &Options::UseStatusCaps);
    EXPECT_EQ(ini(),
              "[Options]\nQuickMenu=4\nTopWindow=1\nUseStatusCaps=Lower casing\n"
              "[Filelist]\nCaseOption=1\n");
}

TEST_F(OptionsFixture, FileSuffixRule)
{
    EXPECT_EQ(fileSuffixFromSetting("dll"), ".DLL");
    EXPECT_EQ(fileSuffixFromSetting("  .lib "), ".LIB");
    EXPECT_EQ(fileSuffixFromSetting("txt"), "");
    EXPECT_EQ(fileSuffixFromSetting(""), "");
    EXPECT_EQ(fileSuffixFromSetting(std::string(30, 'x') + "dll"), "");

    t.folder.write("Quillon32.ini", "[Filelist]\nFileSuffix=dll\n");
    load();
    EXPECT_EQ(options.FileSuffix, ".DLL");
    t.folder.write("Quillon32.ini", "[Filelist]\nFileSuffix=txt\nUseNumMenu=2\n");
    load();
    EXPECT_EQ(options.FileSuffix, "");
    EXPECT_EQ(ini(), "[Filelist]\nUseNumMenu=2\n");
}

TEST_F(OptionsFixture, FoldersAreNormalizedAndMissingOnesReadEmpty)
{
    t.folder.write("Quillon32.ini", "[Folders]\nLIBFolder=" + t.folder.path().string() + kSep +
                                        kSep +
                                        "lib\nStatFolder=/no/such/folder/\n"
                                        "AddFolder=/no/such/folder/\nProgFolder=/gone/\n");
    load();
    EXPECT_EQ(options.LIBFolder, dir("lib"));
    EXPECT_EQ(options.StatFolder, "");
    EXPECT_EQ(options.AddFolder, "");
    EXPECT_EQ(options.ProgFolder, dir(""));
}

TEST_F(OptionsFixture, TextOptionsAndTheirValidity)
{
    t.folder.write("Quillon32.ini",
                   "[Options]\nUseStatusCaps=Upper casing\nUseTrayMenuAlignment=Middle\n");
    load();
    EXPECT_EQ(options.UseStatusCaps, "Upper casing");
    EXPECT_TRUE(isValidStatusCaps(options.UseStatusCaps));
    EXPECT_FALSE(isValidStatusCaps("upper casing"));
    EXPECT_EQ(options.UseTrayMenuAlignment, "Middle");
    EXPECT_FALSE(isValidTrayMenuAlignment(options.UseTrayMenuAlignment));
    EXPECT_TRUE(isValidTrayMenuAlignment("Left mouse button"));
}

TEST_F(OptionsFixture, FolderHistoriesAreReadSkippingObsoleteFolders)
{
    t.folder.write("Quillon32.ini",
                   "[Options]\nUseExcludeObsoleteFolders=1\nUseRecentFolders=2\n[Folders]\n"
                   "AddFolderDrop1=/gone/\nAddFolderDrop2=" +
                       dir("bin") + "\nAddFolderDrop3=" + dir("lib") +
                       "\nSaveFolderDrop2=" + dir("lib") + "\n");
    load();
    EXPECT_EQ(options.AddFolderDrop, std::vector<std::string>{dir("bin")});
    EXPECT_EQ(options.SaveFolderDrop, std::vector<std::string>{dir("lib")});
}

TEST_F(OptionsFixture, SaveThenLoadGivesTheSameOptions)
{
    load();
    options.UseStatusBar = true;
    options.UseRecentFiles = 12;
    options.UseStatusCaps = "Initial caps";
    options.FileSuffix = ".LIB";
    options.LIBFolder = dir("lib");
    options.OptionAddFolder = SourceFolderChoice::Fixed;
    options.UseNumMenu = 7;
    SaveOptions(t.settings, options);
    Options reloaded;
    LoadOptions(t.settings, t.files, reloaded, context);
    EXPECT_EQ(reloaded, options);
    EXPECT_NE(ini().find("[Options]\nUseLongAdd=1\nUseExcludeObsoleteFolders=0\n"),
              std::string::npos);
    EXPECT_EQ(ini().find("UseMarkFound"), std::string::npos);
    EXPECT_EQ(ini().find("UseMainWidthPref"), std::string::npos);
    EXPECT_EQ(ini().find("StatFolder"), std::string::npos);  // blank: never stored
}

TEST_F(OptionsFixture, ProgFolderIsWrittenOnlyWhenItRedirectsElsewhere)
{
    load();
    SaveOptions(t.settings, options);
    EXPECT_EQ(ini().find("ProgFolder"), std::string::npos);
    options.ProgFolder = dir("lib");
    SaveOptions(t.settings, options);
    EXPECT_NE(ini().find("\nProgFolder=" + dir("lib") + "\n"), std::string::npos);
}

TEST_F(OptionsFixture, SavingKeepsUnrelatedContent)
{
    const std::string head = "; my notes\n[Excludelist]\nExcludeNum=1\nSymbol1=WEP\n";
    const std::string tail = "[MainWindow]\nXPosit=5\n";
    t.folder.write("Quillon32.ini", head + "[Options]\nUseStatusBar=0\n" + tail);
    load();
    options.UseStatusBar = true;
    SaveOptions(t.settings, options);
    const std::string after = ini();
    const std::string start = head + "[Options]\nUseStatusBar=1\n";
    EXPECT_EQ(after.substr(0, start.size()), start);
    EXPECT_NE(after.find(tail), std::string::npos);
}

TEST_F(OptionsFixture, JunkFileLoadsDefaultsAndSavingKeepsTheJunk)
{
    const std::string junk = std::string("\x01\x02garbage\0\0=\xFF\n", 14) +
                             std::string(5000, 'x') + "\nUseStatusBar=1\n";
    t.folder.write("Quillon32.ini", junk);
    load();
    Options expected;
    expected.ProgFolder = expected.AddFolder = expected.SaveFolder = dir("");
    EXPECT_EQ(options, expected);
    SaveOptions(t.settings, options);
    EXPECT_EQ(ini().substr(0, junk.size()), junk);
    Options reloaded;
    LoadOptions(t.settings, t.files, reloaded, context);
    EXPECT_EQ(reloaded, options);
}

TEST_F(OptionsFixture, SeamsRunAtTheirPlaces)
{
    std::vector<std::string> calls;
    OptionsSeams seams;
    seams.loadExcludeList = [&](SettingsStore& s) {
        calls.push_back("load " + s.readSetting("Excludelist", "Symbol1", ""));
    };
    seams.saveExcludeList = [&](SettingsStore&) { calls.push_back("save list"); };
    seams.saveFolderHistories = [&](SettingsStore&, const Options& o) {
        calls.push_back("histories " + std::to_string(o.UseRecentFolders));
    };
    t.folder.write("Quillon32.ini", "[Excludelist]\nSymbol1=WEP\n");
    load(seams);
    SaveOptions(t.settings, options, seams);
    EXPECT_EQ(calls, (std::vector<std::string>{"load WEP", "histories 100", "save list"}));
}

}  // namespace
}  // namespace quillon::settings
