// Updating a LIB file without a window: where the file written goes, and its exit status.
#include "refresh/library_file_update.h"

#include <gtest/gtest.h>

#include "support/refresh_tree.h"

namespace quillon::refresh {
namespace {

using testing::LibBuilder;
using testing::RefreshTree;

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
    EXPECT_EQ(fileUpdateExitCode(result), ExitStatus::Success);
    EXPECT_EQ(tree.t.folder.read("libs/out.lib"), LibBuilder().import("AAA.dll", "New", 1).bytes());
}

}  // namespace
}  // namespace quillon::refresh
