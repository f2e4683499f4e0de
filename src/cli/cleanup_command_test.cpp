// `quillon cleanup`: the steps named remove what they name and the file written holds the
// rest; a file with nothing to remove, a refused or failed run and a preview leave it as it was.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "cli/testing/tree_run.h"
#include "support/lib_builder.h"
#include "support/refresh_tree.h"

namespace quillon::cli {
namespace {

using quillon::testing::LibBuilder;
using quillon::testing::RefreshTree;
using testing::runOverTree;

/// ONE.dll: Foo, Shared, DllEntryPoint; TWO.dll: shared, Bar; one.dll again: Again.
std::string messyLib()
{
    return LibBuilder()
        .import("ONE.dll", "Foo", 1)
        .import("ONE.dll", "Shared", 2)
        .import("ONE.dll", "DllEntryPoint", 3)
        .import("TWO.dll", "shared", 1)
        .import("TWO.dll", "Bar", 2)
        .import("one.dll", "Again", 1)
        .bytes();
}

TEST(CleanupCommand, NamedStepsRemoveWhatTheyNameAndNothingElse)
{
    RefreshTree tree;
    const std::string lib = tree.file("app.lib", messyLib());
    const std::string none = tree.folder("none");

    const testing::Run preview = runOverTree(
        tree, none,
        {"cleanup", "--duplicate-modules", "--duplicates", "--keep=first", "--preview", lib});
    EXPECT_EQ(preview.status, 0) << preview.err;
    EXPECT_EQ(preview.out, "one.dll\t\t\tduplicate module\nTWO.dll\tshared\t1\tduplicate\n");
    EXPECT_EQ(tree.t.folder.read("app.lib"), messyLib());

    const testing::Run cleaned = runOverTree(
        tree, none, {"cleanup", "--duplicate-modules", "--duplicates", "--keep=first", lib});
    EXPECT_EQ(cleaned.status, 0) << cleaned.err;
    EXPECT_EQ(
        cleaned.out,
        "1 duplicate module, 1 duplicate symbol - 4 symbols\nLIB file written: " + lib + "\n");
    EXPECT_EQ(tree.t.folder.read("app.lib"), LibBuilder()
                                                 .import("ONE.dll", "Foo", 1)
                                                 .import("ONE.dll", "Shared", 2)
                                                 .import("ONE.dll", "DllEntryPoint", 3)
                                                 .import("TWO.dll", "Bar", 2)
                                                 .bytes());

    // Nothing is left to remove: the file is not written again.
    const auto written = std::filesystem::last_write_time(lib);
    std::filesystem::remove(tree.path("app.li_"));
    const testing::Run again = runOverTree(tree, none, {"cleanup", "--duplicate-modules", lib});
    EXPECT_EQ(again.status, 0);
    EXPECT_EQ(again.out, "nothing to remove - 4 symbols\n");
    EXPECT_EQ(std::filesystem::last_write_time(lib), written);
    EXPECT_FALSE(std::filesystem::exists(tree.path("app.li_")));
}

TEST(CleanupCommand, WithoutAStepTheSettingsDecideAndJsonTellsWhatWent)
{
    RefreshTree tree;
    const std::string lib = tree.file("app.lib", messyLib());
    const std::string none = tree.folder("none");
    EXPECT_EQ(runOverTree(tree, none, {"cleanup", lib}).status, 2);

    std::ofstream(tree.path("settings/Quillon32.ini"))
        << "[Options]\nUseExcludeList=1\n[Excludelist]\nExcludeNum=1\nSymbol1=DLLENTRYPOINT\n"
           "Check1=1\n";
    const testing::Run cleaned =
        runOverTree(tree, none, {"cleanup", "--json", "-o", "out.lib", lib});
    ASSERT_EQ(cleaned.status, 0) << cleaned.err;
    const nlohmann::json doc = nlohmann::json::parse(cleaned.out);
    EXPECT_EQ(doc["result"], "written");
    EXPECT_EQ(doc["target"], tree.path("out.lib"));
    EXPECT_EQ(doc["excludedSymbols"], 1);
    EXPECT_EQ(doc["duplicateModules"], 0);
    EXPECT_EQ(doc["symbols"], 5);
    EXPECT_EQ(doc["removed"][0], (nlohmann::json{{"module", "ONE.dll"},
                                                 {"function", "DllEntryPoint"},
                                                 {"ordinal", 3},
                                                 {"reason", "excluded"}}));
    EXPECT_EQ(tree.t.folder.read("app.lib"), messyLib());
    EXPECT_EQ(tree.t.folder.read("out.lib").find("DllEntryPoint"), std::string::npos);
}

TEST(CleanupCommand, RefusedMissingEmptyAndFailedRunsLeaveTheFileAsItWas)
{
    RefreshTree tree;
    const std::string bytes = messyLib();
    const std::string lib = tree.file("app.lib", bytes);
    const std::string none = tree.folder("none");
    const auto status = [&](std::vector<std::string> arguments) {
        arguments.insert(arguments.begin(), "--quiet");
        return runOverTree(tree, none, arguments).status;
    };

    EXPECT_EQ(status({"cleanup", "--duplicates", tree.path("none.lib")}), 4);
    EXPECT_EQ(status({"cleanup", "--duplicates", tree.file("text.lib", "no records")}), 3);
    EXPECT_EQ(status({"cleanup", "--duplicates", tree.file("app.dll", bytes)}), 8);
    EXPECT_EQ(status({"cleanup", "--duplicates", lib, "/s:out.dll"}), 8);
    EXPECT_EQ(status({"cleanup", "--bits=16", lib}), 2);
    EXPECT_EQ(status({"cleanup", "--keep=first", lib}), 2);
    EXPECT_EQ(status({"cleanup", "--duplicates", "--keep=last", lib}), 2);
    // The settings choose no bitness.
    EXPECT_EQ(status({"cleanup", "--inconsistent", lib}), 2);
    // Every symbol would go: nothing is written.
    const std::string single = tree.file(
        "single.lib", LibBuilder().import("A.dll", "X", 1).import("B.dll", "x", 1).bytes());
    EXPECT_EQ(status({"cleanup", "--duplicates", "--keep=none", single}), 3);
    EXPECT_EQ(status({"cleanup", "--unlocated", single}), 3);
    EXPECT_EQ(status({"cleanup", "--duplicates", "-o", tree.path("no/such/folder/out.lib"), lib}),
              6);
    EXPECT_EQ(tree.t.folder.read("app.lib"), bytes);
    EXPECT_FALSE(std::filesystem::exists(tree.path("app.li_")));
    EXPECT_FALSE(std::filesystem::exists(tree.path("out.dll")));
}

TEST(CleanupCommand, ModulesJudgedByTheirLocatedDll)
{
    RefreshTree tree;
    (void)tree.dll("dlls/ONE.dll", {"Foo"});
    const std::string lib = tree.file("app.lib", messyLib());
    const testing::Run preview =
        runOverTree(tree, tree.folder("dlls"),
                    {"cleanup", "--inconsistent", "--bits=16", "--unlocated", "--preview", lib});
    EXPECT_EQ(preview.status, 0) << preview.err;
    EXPECT_EQ(preview.out,
              "ONE.dll\t\t\t32-bit module\nTWO.dll\t\t\tunlocated module\n"
              "one.dll\t\t\t32-bit module\n");
}

}  // namespace
}  // namespace quillon::cli
