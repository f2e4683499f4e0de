// `quillon query` run as a program over the bundled sample DLL.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "cli/testing/quillon_run.h"
#include "support/test_workspace.h"

namespace quillon::cli {
namespace {

using testing::runQuillon;
using testing::sampleFile;

struct QueryCommand : ::testing::Test {
    testing::Run query(std::vector<std::string> arguments) const
    {
        return testing::runCommand("query", folder.file("settings"), std::move(arguments));
    }
    quillon::testing::TempFolder folder;
    std::string sample = sampleFile("QUILLSMP.DLL");
};

TEST_F(QueryCommand, ExtractsSavesAccumulatesAndTellsByExitStatus)
{
    const std::string out = folder.file("Dates.lib");
    const testing::Run saved = query({"--save=" + out, "--", "date -add", sample});
    ASSERT_EQ(saved.status, 0);
    EXPECT_EQ(saved.out,
              "QUILLSMP.dll\tQsDateDiff\t7\t0\nQUILLSMP.dll\tQsDateFormat\t8\t0\n"
              "QUILLSMP.dll\tQsDateParse\t9\t0\n");
    // Accumulating into the saved file: only the new functions are added.
    const testing::Run more =
        query({"--accumulate", "--json", "--match=begins", "--save=" + out, "qsdate", sample});
    ASSERT_EQ(more.status, 0);
    EXPECT_NE(more.out.find("QsDateAdd"), std::string::npos);
    EXPECT_EQ(query({"--accumulate", "--save=" + out, "qsdate", sample}).status, 1);
    const testing::Run listed = runQuillon({"exports", out});
    ASSERT_EQ(listed.status, 0);
    EXPECT_EQ(listed.out,
              "QUILLSMP.dll\tQsDateAdd\t6\t0\nQUILLSMP.dll\tQsDateDiff\t7\t0\n"
              "QUILLSMP.dll\tQsDateFormat\t8\t0\nQUILLSMP.dll\tQsDateParse\t9\t0\n");

    EXPECT_EQ(query({"--case", "date", sample}).status, 1);
    EXPECT_EQ(query({"date", folder.file("none.dll")}).status, 4);
    EXPECT_EQ(query({"--match=middle", "date", sample}).status, 2);
    EXPECT_EQ(query({"date"}).status, 2);
}

TEST_F(QueryCommand, AccumulatingNeverWritesOverAFileThatIsNoLibFile)
{
    const std::string notes = folder.write("Notes.lib", "my notes\n");
    const testing::Run run = query({"--accumulate", "--save=" + notes, "date", sample});
    EXPECT_EQ(run.status, 6);
    EXPECT_NE(run.err.find(notes + ": NOT a library file!"), std::string::npos) << run.err;
    EXPECT_EQ(folder.read("Notes.lib"), "my notes\n");
}

TEST_F(QueryCommand, MissingFileBesideAFoundOneIsNamedAndTold)
{
    const testing::Run run = query({"date", sample, folder.file("none.dll")});
    EXPECT_EQ(run.status, 7);
    EXPECT_NE(run.out.find("QsDateAdd"), std::string::npos);
    EXPECT_NE(run.err.find(folder.file("none.dll") + ": file not found"), std::string::npos);
}

}  // namespace
}  // namespace quillon::cli
