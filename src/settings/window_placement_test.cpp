// Tests of the window placement keys.
#include "settings/window_placement.h"

#include <gtest/gtest.h>

#include "settings/settings_store.h"
#include "support/test_workspace.h"

namespace quillon::settings {
namespace {

using quillon::testing::TempFolder;

TEST(WindowPlacement, AbsentKeysReadZeroAndNegativePositionsBecomeTen)
{
    TempFolder folder;
    SettingsStore store(folder.file("Quillon32.ini"));
    EXPECT_EQ(readWindowPlacement(store, kMainWindowSection), WindowPlacement{});
    folder.write("Quillon32.ini",
                 "[ModuleWindow]\nXPosit=-300\nYPosit=x\nWidth=640\nHeight=480\nMaximize=yes\n"
                 "[TxtWin]\nXPosit=20\nYPosit=-1\nMaximize=Yes\n");
    EXPECT_EQ(readWindowPlacement(store, kModuleWindowSection),
              (WindowPlacement{10, 0, 640, 480, false}));
    EXPECT_EQ(readWindowPlacement(store, kTxtWinSection), (WindowPlacement{20, 10, 0, 0, true}));
}

TEST(WindowPlacement, HowAWindowUsesItsPlacement)
{
    EXPECT_EQ(placementUse({5, 5, 0, 300, false}, true), PlacementUse::KeepDesign);
    EXPECT_EQ(placementUse({5, 5, 400, 0, false}, true), PlacementUse::KeepDesign);
    EXPECT_EQ(placementUse({5, 5, 400, 300, false}, true), PlacementUse::MoveAndSize);
    EXPECT_EQ(placementUse({5, 5, 0, 0, false}, false), PlacementUse::MoveOnly);
}

TEST(WindowPlacement, WritesMaximizeFirstThenTheFourValues)
{
    TempFolder folder;
    SettingsStore store(folder.file("Quillon32.ini"));
    writeWindowPlacement(store, kExportListWinSection, {1, 2, 300, 200, true});
    EXPECT_EQ(folder.read("Quillon32.ini"),
              "[ExportListWin]\nMaximize=Yes\nXPosit=1\nYPosit=2\nWidth=300\nHeight=200\n");
    writeMaximize(store, kExportListWinSection, false);
    EXPECT_EQ(readWindowPlacement(store, kExportListWinSection),
              (WindowPlacement{1, 2, 300, 200, false}));
}

TEST(WindowPlacement, MainWidthPreferenceDefaultsToTheCurrentWidth)
{
    TempFolder folder;
    SettingsStore store(folder.file("Quillon32.ini"));
    EXPECT_EQ(readMainWidthPref(store, 812), 812);
    writeMainWidthPref(store, 900);
    EXPECT_EQ(readMainWidthPref(store, 812), 900);
}

}  // namespace
}  // namespace quillon::settings
