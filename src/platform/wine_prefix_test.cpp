// Tests of the Windows folders and profile files taken from the Wine prefix.
#include "platform/wine_prefix.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/environment.h"
#include "platform/file_system.h"
#include "support/test_workspace.h"

namespace quillon::platform {
namespace {

using quillon::testing::TempFolder;

#ifndef _WIN32

TEST(WinePrefix, PrefixFromWineprefixElseHome)
{
    Environment env;
    EXPECT_EQ(winePrefixFolder(env), "");
    env.set("HOME", "/home/u");
    EXPECT_EQ(winePrefixFolder(env), "/home/u/.wine/");
    env.set("WINEPREFIX", "  ");
    EXPECT_EQ(winePrefixFolder(env), "/home/u/.wine/");
    env.set("WINEPREFIX", "/data/prefix");
    EXPECT_EQ(winePrefixFolder(env), "/data/prefix/");
}

TEST(WinePrefix, FoldersOfThePrefixAndEmptyWhenMissing)
{
    TempFolder folder;
    FileSystem files;
    Environment env;
    env.set("WINEPREFIX", folder.path().string());
    const std::string prefix = folder.path().string() + "/";

    WindowsLocations where = windowsLocations(files, env);
    EXPECT_EQ(where, (WindowsLocations{"", "", prefix + "drive_c/windows/win.ini",
                                       prefix + "drive_c/windows/system.ini"}));

    std::filesystem::create_directories(folder.path() / "drive_c" / "windows" / "system32");
    where = windowsLocations(files, env);
    EXPECT_EQ(where.windowsFolder, prefix + "drive_c/windows/");
    EXPECT_EQ(where.systemFolder, prefix + "drive_c/windows/system32/");

    EXPECT_EQ(windowsLocations(files, Environment{}), WindowsLocations{});
}

TEST(WinePrefix, WindowsPathsMapIntoThePrefix)
{
    TempFolder folder;
    FileSystem files;
    Environment env;
    env.set("WINEPREFIX", folder.path().string());
    const std::string prefix = folder.path().string() + "/";
    EXPECT_EQ(hostPathOfWindowsPath(files, env, "C:\\C5\\BIN\\"), prefix + "drive_c/C5/BIN/");
    EXPECT_EQ(hostPathOfWindowsPath(files, env, "relative\\x"), "relative\\x");
    EXPECT_EQ(hostPathOfWindowsPath(files, env, "D:\\x"), prefix + "dosdevices/d:/x");
    std::filesystem::create_directories(folder.path() / "dosdevices" / "c:");
    EXPECT_EQ(hostPathOfWindowsPath(files, env, "c:\\C5"), prefix + "dosdevices/c:/C5");
    EXPECT_EQ(hostPathOfWindowsPath(files, Environment{}, "C:\\C5"), "C:\\C5");
}

#endif

#ifdef _WIN32
TEST(WinePrefix, WindowsUsesTheSystemsOwnFolders)
{
    FileSystem files;
    const WindowsLocations where = windowsLocations(files, Environment{});
    ASSERT_FALSE(where.windowsFolder.empty());
    EXPECT_EQ(where.windowsFolder.back(), '\\');
    EXPECT_FALSE(where.systemFolder.empty());
    EXPECT_EQ(where.winIni, where.windowsFolder + "WIN.INI");
    EXPECT_EQ(where.systemIni, where.windowsFolder + "SYSTEM.INI");
    EXPECT_EQ(hostPathOfWindowsPath(files, Environment{}, "C:\\C5"), "C:\\C5");
}
#endif

}  // namespace
}  // namespace quillon::platform
