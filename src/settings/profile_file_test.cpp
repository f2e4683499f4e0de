// Tests of reading the Windows profile files.
#include "settings/profile_file.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/test_workspace.h"

namespace quillon::settings {
namespace {

using quillon::testing::TempFolder;

#ifndef _WIN32
TEST(ProfileFile, ProfileReadsNeverChangeTheFile)
{
    TempFolder folder;
    const std::string content =
        "[Clarion 5]\r\nworkdir=C:\\C5\\BIN\\\r\nexename=\r\n[Colors]\r\nInfoWindow=255 255 "
        "225\r\n";
    const std::string winIni = folder.write("win.ini", content);
    EXPECT_EQ(readProfileString(winIni, "clarion 5", "WORKDIR"), "C:\\C5\\BIN\\");
    EXPECT_EQ(readProfileString(winIni, "Clarion 5", "exename", "x"), "");
    EXPECT_EQ(readProfileString(winIni, "Colors", "InfoTextColors", "0 0 0"), "0 0 0");
    EXPECT_EQ(folder.read("win.ini"), content);
    EXPECT_EQ(readProfileString(folder.file("missing.ini"), "Colors", "InfoWindow", "d"), "d");
    EXPECT_EQ(readProfileString("", "Colors", "InfoWindow", "d"), "d");
    EXPECT_FALSE(std::filesystem::exists(folder.file("missing.ini")));
}

#endif

}  // namespace
}  // namespace quillon::settings
