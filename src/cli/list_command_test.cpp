// `quillon list` run as scripts run it: the formats, the output file, usage errors.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "cli/testing/quillon_run.h"
#include "support/test_workspace.h"

namespace quillon::cli {
namespace {

using testing::runQuillon;
using testing::sampleFile;

struct ListCommand : ::testing::Test {
    testing::Run list(std::vector<std::string> arguments) const
    {
        return testing::runCommand("list", folder.file("settings"), std::move(arguments));
    }
    quillon::testing::TempFolder folder;
};

TEST_F(ListCommand, DefTextAndJsonOfTheSampleDll)
{
    const testing::Run def = list({"--format=def", sampleFile("QUILLSMP.DLL")});
    ASSERT_EQ(def.status, 0);
    EXPECT_TRUE(def.out.starts_with("LIBRARY QUILLSMP.dll\nEXPORTS\n  QsAbout @1\n")) << def.out;
    EXPECT_TRUE(def.out.ends_with("  _QsShutdown@0 @40\n"));

    ASSERT_EQ(list({"-o", folder.file("list.txt"), sampleFile("QUILLSMP.DLL")}).status, 0);
    const std::string text = folder.read("list.txt");
    EXPECT_NE(text.find(";Start of Exported Procedures from QUILLSMP.dll\r\n"), std::string::npos);
    EXPECT_NE(text.find("E N D   L I S T"), std::string::npos);
    EXPECT_EQ(text.find("List is copied"), std::string::npos);

    const testing::Run json =
        list({"--format=json", "--module=quillsmp.dll", sampleFile("QUILLSMP.DLL")});
    ASSERT_EQ(json.status, 0);
    EXPECT_NE(json.out.find("\"name\": \"QsAbout\""), std::string::npos);
}

TEST_F(ListCommand, UsageErrorsAndLoaderStatuses)
{
    const testing::Run two =
        list({"--format=def", sampleFile("QUILLSMP.DLL"), sampleFile("QUILL16.DLL")});
    EXPECT_EQ(two.status, 2);
    EXPECT_NE(two.err.find("--module"), std::string::npos);
    EXPECT_EQ(list({"--format=pdf", sampleFile("QUILLSMP.DLL")}).status, 2);
    EXPECT_EQ(list({"--module=NONE", sampleFile("QUILLSMP.DLL")}).status, 2);
    EXPECT_EQ(list({folder.file("absent.dll")}).status, 4);
    EXPECT_EQ(list({folder.write("notes.txt", "no executable")}).status, 3);
}

TEST_F(ListCommand, MissingFileBesideAFoundOneIsNamedAndTold)
{
    const testing::Run run = list({sampleFile("QUILLSMP.DLL"), folder.file("absent.dll")});
    EXPECT_EQ(run.status, 7);
    EXPECT_NE(run.out.find("QsAbout"), std::string::npos);
    EXPECT_NE(run.err.find(folder.file("absent.dll") + ": file not found"), std::string::npos);
}

TEST_F(ListCommand, UndecoratedNamesAreRefusedOutsideJson)
{
    for (const std::string format : {"text", "def"}) {
        const testing::Run run = list({"--format=" + format, "--undecorate", "-o",
                                       folder.file("list.txt"), sampleFile("QUILLSMP.DLL")});
        EXPECT_EQ(run.status, 2) << format;
        EXPECT_NE(run.err.find("--undecorate is for --format=json only"), std::string::npos)
            << run.err;
        EXPECT_FALSE(std::filesystem::exists(folder.file("list.txt"))) << format;
    }
}

TEST_F(ListCommand, OutputFileThatCannotBeWrittenIsNamedAndAnOldOneKept)
{
    const std::string blocked = folder.write("file", "a file, not a folder") + "/list.txt";
    const testing::Run notMade = list({"-o", blocked, sampleFile("QUILLSMP.DLL")});
    EXPECT_EQ(notMade.status, 6);
    EXPECT_NE(notMade.err.find(blocked + ": "), std::string::npos) << notMade.err;

    // An OUT that cannot be replaced keeps what was there, and nothing is left beside it.
    if (::geteuid() == 0)
        GTEST_SKIP() << "a read-only folder does not stop root";
    const std::string old = folder.write("out/list.txt", "old list");
    std::filesystem::permissions(folder.file("out"), std::filesystem::perms::owner_read |
                                                         std::filesystem::perms::owner_exec);
    const testing::Run denied = list({"-o", old, sampleFile("QUILLSMP.DLL")});
    std::filesystem::permissions(folder.file("out"), std::filesystem::perms::owner_all);
    EXPECT_EQ(denied.status, 6);
    EXPECT_NE(denied.err.find(old + ": "), std::string::npos);
    EXPECT_EQ(folder.read("out/list.txt"), "old list");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.file("out")),
                            std::filesystem::directory_iterator()),
              1);
}

}  // namespace
}  // namespace quillon::cli
