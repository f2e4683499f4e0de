// `quillon compare` run as a build server runs it: exit bits and output.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "cli/testing/quillon_run.h"
#include "support/exe_builder.h"
#include "support/lib_builder.h"
#include "support/test_workspace.h"

namespace quillon::cli {
namespace {

using testing::runQuillon;

struct CompareCommand : ::testing::Test {
    testing::Run compare(std::vector<std::string> arguments) const
    {
        return testing::runCommand("compare", folder.file("settings"), std::move(arguments));
    }
    std::string dll(const std::string& file, const std::vector<std::string>& names) const
    {
        return folder.write(file, quillon::testing::buildPeWithNames(names, "TEST.dll").bytes);
    }

    quillon::testing::TempFolder folder;
    std::string lib = folder.write(
        "App.lib", quillon::testing::libBytes({{"TEST.dll", "Alpha", 1}, {"TEST.dll", "Beta", 2}}));
};

TEST_F(CompareCommand, ExitBitsTellHowSeriousTheChangesAre)
{
    const std::string same = dll("same.dll", {"Alpha", "Beta"});
    const std::string casing = dll("casing.dll", {"ALPHA", "Beta"});
    const std::string more = dll("more.dll", {"Alpha", "Beta", "Gamma"});
    const std::string renamed = dll("renamed.dll", {"AlphaEx", "Beta"});

    EXPECT_EQ(compare({lib, same}).status, 0);
    const testing::Run minor = compare({lib, casing});
    EXPECT_EQ(minor.status, 4);
    EXPECT_EQ(minor.out, "TEST.dll: Minor changes  [" + casing +
                             "]\n\t1\tALPHA\t<Function name casing>\n"
                             "1 module: 0 unchanged, 1 changed, 0 failed\n");
    EXPECT_EQ(compare({"--ignore-case", lib, casing}).status, 0);
    EXPECT_EQ(compare({lib, more}).status, 4);
    EXPECT_EQ(compare({lib, renamed}).status, 8);
    EXPECT_EQ(compare({"--module=NOPE", lib, same}).status, 1);
    EXPECT_EQ(compare({"--bogus", lib}).status, 2);
    EXPECT_EQ(compare({"--match-case", "--ignore-case", lib}).status, 2);

    const testing::Run json = compare({"--json", "--all", lib, renamed});
    EXPECT_EQ(json.status, 8);
    EXPECT_NE(json.out.find("\"change\": \"<Function name changed from Alpha>\""),
              std::string::npos);
    EXPECT_NE(json.out.find("\"exitStatus\": 8"), std::string::npos);
}

TEST_F(CompareCommand, MissingDiskFileIsAnErrorNamedOnStderr)
{
    const testing::Run run = compare({lib, folder.file("none.dll")});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find(folder.file("none.dll") + ": file not found"), std::string::npos);
}

TEST_F(CompareCommand, PriorityFoldersAreSearchedInTheirOrder)
{
    (void)dll("first/TEST.dll", {"Alpha"});
    (void)dll("second/TEST.dll", {"Alpha", "Beta"});
    // Only the second folder holds the DLL the LIB file was made from.
    EXPECT_EQ(compare({"--priority", folder.file("nowhere"), "--priority", folder.file("second"),
                       "--priority", folder.file("first"), lib})
                  .status,
              0);
    const testing::Run first =
        compare({"--priority=" + folder.file("first"), "--priority=" + folder.file("second"), lib});
    EXPECT_EQ(first.status, 8);
    EXPECT_NE(first.out.find(folder.file("first/TEST.dll")), std::string::npos);
}

TEST_F(CompareCommand, SeveralModulesWithOneDiskFileAskForTheModule)
{
    const std::string two = folder.write(
        "Two.lib", quillon::testing::libBytes({{"TEST.dll", "Alpha", 1}, {"MORE.dll", "X", 1}}));
    const std::string same = dll("same.dll", {"Alpha", "Beta"});
    const testing::Run refused = compare({two, same});
    EXPECT_EQ(refused.status, 2);
    EXPECT_NE(refused.err.find("--module"), std::string::npos);
    EXPECT_EQ(compare({"--module=test.DLL", two, same}).status, 4);  // Beta only on disk
}

}  // namespace
}  // namespace quillon::cli
