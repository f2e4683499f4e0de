// `quillon update`: the LIB file written equals a fresh one from the new DLL; nothing located
// leaves the file untouched.
#include "refresh/library_file_update.h"

#include <cstdlib>

#include <gtest/gtest.h>

#include "support/refresh_tree.h"

namespace quillon::refresh {
namespace {

using testing::LibBuilder;
using testing::RefreshTree;

#ifndef _WIN32
/// Runs the command-line program with `arguments` (shell words), PATH set to `path`, the
/// tree's Wine prefix and its own settings folder; returns the exit status.
int runQuillon(const RefreshTree& tree, const std::string& path, const std::string& arguments)
{
    const std::string command = "PATH='" + path + "' WINEPREFIX='" + tree.prefix() + "' '" +
                                QUILLON_CLI_PATH + "' " + arguments + " --quiet --settings '" +
                                tree.folder("settings") + "'";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(QuillonUpdate, DllThatGainedAndLostFunctionsGivesTheLibAFreshRunWouldWrite)
{
    RefreshTree tree;
    const std::string lib = tree.file("app.lib", LibBuilder()
                                                     .import("GROW.dll", "Kept", 1)
                                                     .import("GROW.dll", "Dropped", 2)
                                                     .import("LOST.dll", "Alone", 7)
                                                     .bytes());
    const std::string dll = tree.dll("dlls/GROW.dll", {"Kept", "Added", "Another"});
    const std::string dlls = tree.folder("dlls");

    ASSERT_EQ(runQuillon(tree, dlls, "update '" + lib + "' /s:new.lib"), 0);
    ASSERT_EQ(runQuillon(tree, dlls, "'" + dll + "' /s:" + tree.path("grow.lib")), 0);
    const std::string mixed = tree.t.folder.read("new.lib");
    EXPECT_NE(mixed.find("Added"), std::string::npos);
    EXPECT_NE(mixed.find("Alone"), std::string::npos);
    EXPECT_EQ(mixed.find("Dropped"), std::string::npos);

    // Only the updated module: the same bytes as a fresh run over the DLL.
    const std::string single = tree.file(
        "single.lib",
        LibBuilder().import("GROW.dll", "Kept", 1).import("GROW.dll", "Dropped", 2).bytes());
    ASSERT_EQ(
        runQuillon(tree, dlls, "update -o '" + tree.path("single2.lib") + "' '" + single + "'"), 0);
    EXPECT_EQ(tree.t.folder.read("single2.lib"), tree.t.folder.read("grow.lib"));
    ASSERT_EQ(runQuillon(tree, dlls, "update '" + single + "'"), 0);
    EXPECT_EQ(tree.t.folder.read("single.lib"), tree.t.folder.read("grow.lib"));
}

TEST(QuillonUpdate, ExitStatusTellsWhatHappened)
{
    RefreshTree tree;
    const std::string bytes = LibBuilder().import("NOWHERE.dll", "F", 1).bytes();
    const std::string lib = tree.file("app.lib", bytes);
    const std::string empty = tree.folder("empty");

    EXPECT_EQ(runQuillon(tree, empty, "update '" + lib + "'"), 4);
    EXPECT_EQ(tree.t.folder.read("app.lib"), bytes);
    EXPECT_FALSE(std::filesystem::exists(tree.path("app.li_")));
    EXPECT_EQ(runQuillon(tree, empty, "update '" + tree.path("none.lib") + "'"), 4);
    EXPECT_EQ(runQuillon(tree, empty, "update '" + tree.file("text.lib", "no records") + "'"), 3);
    EXPECT_EQ(runQuillon(tree, empty, "update"), 2);
    EXPECT_EQ(runQuillon(tree, empty, "update a.lib b.lib"), 2);
    EXPECT_EQ(runQuillon(tree, empty, "update -o x.lib /s:y.lib a.lib"), 2);
}
TEST(QuillonUpdate, FileOrTargetNotNamedAsALibFileIsRefusedUntouched)
{
    RefreshTree tree;
    const std::string dllBytes = testing::buildPeWithNames({"Alpha"}, "SMP.dll").text();
    const std::string dll = tree.file("z/SMP.DLL", dllBytes);
    const std::string libBytes = LibBuilder().import("SMP.dll", "Alpha", 1).bytes();
    const std::string lib = tree.file("z/app.lib", libBytes);
    const std::string dlls = tree.folder("z");

    EXPECT_EQ(runQuillon(tree, dlls, "update '" + dll + "'"), 7);
    EXPECT_EQ(runQuillon(tree, dlls, "update --preview '" + dll + "'"), 7);
    EXPECT_EQ(runQuillon(tree, dlls, "update '" + lib + "' /s:out.dll"), 7);
    EXPECT_EQ(runQuillon(tree, dlls, "update -o '" + dll + "' '" + lib + "'"), 7);
    EXPECT_EQ(tree.t.folder.read("z/SMP.DLL"), dllBytes);
    EXPECT_EQ(tree.t.folder.read("z/app.lib"), libBytes);
    EXPECT_FALSE(std::filesystem::exists(tree.path("z/out.dll")));
    EXPECT_FALSE(std::filesystem::exists(tree.path("z/SMP.DL_")));
}

TEST(QuillonUpdate, ModuleKeptForADamagedDllIsToldByTheExitStatus)
{
    RefreshTree tree;
    const testing::BuiltImage image =
        testing::buildPeWithNames({"One", "Two", "Three", "Four", "Five"}, "CUT.dll");
    (void)tree.file("dlls/CUT.dll", std::string(reinterpret_cast<const char*>(image.bytes.data()),
                                                static_cast<std::size_t>(image.names[2] + 1)));
    (void)tree.dll("dlls/FINE.dll", {"New"});
    const std::string lib = tree.file(
        "app.lib", LibBuilder().import("CUT.dll", "Old1", 1).import("FINE.dll", "Old", 1).bytes());

    EXPECT_EQ(runQuillon(tree, tree.folder("dlls"), "update '" + lib + "'"), 8);
    EXPECT_EQ(tree.t.folder.read("app.lib"),
              LibBuilder().import("CUT.dll", "Old1", 1).import("FINE.dll", "New", 1).bytes());
}
#endif

TEST(UpdateLibraryFile, DllIsNeverOverwritten)
{
    RefreshTree tree;
    const std::string bytes = testing::buildPeWithNames({"Alpha"}, "SMP.dll").text();
    const std::string dll = tree.file("SMP.DLL", bytes);
    const FileUpdateResult result = updateLibraryFile(tree.t.ws, FileUpdateRequest{dll, ""});
    EXPECT_EQ(result.refusal, FileUpdateRefusal::NotLibFile);
    EXPECT_FALSE(result.written());
    EXPECT_TRUE(tree.t.ws.library.empty());
    EXPECT_EQ(tree.t.folder.read("SMP.DLL"), bytes);
}

TEST(UpdateLibraryFile, TargetWithoutFolderGoesBesideTheLibFile)
{
    RefreshTree tree;
    (void)tree.systemDll("AAA.dll", {"New"});
    const std::string lib =
        tree.file("libs/app.lib", LibBuilder().import("AAA.dll", "Old", 1).bytes());

    const FileUpdateResult result = updateLibraryFile(tree.t.ws, FileUpdateRequest{lib, "out.lib"});
    EXPECT_TRUE(result.written());
    EXPECT_EQ(result.target, tree.path("libs/out.lib"));
    EXPECT_EQ(result.update.statusText, "One module was updated from DLL/EXE file");
    EXPECT_EQ(fileUpdateExitCode(result), 0);
    EXPECT_EQ(tree.t.folder.read("libs/out.lib"), LibBuilder().import("AAA.dll", "New", 1).bytes());
}

}  // namespace
}  // namespace quillon::refresh
