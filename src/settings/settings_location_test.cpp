// Tests of the settings file location and its ProgFolder redirection.
#include "settings/settings_location.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/environment.h"
#include "platform/file_system.h"
#include "platform/paths.h"
#include "support/test_workspace.h"

namespace quillon::settings {
namespace {

using platform::Environment;
using quillon::testing::TempFolder;

#ifndef _WIN32

/// A program folder, a home folder and an environment naming only the home.
struct LocationFixture : ::testing::Test {
    LocationFixture()
    {
        std::filesystem::create_directories(root.path() / "prog");
        std::filesystem::create_directories(root.path() / "home");
        env.set("HOME", home());
        inputs.programPath = prog() + "quillon32";
        inputs.currentFolder = root.file("cwd");
    }
    std::string prog() const { return root.file("prog") + "/"; }
    std::string home() const { return root.file("home"); }
    std::string homeSettings() const { return home() + "/.config/quillon/"; }

    TempFolder root;
    platform::FileSystem files;
    Environment env;
    LocationInputs inputs;
};

TEST_F(LocationFixture, DefaultsToTheUsersConfigFolderAndWritesNothing)
{
    const SettingsLocation where = locateSettingsFile(files, env, inputs);
    EXPECT_EQ(where, (SettingsLocation{prog(), homeSettings(), homeSettings(),
                                       homeSettings() + "Quillon32.ini", 1}));
    EXPECT_FALSE(std::filesystem::exists(homeSettings()));
}

TEST_F(LocationFixture, XdgConfigHomeIsUsedWhenAbsolute)
{
    env.set("XDG_CONFIG_HOME", root.file("xdg"));
    EXPECT_EQ(locateSettingsFile(files, env, inputs).settingsFolder,
              root.file("xdg") + "/quillon/");
    env.set("XDG_CONFIG_HOME", "relative/xdg");
    EXPECT_EQ(locateSettingsFile(files, env, inputs).settingsFolder, homeSettings());
}

TEST_F(LocationFixture, SettingsFileBesideTheProgramMakesAPortableInstall)
{
    root.write("prog/Quillon32.ini", "[Options]\nUseLongAdd=0\n");
    const SettingsLocation where = locateSettingsFile(files, env, inputs);
    EXPECT_EQ(where.settingsFile, prog() + "Quillon32.ini");
    EXPECT_FALSE(where.UseLongAdd);
    EXPECT_EQ(root.read("prog/Quillon32.ini"), "[Options]\nUseLongAdd=0\n");
    EXPECT_FALSE(std::filesystem::exists(homeSettings()));
}

TEST_F(LocationFixture, EnvironmentOverrideWinsOverEverything)
{
    root.write("prog/Quillon32.ini", "[Options]\nUseLongAdd=0\n");
    env.set("QUILLON_SETTINGS_DIR", root.file("override"));
    const SettingsLocation where = locateSettingsFile(files, env, inputs);
    EXPECT_EQ(where.settingsFile, root.file("override") + "/Quillon32.ini");
    EXPECT_TRUE(where.UseLongAdd);
    EXPECT_FALSE(std::filesystem::exists(root.file("override")));
}

TEST_F(LocationFixture, ProgFolderRedirectsOnceToAnExistingFolder)
{
    std::filesystem::create_directories(root.path() / "shared");
    const std::string shared = root.file("shared") + "/";
    const std::string start = "[Folders]\nProgFolder=" + root.file("shared") + "\n";
    const std::string second =
        "[Options]\nUseLongAdd=0\n[Folders]\nProgFolder=" + root.file("elsewhere") + "\n";
    root.write("prog/Quillon32.ini", start);
    root.write("shared/Quillon32.ini", second);
    const SettingsLocation where = locateSettingsFile(files, env, inputs);
    EXPECT_EQ(where.settingsFolder, shared);
    EXPECT_EQ(where.settingsFile, shared + "Quillon32.ini");
    EXPECT_FALSE(where.UseLongAdd);
    // The second file's own ProgFolder is not followed; neither file is written.
    EXPECT_EQ(root.read("shared/Quillon32.ini"), second);
    EXPECT_EQ(root.read("prog/Quillon32.ini"), start);
}

TEST_F(LocationFixture, MissingProgFolderFallsBackAndIsKeptForWhenItIsBack)
{
    const std::string start = "[Folders]\nProgFolder=" + root.file("gone") + "\n";
    root.write("prog/Quillon32.ini", start);
    const SettingsLocation where = locateSettingsFile(files, env, inputs);
    EXPECT_EQ(where.settingsFile, prog() + "Quillon32.ini");
    EXPECT_EQ(root.read("prog/Quillon32.ini"), start);
    EXPECT_FALSE(std::filesystem::exists(root.file("gone")));
    std::filesystem::create_directories(root.path() / "gone");
    EXPECT_EQ(locateSettingsFile(files, env, inputs).settingsFile,
              root.file("gone") + "/Quillon32.ini");
}

TEST_F(LocationFixture, ProgFolderWithDoubledSeparatorsIsNormalized)
{
    std::filesystem::create_directories(root.path() / "shared");
    root.write("prog/Quillon32.ini",
               "[Folders]\nProgFolder=" + root.path().string() + "//shared\n");
    const SettingsLocation where = locateSettingsFile(files, env, inputs);
    EXPECT_EQ(where.settingsFolder, root.file("shared") + "/");
}

TEST_F(LocationFixture, BlankProgFolderMeansTheStartingFolder)
{
    root.write("prog/Quillon32.ini", "[Folders]\nProgFolder=   \n");
    const SettingsLocation where = locateSettingsFile(files, env, inputs);
    EXPECT_EQ(where.settingsFile, prog() + "Quillon32.ini");
}

TEST_F(LocationFixture, RelativeFoldersBecomeFullPaths)
{
    std::filesystem::create_directories(root.path() / "shared");
    const auto relative = [](const std::filesystem::path& p) {
        return std::filesystem::relative(p, std::filesystem::current_path()).string();
    };
    env.set("QUILLON_SETTINGS_DIR", relative(root.path() / "override"));
    EXPECT_EQ(locateSettingsFile(files, env, inputs).settingsFile,
              root.file("override") + "/Quillon32.ini");
    root.write("override/Quillon32.ini",
               "[Folders]\nProgFolder=" + relative(root.path() / "shared") + "\n");
    EXPECT_EQ(locateSettingsFile(files, env, inputs).settingsFile,
              root.file("shared") + "/Quillon32.ini");
}

TEST_F(LocationFixture, ProgramPathWithoutFolderUsesTheCurrentFolder)
{
    env.unset("HOME");
    inputs.programPath = "quillon32";
    std::filesystem::create_directories(root.path() / "cwd");
    const SettingsLocation where = locateSettingsFile(files, env, inputs);
    EXPECT_EQ(where.programFolder, root.file("cwd") + "/");
    EXPECT_EQ(where.settingsFile, root.file("cwd") + "/Quillon32.ini");
}

#endif

/// The program folder's settings on Windows: beside the program when a file can be made there
/// or one is there, else in the user's application data.
TEST(SettingsLocation, WindowsSettingsLeaveAProgramFolderThatCannotBeWritten)
{
    TempFolder root;
    platform::FileSystem files;
    Environment env;
    const std::string sep(1, platform::kPathSeparator);
    const std::string prog = root.file("Program Files") + sep;
    const std::string appData = root.file("AppData");
    std::filesystem::create_directories(root.path() / "Program Files");
    env.set("APPDATA", appData);
    EXPECT_EQ(windowsSettingsFolder(files, env, prog), prog);
    EXPECT_TRUE(std::filesystem::is_empty(root.path() / "Program Files"));  // the probe is gone

    // A folder a normal user may not write (made so by the file layer, as the machine's own
    // permissions do not bind every user that runs the tests).
    files.setFaultHook([&](platform::FileOp op, const std::string& path) {
        return op == platform::FileOp::Create && path.starts_with(prog) ? 5 : 0;
    });
    EXPECT_EQ(windowsSettingsFolder(files, env, prog), appData + sep + "Quillon" + sep);
    env.unset("APPDATA");
    EXPECT_EQ(windowsSettingsFolder(files, env, prog), prog);

    // A settings file beside the program keeps it portable, writable or not.
    env.set("APPDATA", appData);
    (void)root.write("Program Files/Quillon32.ini", "[Folders]\n");
    EXPECT_EQ(windowsSettingsFolder(files, env, prog), prog);
}

#ifdef _WIN32
TEST(SettingsLocation, ReadOnlyProgramFolderPutsTheSettingsInAppData)
{
    TempFolder root;
    platform::FileSystem files;
    Environment env;
    std::filesystem::create_directories(root.path() / "Quillon");
    const std::string prog = root.file("Quillon") + "\\";
    env.set("APPDATA", root.file("AppData"));
    files.setFaultHook([&](platform::FileOp op, const std::string& path) {
        return op == platform::FileOp::Create && path.starts_with(prog) ? 5 : 0;
    });
    const SettingsLocation where = locateSettingsFile(files, env, {prog + "quillon32.exe", "C:\\"});
    const std::string settings = root.file("AppData") + "\\Quillon\\";
    EXPECT_EQ(where.settingsFolder, settings);
    EXPECT_EQ(where.settingsFile, settings + "Quillon32.ini");
    // Locating only reads: neither folder gets a settings file from it.
    EXPECT_FALSE(files.exists(where.settingsFile));
    EXPECT_FALSE(files.exists(prog + "Quillon32.ini"));
}

TEST(SettingsLocation, WindowsLooksBesideTheProgramUnlessOverridden)
{
    TempFolder root;
    platform::FileSystem files;
    Environment env;
    const LocationInputs inputs{root.file("quillon32.exe"), "C:\\"};
    const std::string prog = root.path().string() + "\\";
    EXPECT_EQ(locateSettingsFile(files, env, inputs).settingsFile, prog + "Quillon32.ini");
    EXPECT_FALSE(std::filesystem::exists(root.file("Quillon32.ini")));
    std::filesystem::create_directories(root.path() / "other");
    env.set("QUILLON_SETTINGS_DIR", root.file("other"));
    EXPECT_EQ(locateSettingsFile(files, env, inputs).settingsFile,
              root.file("other") + "\\Quillon32.ini");
}
#endif

}  // namespace
}  // namespace quillon::settings
