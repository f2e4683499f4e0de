// `quillon update`: the LIB file written equals a fresh one from the new DLL; nothing located
// leaves the file untouched; the preview writes nothing.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "cli/testing/tree_run.h"
#include "support/exe_builder.h"
#include "support/refresh_tree.h"

namespace quillon::cli {
namespace {

using quillon::testing::LibBuilder;
using quillon::testing::RefreshTree;
using testing::runQuillon;

/// Runs the program quietly over the tree with PATH set to `path`.
testing::Run run(const RefreshTree& tree, const std::string& path,
                 std::vector<std::string> arguments)
{
    arguments.push_back("--quiet");
    return testing::runOverTree(tree, path, std::move(arguments));
}

TEST(UpdateCommand, DllThatGainedAndLostFunctionsGivesTheLibAFreshRunWouldWrite)
{
    RefreshTree tree;
    const std::string lib = tree.file("app.lib", LibBuilder()
                                                     .import("GROW.dll", "Kept", 1)
                                                     .import("GROW.dll", "Dropped", 2)
                                                     .import("LOST.dll", "Alone", 7)
                                                     .bytes());
    const std::string dll = tree.dll("dlls/GROW.dll", {"Kept", "Added", "Another"});
    const std::string dlls = tree.folder("dlls");

    ASSERT_EQ(run(tree, dlls, {"update", lib, "/s:new.lib"}).status, 0);
    ASSERT_EQ(run(tree, dlls, {dll, "/s:" + tree.path("grow.lib")}).status, 0);
    const std::string mixed = tree.t.folder.read("new.lib");
    EXPECT_NE(mixed.find("Added"), std::string::npos);
    EXPECT_NE(mixed.find("Alone"), std::string::npos);
    EXPECT_EQ(mixed.find("Dropped"), std::string::npos);

    // Only the updated module: the same bytes as a fresh run over the DLL.
    const std::string single = tree.file(
        "single.lib",
        LibBuilder().import("GROW.dll", "Kept", 1).import("GROW.dll", "Dropped", 2).bytes());
    ASSERT_EQ(run(tree, dlls, {"update", "-o", tree.path("single2.lib"), single}).status, 0);
    EXPECT_EQ(tree.t.folder.read("single2.lib"), tree.t.folder.read("grow.lib"));
    ASSERT_EQ(run(tree, dlls, {"update", single}).status, 0);
    EXPECT_EQ(tree.t.folder.read("single.lib"), tree.t.folder.read("grow.lib"));
}

TEST(UpdateCommand, ExitStatusTellsWhatHappened)
{
    RefreshTree tree;
    const std::string bytes = LibBuilder().import("NOWHERE.dll", "F", 1).bytes();
    const std::string lib = tree.file("app.lib", bytes);
    const std::string empty = tree.folder("empty");

    EXPECT_EQ(run(tree, empty, {"update", lib}).status, 4);
    EXPECT_EQ(tree.t.folder.read("app.lib"), bytes);
    EXPECT_FALSE(std::filesystem::exists(tree.path("app.li_")));
    EXPECT_EQ(run(tree, empty, {"update", tree.path("none.lib")}).status, 4);
    EXPECT_EQ(run(tree, empty, {"update", tree.file("text.lib", "no records")}).status, 3);
    EXPECT_EQ(run(tree, empty, {"update"}).status, 2);
    EXPECT_EQ(run(tree, empty, {"update", "a.lib", "b.lib"}).status, 2);
    EXPECT_EQ(run(tree, empty, {"update", "-o", "x.lib", "/s:y.lib", "a.lib"}).status, 2);
}

TEST(UpdateCommand, FileOrTargetNotNamedAsALibFileIsRefusedUntouched)
{
    RefreshTree tree;
    const std::string dllBytes = quillon::testing::buildPeWithNames({"Alpha"}, "SMP.dll").text();
    const std::string dll = tree.file("z/SMP.DLL", dllBytes);
    const std::string libBytes = LibBuilder().import("SMP.dll", "Alpha", 1).bytes();
    const std::string lib = tree.file("z/app.lib", libBytes);
    const std::string dlls = tree.folder("z");

    EXPECT_EQ(run(tree, dlls, {"update", dll}).status, 8);
    EXPECT_EQ(run(tree, dlls, {"update", "--preview", dll}).status, 8);
    EXPECT_EQ(run(tree, dlls, {"update", lib, "/s:out.dll"}).status, 8);
    EXPECT_EQ(run(tree, dlls, {"update", "-o", dll, lib}).status, 8);
    EXPECT_EQ(tree.t.folder.read("z/SMP.DLL"), dllBytes);
    EXPECT_EQ(tree.t.folder.read("z/app.lib"), libBytes);
    EXPECT_FALSE(std::filesystem::exists(tree.path("z/out.dll")));
    EXPECT_FALSE(std::filesystem::exists(tree.path("z/SMP.DL_")));
}

TEST(UpdateCommand, ModuleKeptForADamagedDllIsToldByTheExitStatus)
{
    RefreshTree tree;
    const quillon::testing::BuiltImage image =
        quillon::testing::buildPeWithNames({"One", "Two", "Three", "Four", "Five"}, "CUT.dll");
    (void)tree.file("dlls/CUT.dll", std::string(reinterpret_cast<const char*>(image.bytes.data()),
                                                static_cast<std::size_t>(image.names[2] + 1)));
    (void)tree.dll("dlls/FINE.dll", {"New"});
    const std::string lib = tree.file(
        "app.lib", LibBuilder().import("CUT.dll", "Old1", 1).import("FINE.dll", "Old", 1).bytes());

    EXPECT_EQ(run(tree, tree.folder("dlls"), {"update", lib}).status, 9);
    EXPECT_EQ(tree.t.folder.read("app.lib"),
              LibBuilder().import("CUT.dll", "Old1", 1).import("FINE.dll", "New", 1).bytes());
}

TEST(UpdateCommand, PriorityFolderLocatesTheDllsOfALibFileKeptElsewhere)
{
    RefreshTree tree;
    const std::string lib =
        tree.file("libs/app.lib", LibBuilder().import("GROW.dll", "Kept", 1).bytes());
    (void)tree.dll("dlls/GROW.dll", {"Kept", "Added"});
    const std::string empty = tree.folder("empty");

    EXPECT_EQ(run(tree, empty, {"update", "--preview", lib}).status, 0);
    EXPECT_EQ(run(tree, empty, {"update", lib}).status, 4);
    EXPECT_EQ(run(tree, empty, {"update", "--priority", tree.folder("dlls"), lib}).status, 0);
    EXPECT_NE(tree.t.folder.read("libs/app.lib").find("Added"), std::string::npos);
}

TEST(UpdateCommand, PreviewPrintsTheListAndWritesNothing)
{
    RefreshTree tree;
    const std::string bytes = LibBuilder()
                                  .import("GROW.dll", "Kept", 1)
                                  .import("GROW.dll", "Dropped", 2)
                                  .import("LOST.dll", "Alone", 7)
                                  .bytes();
    const std::string lib = tree.file("app.lib", bytes);
    (void)tree.dll("dlls/GROW.dll", {"Kept", "Dropped", "Added"});
    testing::RunSetup setup;
    setup.environment = {{"PATH", tree.folder("dlls")}, {"WINEPREFIX", tree.prefix()}};
    const testing::Run preview =
        runQuillon({"update", "--preview", lib, "--settings", tree.folder("settings")}, setup);
    EXPECT_EQ(preview.status, 0);
    EXPECT_EQ(preview.out,
              "GROW.dll\tAdded\t3\t<Missing in library>\nLOST.dll\t\t\t<File not found>\n");
    EXPECT_EQ(tree.t.folder.read("app.lib"), bytes);
    EXPECT_FALSE(std::filesystem::exists(tree.path("app.li_")));
}

}  // namespace
}  // namespace quillon::cli
