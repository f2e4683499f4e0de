// `quillon exceptions`: the list kept in the settings file, refused entries, failed output.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "cli/testing/quillon_run.h"
#include "support/test_workspace.h"

namespace quillon::cli {
namespace {

using testing::runQuillon;

struct ExceptionsCommand : ::testing::Test {
    testing::Run exceptions(std::vector<std::string> arguments,
                            const testing::RunSetup& setup = {}) const
    {
        return testing::runCommand("exceptions", folder.file("settings"), std::move(arguments),
                                   setup);
    }
    [[nodiscard]] std::string settings() const { return folder.read("settings/Quillon32.ini"); }
    quillon::testing::TempFolder folder;
};

TEST_F(ExceptionsCommand, AddsListsAndRemovesPairs)
{
    const testing::Run added = exceptions({"add", "kernel", "/windows/system/krnl386.exe"});
    ASSERT_EQ(added.status, 0) << added.err;
    EXPECT_EQ(added.out, "KERNEL = KRNL386.EXE\n");
    EXPECT_EQ(exceptions({"--json"}).out,
              "[\n  {\n    \"file\": \"KRNL386.EXE\",\n    \"module\": \"KERNEL\"\n  }\n]\n");
    EXPECT_EQ(exceptions({"remove", "NOPE"}).status, 1);
    EXPECT_EQ(exceptions({"remove", "kernel"}).status, 0);
    EXPECT_EQ(exceptions({"list"}).out, "");
}

TEST_F(ExceptionsCommand, ControlCharactersAreRefusedBeforeAnythingIsWritten)
{
    ASSERT_EQ(exceptions({"add", "KERNEL", "KRNL386.EXE"}).status, 0);
    const std::string before = settings();
    for (const std::string& module : {std::string("BAD\nNAME"), std::string("TAB\tNAME")}) {
        const testing::Run refused = exceptions({"add", module, "FILE.DLL"});
        EXPECT_EQ(refused.status, 1);
        EXPECT_NE(refused.err.find("control character"), std::string::npos) << refused.err;
    }
    EXPECT_EQ(exceptions({"add", "GOOD", "FI\x01LE.DLL"}).status, 1);
    EXPECT_EQ(settings(), before);
}

TEST_F(ExceptionsCommand, OutputThatCannotBeWrittenIsAFailure)
{
    ASSERT_EQ(exceptions({"add", "KERNEL", "KRNL386.EXE"}).status, 0);
    testing::RunSetup full;
    full.standardOutputFile = "/dev/full";
    const testing::Run run = exceptions({"list"}, full);
    EXPECT_EQ(run.status, 6);
    EXPECT_NE(run.err.find("No space left on device"), std::string::npos) << run.err;
}

}  // namespace
}  // namespace quillon::cli
