// The batch form `quillon FILE... /s[:TARGET]` run as a program: the LIB file, the input rule,
// missing inputs.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "cli/testing/quillon_run.h"
#include "support/test_workspace.h"

namespace quillon::cli {
namespace {

using testing::runQuillon;
using testing::sampleFile;

struct BatchCommand : ::testing::Test {
    testing::Run batch(std::vector<std::string> arguments) const
    {
        arguments.insert(arguments.begin(), {"--settings", folder.file("settings")});
        return runQuillon(arguments);
    }
    /// The symbols of a LIB file, as `quillon exports` lists them.
    [[nodiscard]] std::string symbols(const std::string& lib) const
    {
        return runQuillon({"exports", lib}).out;
    }
    quillon::testing::TempFolder folder;
    std::string sample = sampleFile("QUILLSMP.DLL");
};

TEST_F(BatchCommand, MakesALibFileFromTheBundledSamples)
{
    const std::string target = folder.file("Out.lib");
    const testing::Run run = batch({"--quiet", sample, "/s:" + target});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    const std::string listed = symbols(target);
    EXPECT_TRUE(listed.starts_with("QUILLSMP.dll\tQsAbout\t1\t0\n"));
    EXPECT_TRUE(listed.ends_with("QUILLSMP.dll\t_QsShutdown@0\t40\t0\n"));
    EXPECT_EQ(std::count(listed.begin(), listed.end(), '\n'), 40);

    const testing::Run missing = batch({"--quiet", folder.file("none.dll"), "/s"});
    EXPECT_EQ(missing.status, 4);
    EXPECT_FALSE(std::filesystem::exists(folder.file("None.lib")));
}

TEST_F(BatchCommand, MissingInputBesideAFoundOneIsNamedAndTold)
{
    const std::string target = folder.file("p.lib");
    const testing::Run run = batch({sample, folder.file("nothere.dll"), "/s:" + target});
    EXPECT_EQ(run.status, 7);
    EXPECT_TRUE(std::filesystem::exists(target));
    EXPECT_NE(run.err.find("quillon: " + folder.file("nothere.dll") + ": file not found"),
              std::string::npos)
        << run.err;
    const testing::Run quiet =
        batch({"--quiet", sample, folder.file("nothere.dll"), "/s:" + target});
    EXPECT_EQ(quiet.status, 7);
    EXPECT_EQ(quiet.err, "");
}

TEST_F(BatchCommand, OptionsStandAnywhereAndFilesAfterTheSwitchAreNamed)
{
    const std::string sixteen = sampleFile("QUILL16.DLL");
    const std::string target = folder.file("both.lib");
    ASSERT_EQ(batch({sample, "--quiet", sixteen, "/s:" + target}).status, 0);
    EXPECT_NE(symbols(target).find("QUILL16"), std::string::npos);

    const std::string first = folder.file("first.lib");
    const testing::Run after = batch({sample, "/s:" + first, sixteen});
    EXPECT_EQ(after.status, 0);
    EXPECT_EQ(symbols(first).find("QUILL16"), std::string::npos);
    EXPECT_NE(after.err.find(sixteen + ": not read: input files come before /s"), std::string::npos)
        << after.err;

    EXPECT_EQ(batch({sample, "-x", "/s:" + target}).status, 2);
    EXPECT_EQ(batch({sample}).status, 2);
}

}  // namespace
}  // namespace quillon::cli
