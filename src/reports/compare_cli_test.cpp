// Tests of the exit bits and output of `quillon compare`, run as a program.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "support/exe_builder.h"
#include "support/lib_builder.h"
#include "support/test_workspace.h"

namespace quillon::reports {
namespace {

#ifndef _WIN32
struct CliRun {
    int status = -1;
    std::string out;
};

CliRun runCompare(const testing::TempFolder& folder, const std::string& args)
{
    const std::string outFile = folder.file("out.txt");
    const std::string command = std::string(QUILLON_CLI_PATH) + " compare --settings " +
                                folder.file("settings") + " " + args + " > " + outFile +
                                " 2>/dev/null";
    const int raw = std::system(command.c_str());
    CliRun run;
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    run.out = folder.read("out.txt");
    return run;
}

TEST(CompareCommand, ExitBitsTellHowSeriousTheChangesAre)
{
    testing::TempFolder folder;
    const std::string lib = folder.write(
        "App.lib", testing::libBytes({{"TEST.dll", "Alpha", 1}, {"TEST.dll", "Beta", 2}}));
    const auto dll = [&folder](const std::string& file, std::vector<std::string> names) {
        return folder.write(file, testing::buildPeWithNames(names, "TEST.dll").bytes);
    };
    const std::string same = dll("same.dll", {"Alpha", "Beta"});
    const std::string casing = dll("casing.dll", {"ALPHA", "Beta"});
    const std::string more = dll("more.dll", {"Alpha", "Beta", "Gamma"});
    const std::string renamed = dll("renamed.dll", {"AlphaEx", "Beta"});

    EXPECT_EQ(runCompare(folder, lib + " " + same).status, 0);
    const CliRun minor = runCompare(folder, lib + " " + casing);
    EXPECT_EQ(minor.status, 4);
    EXPECT_EQ(minor.out, "TEST.dll: Minor changes  [" + casing +
                             "]\n\t1\tALPHA\t<Function name casing>\n"
                             "1 module: 0 unchanged, 1 changed, 0 failed\n");
    EXPECT_EQ(runCompare(folder, "--ignore-case " + lib + " " + casing).status, 0);
    EXPECT_EQ(runCompare(folder, lib + " " + more).status, 4);
    EXPECT_EQ(runCompare(folder, lib + " " + renamed).status, 8);
    EXPECT_EQ(runCompare(folder, lib + " " + folder.file("none.dll")).status, 1);
    EXPECT_EQ(runCompare(folder, "--module=NOPE " + lib + " " + same).status, 1);
    EXPECT_EQ(runCompare(folder, "--bogus " + lib).status, 2);
    EXPECT_EQ(runCompare(folder, "--match-case --ignore-case " + lib).status, 2);

    const CliRun json = runCompare(folder, "--json --all " + lib + " " + renamed);
    EXPECT_EQ(json.status, 8);
    EXPECT_NE(json.out.find("\"change\": \"<Function name changed from Alpha>\""),
              std::string::npos);
    EXPECT_NE(json.out.find("\"exitStatus\": 8"), std::string::npos);
}
#endif

}  // namespace
}  // namespace quillon::reports
