// The multi-file loader and the library's target: adding files keeps a chosen target.
#include "program/file_loader.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "lib/save_file.h"
#include "support/exe_builder.h"
#include "support/library_builder.h"
#include "support/test_workspace.h"

namespace quillon {
namespace {

TEST(LoadFileList, AddingAFileAfterSaveAsKeepsTheChosenTarget)
{
    testing::TestWorkspace t;
    t.ws.options.UseNoMessages = true;
    testing::addModule(t.ws, "FIRST", {{"One", 1}});
    t.ws.library.LibraryFileName = t.folder.file("first.lib");
    t.ui.dialogResults.push_back({t.folder.file("chosen")});
    ASSERT_EQ(lib::saveFile(t.ws, lib::SaveWhat::Library, true), 1);
    const std::string target = t.folder.file("chosen.lib");
    ASSERT_EQ(t.ws.library.LibraryFileName, target);

    std::filesystem::create_directory(t.folder.path() / "dlls");
    const std::string dll =
        t.folder.write("dlls/OTHER.dll", testing::buildPeWithNames({"Two"}, "OTHER.dll").bytes);
    LoadCounts counts;
    (void)loadFileList(t.ws, makeInputFileList(t.ws, {dll}), {}, &counts);
    ASSERT_EQ(counts.loaded, 1u);
    EXPECT_EQ(t.ws.library.LibraryFileName, target);
}

}  // namespace
}  // namespace quillon
