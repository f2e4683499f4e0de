// Tests of `quillon query` run as a program over the bundled sample DLL.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#ifndef _WIN32
#include <sys/wait.h>
#endif

#include "support/test_workspace.h"

namespace quillon::query {
namespace {

#ifndef _WIN32
int run(const testing::TempFolder& folder, const std::string& arguments)
{
    const std::string command = std::string(QUILLON_CLI_PATH) + " query --settings " +
                                folder.file("settings") + " " + arguments + " > " +
                                folder.file("out.txt") + " 2> " + folder.file("err.txt");
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}
#endif

TEST(QuillonQuery, ExtractsSavesAccumulatesAndTellsByExitStatus)
{
#ifdef _WIN32
    GTEST_SKIP() << "runs the program through a POSIX shell";
#else
    testing::TempFolder folder;
    const std::string sample = std::string(QUILLON_SOURCE_DIR) + "/samples/QUILLSMP.DLL";
    const std::string out = folder.file("Dates.lib");
    ASSERT_EQ(run(folder, "--save=" + out + " -- \"date -add\" " + sample), 0);
    EXPECT_EQ(folder.read("out.txt"),
              "QUILLSMP.dll\tQsDateDiff\t7\t0\nQUILLSMP.dll\tQsDateFormat\t8\t0\n"
              "QUILLSMP.dll\tQsDateParse\t9\t0\n");
    // Accumulating into the saved file: only the new functions are added.
    ASSERT_EQ(run(folder, "--accumulate --json --match=begins --save=" + out + " qsdate " + sample),
              0);
    EXPECT_EQ(folder.read("out.txt").find("QsDateAdd") != std::string::npos, true);
    ASSERT_EQ(run(folder, "--accumulate --save=" + out + " qsdate " + sample), 1);
    const std::string listed =
        std::string(QUILLON_CLI_PATH) + " exports " + out + " > " + folder.file("lib.txt");
    ASSERT_EQ(std::system(listed.c_str()), 0);
    EXPECT_EQ(folder.read("lib.txt"),
              "QUILLSMP.dll\tQsDateAdd\t6\t0\nQUILLSMP.dll\tQsDateDiff\t7\t0\n"
              "QUILLSMP.dll\tQsDateFormat\t8\t0\nQUILLSMP.dll\tQsDateParse\t9\t0\n");

    EXPECT_EQ(run(folder, "--case date " + sample), 1);
    EXPECT_EQ(run(folder, "date " + folder.file("none.dll")), 4);
    EXPECT_EQ(run(folder, "--match=middle date " + sample), 2);
    EXPECT_EQ(run(folder, "date"), 2);
#endif
}

}  // namespace
}  // namespace quillon::query
