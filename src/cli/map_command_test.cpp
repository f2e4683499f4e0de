// `quillon map` and the undecorated names of `quillon exports` and `quillon list`, run as
// scripts run them.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "cli/testing/quillon_run.h"
#include "support/exe_builder.h"
#include "support/test_workspace.h"

namespace quillon::cli {
namespace {

using testing::runQuillon;
using testing::sampleFile;

struct MapCommand : ::testing::Test {
    testing::Run run(const std::string& command, std::vector<std::string> arguments) const
    {
        return testing::runCommand(command, folder.file("settings"), std::move(arguments));
    }
    quillon::testing::TempFolder folder;
    const std::string sample = sampleFile("QUILLSMP.DLL");
};

TEST_F(MapCommand, WritesTheMapOfTheSampleDll)
{
    const testing::Run map = run("map", {sample});
    ASSERT_EQ(map.status, 0) << map.err;
    EXPECT_NE(map.out.find("  MODULE('QUILLSMP.DLL')\r\n"), std::string::npos) << map.out;
    EXPECT_NE(map.out.find("\r\nQsShutdown              PROCEDURE(),LONG,PASCAL,RAW,"
                           "NAME('_QsShutdown@0')  ! no parameters"),
              std::string::npos);
    EXPECT_NE(map.out.find("\r\n! QsAbout               PROCEDURE(),PASCAL,RAW,NAME('QsAbout')"),
              std::string::npos);

    const std::string out = folder.file("quill.clw");
    const testing::Run lines =
        run("map", {"--prototypes", "--module=quillsmp.dll", "-o", out, sample});
    ASSERT_EQ(lines.status, 0) << lines.err;
    EXPECT_EQ(lines.out, "");
    const std::string text = folder.read("quill.clw");
    EXPECT_TRUE(text.starts_with("! QsAbout ")) << text;
    EXPECT_EQ(text.find("MODULE("), std::string::npos);
}

TEST_F(MapCommand, MicrosoftAndItaniumNamesOfADll)
{
    const std::string dll = folder.write(
        "CPP.DLL",
        quillon::testing::buildPeWithNames(
            {"?Create@File@@SAPAV1@PBD@Z", "?Open@File@@QAEHPBD@Z", "_Z5scaleii@8", "_Close@4"},
            "CPP.dll")
            .bytes);
    const testing::Run exports = runQuillon({"exports", "--undecorate", dll});
    ASSERT_EQ(exports.status, 0);
    EXPECT_EQ(exports.out,
              "CPP.dll\t?Create@File@@SAPAV1@PBD@Z\t1\t0\tpublic: static class File * __cdecl "
              "File::Create(char const *)\n"
              "CPP.dll\t?Open@File@@QAEHPBD@Z\t2\t0\tpublic: int __thiscall File::Open(char "
              "const *)\n"
              "CPP.dll\t_Z5scaleii@8\t3\t0\tscale(int, int)\n"
              "CPP.dll\t_Close@4\t4\t0\tClose\n");
    const testing::Run map = run("map", {"--prototypes", dll});
    ASSERT_EQ(map.status, 0);
    EXPECT_EQ(map.out,
              "File_Create             PROCEDURE(*CSTRING),LONG,C,RAW,"
              "NAME('?Create@File@@SAPAV1@PBD@Z')\r\n"
              "! File_Open             PROCEDURE(*CSTRING),LONG,PASCAL,RAW,"
              "NAME('?Open@File@@QAEHPBD@Z')  ! a member function: it needs an object of its "
              "class\r\n"
              "scale                   PROCEDURE(LONG,LONG),PASCAL,RAW,NAME('_Z5scaleii@8')  ! "
              "the return type is not in the name\r\n"
              "Close                   PROCEDURE(LONG),LONG,PASCAL,RAW,NAME('_Close@4')  ! 4 "
              "bytes of parameters taken as 1 LONG; the return value is read as a LONG\r\n");
}

TEST_F(MapCommand, UsageErrorsLoaderStatusesAndWriteFailures)
{
    EXPECT_EQ(run("map", {"--module=NONE", sample}).status, 2);
    EXPECT_EQ(run("map", {"--colour", sample}).status, 2);
    EXPECT_EQ(run("map", {folder.file("absent.dll")}).status, 4);
    EXPECT_EQ(run("map", {folder.write("empty.def", "EXPORTS\n A\n")}).status, 3);
    const testing::Run some = run("map", {sample, folder.file("absent.dll")});
    EXPECT_EQ(some.status, 7);
    EXPECT_NE(some.err.find(folder.file("absent.dll") + ": file not found"), std::string::npos);
    // The output folder is a file: nothing can be written there, and nothing is lost.
    const std::string blocker = folder.write("blocker", "keep");
    const testing::Run blocked = run("map", {"-o", blocker + "/map.clw", sample});
    EXPECT_EQ(blocked.status, 6);
    EXPECT_NE(blocked.err.find(blocker + "/map.clw: "), std::string::npos) << blocked.err;
    EXPECT_EQ(folder.read("blocker"), "keep");
}

TEST_F(MapCommand, ExportsUndecoratesAndCountsSkippedEntries)
{
    const std::string def = folder.write(
        "cpp.def", "LIBRARY CPP.dll\nEXPORTS\n ?foo@@YGHPBDH@Z @1\n _Get@8 @2\n Plain @3\n Lost\n");
    const testing::Run tsv = runQuillon({"exports", "--undecorate", def});
    ASSERT_EQ(tsv.status, 0);
    EXPECT_EQ(tsv.out,
              "CPP.dll\t?foo@@YGHPBDH@Z\t1\t0\tint __stdcall foo(char const *, int)\n"
              "CPP.dll\t_Get@8\t2\t0\tGet\n"
              "CPP.dll\tPlain\t3\t0\t\n");
    EXPECT_NE(tsv.err.find(": 1 entry without an ordinal left out (only the DLL itself gives "
                           "its ordinal)\n"),
              std::string::npos)
        << tsv.err;
    const testing::Run json = runQuillon({"exports", "--json", "--undecorate", def});
    ASSERT_EQ(json.status, 0);
    EXPECT_NE(json.out.find("\"undecorated\":\"Get\""), std::string::npos);
    const testing::Run list = run("list", {"--format=json", "--undecorate", def});
    ASSERT_EQ(list.status, 0);
    EXPECT_NE(list.out.find("\"undecorated\": \"Get\""), std::string::npos);
    // A faulty file names its line.
    const std::string bad = folder.write("bad.def", "EXPORTS\n A @1\n B @x\n");
    const testing::Run faulty = runQuillon({"exports", bad});
    EXPECT_EQ(faulty.status, 1);
    EXPECT_NE(faulty.err.find("Line 3: \"@\" is not followed by an ordinal"), std::string::npos)
        << faulty.err;
}

}  // namespace
}  // namespace quillon::cli
