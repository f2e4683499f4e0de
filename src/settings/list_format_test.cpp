// Tests of the list box format keys.
#include "settings/list_format.h"

#include <gtest/gtest.h>

#include "settings/settings_store.h"
#include "support/test_workspace.h"

namespace quillon::settings {
namespace {

using quillon::testing::TempFolder;

TEST(ListFormat, KeysAreNamedFromTheCaption)
{
    EXPECT_EQ(listFormatPrefix("   Clarion Quillon 32 - Library data"), "Cla");
    EXPECT_EQ(listFormatPrefix("Ab"), "Ab");
    EXPECT_EQ(listFormatKey("  Recent files", 2), "Rec:List2:Format");
    EXPECT_EQ(listFormatDefaultKey("Recent files", 12), "Rec:List12:Format:Default");
}

TEST(ListFormat, DefaultIsWrittenAndTheStoredFormatRestored)
{
    TempFolder folder;
    SettingsStore store(folder.file("Quillon32.ini"));
    const std::string design = "80L(2)|M~Module~@s20@";
    writeDefaultListFormat(store, "Compare", 1, design);
    EXPECT_EQ(folder.read("Quillon32.ini"), "[Format]\nCom:List1:Format:Default=" + design + "\n");
    EXPECT_EQ(restoreListFormat(store, "Compare", 1, design, 1), design);
    writeListFormat(store, "Compare", 1, "120L(2)|M~Module~@s20@");
    EXPECT_EQ(restoreListFormat(store, "Compare", 1, design, 1), "120L(2)|M~Module~@s20@");
    EXPECT_EQ(restoreListFormat(store, "Compare", 1, design, 0), design);
    EXPECT_EQ(defaultListFormat(store, "Compare", 1, "other"), design);
    EXPECT_EQ(defaultListFormat(store, "Compare", 2, "other"), "other");
}

TEST(ListFormat, LibraryDataWindowNeedsTheColourSpecification)
{
    EXPECT_TRUE(isUsableLibraryDataFormat("40L*(080000005H,080000005H,080000005H,080000005H)~x~"));
    EXPECT_FALSE(isUsableLibraryDataFormat("40L~x~"));
}

}  // namespace
}  // namespace quillon::settings
