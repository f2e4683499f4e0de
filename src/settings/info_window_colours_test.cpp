// Tests of the information window colours read from WIN.INI.
#include "settings/info_window_colours.h"

#include <gtest/gtest.h>

#include "support/test_workspace.h"

namespace quillon::settings {
namespace {

TEST(InfoWindowColours, ReadsBothKeysAndKeepsTheDefaultsForBadValues)
{
    testing::TempFolder folder;
    EXPECT_EQ(readInfoWindowColours(folder.file("missing.ini")), InfoWindowColours{});

    const std::string ini =
        folder.write("win.ini", "[Colors]\r\nInfoWindow=10 20 30\r\nInfoTextColors=255 0 128\r\n");
    EXPECT_EQ(readInfoWindowColours(ini), (InfoWindowColours{{10, 20, 30}, {255, 0, 128}}));

    const Rgb fallback{1, 2, 3};
    for (const char* bad : {"", "1 2", "1 2 3 4", "256 0 0", "1,2,3", "a b c", "-1 2 3"})
        EXPECT_EQ(parseRgb(bad, fallback), fallback) << bad;
    EXPECT_EQ(parseRgb("  7\t8  9 ", fallback), (Rgb{7, 8, 9}));
}

}  // namespace
}  // namespace quillon::settings
