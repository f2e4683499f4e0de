// `quillon exclude`: the exclusion list kept in the settings file, its limits, and its use by
// `quillon cleanup --excluded`.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "cli/testing/quillon_run.h"
#include "support/lib_builder.h"
#include "support/test_workspace.h"

namespace quillon::cli {
namespace {

struct ExcludeCommand : ::testing::Test {
    testing::Run exclude(std::vector<std::string> arguments) const
    {
        return testing::runCommand("exclude", folder.file("settings"), std::move(arguments));
    }
    [[nodiscard]] std::string settings() const { return folder.read("settings/Quillon32.ini"); }
    quillon::testing::TempFolder folder;
};

TEST_F(ExcludeCommand, AddsSwitchesAndRemovesEntriesInTheirStoredOrder)
{
    ASSERT_EQ(exclude({"add", "DllEntryPoint"}).status, 0);
    const testing::Run added = exclude({"add", "--off", "WEP"});
    ASSERT_EQ(added.status, 0) << added.err;
    EXPECT_EQ(added.out, "DllEntryPoint\nWEP\toff\n");
    EXPECT_NE(
        settings().find("ExcludeNum=2\nSymbol1=DllEntryPoint\nCheck1=1\nSymbol2=WEP\nCheck2=0"),
        std::string::npos)
        << settings();

    // The same name in another case switches the entry, with the spelling given last.
    EXPECT_EQ(exclude({"add", "wep"}).out, "DllEntryPoint\nwep\n");
    EXPECT_EQ(exclude({"--json"}).out,
              "[\n  {\n    \"check\": true,\n    \"symbol\": \"DllEntryPoint\"\n  },\n"
              "  {\n    \"check\": true,\n    \"symbol\": \"wep\"\n  }\n]\n");

    const std::string before = settings();
    EXPECT_EQ(exclude({"remove", "NOPE"}).status, 1);
    EXPECT_EQ(exclude({"add", " "}).status, 2);
    EXPECT_EQ(exclude({"list"}).status, 0);
    EXPECT_EQ(settings(), before);
    EXPECT_EQ(exclude({"remove", "dllentrypoint"}).out, "wep\n");
    EXPECT_NE(settings().find("ExcludeNum=1\nSymbol1=wep\nCheck1=1\n"), std::string::npos)
        << settings();
}

TEST_F(ExcludeCommand, TheFiftyEntriesTheSettingsKeepAreTheLimit)
{
    std::string ini = "[Excludelist]\nExcludeNum=50\n";
    for (int i = 1; i <= 50; ++i)
        ini += "Symbol" + std::to_string(i) + "=Name" + std::to_string(i) + "\nCheck" +
               std::to_string(i) + "=1\n";
    folder.write("settings/Quillon32.ini", ini);
    EXPECT_EQ(exclude({"add", "OneMore"}).status, 1);
    EXPECT_EQ(settings(), ini);
    // Switching an entry that is there is no addition.
    EXPECT_EQ(exclude({"add", "--off", "NAME50"}).status, 0);
    EXPECT_NE(settings().find("Symbol50=NAME50\nCheck50=0"), std::string::npos);
}

TEST_F(ExcludeCommand, CleanupRemovesTheNamesSwitchedOn)
{
    ASSERT_EQ(exclude({"add", "DllEntryPoint"}).status, 0);
    ASSERT_EQ(exclude({"add", "--off", "WEP"}).status, 0);
    const std::string lib = folder.write("App.lib", quillon::testing::LibBuilder()
                                                        .import("A.dll", "DllEntryPoint", 1)
                                                        .import("A.dll", "WEP", 2)
                                                        .import("A.dll", "Work", 3)
                                                        .bytes());
    const testing::Run cleaned =
        testing::runCommand("cleanup", folder.file("settings"), {"--excluded", lib});
    EXPECT_EQ(cleaned.status, 0) << cleaned.err;
    EXPECT_EQ(cleaned.out, "1 excluded symbol - 2 symbols\nLIB file written: " + lib + "\n");
    EXPECT_EQ(folder.read("App.lib"), quillon::testing::LibBuilder()
                                          .import("A.dll", "WEP", 2)
                                          .import("A.dll", "Work", 3)
                                          .bytes());
}

}  // namespace
}  // namespace quillon::cli
