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
    (void)loadFileList(t.ws, makeInputFileList(t.ws, {dll}), {}, {}, &counts);
    ASSERT_EQ(counts.loaded, 1u);
    EXPECT_EQ(t.ws.library.LibraryFileName, target);
}

TEST(OpenSingleFile, TellsHowTheReadEnded)
{
    testing::TestWorkspace t;
    maintenance::DuplicateAnswerState answers = maintenance::DuplicateAnswerState::singleFile();
    const std::string dll =
        t.folder.write("A.DLL", testing::buildPeWithNames({"F"}, "A.dll").bytes);
    const OpenResult read = openSingleFile(t.ws, dll, OpenRequest{}, answers);
    EXPECT_TRUE(read.outcome.read());
    EXPECT_EQ(read.fileName, dll);
    EXPECT_EQ(read.rowsAdded, 2u);

    // A rejection is reported unless the load is quiet.
    const std::string le = t.folder.write("LE.DLL", testing::buildLe().bytes);
    EXPECT_TRUE(openSingleFile(t.ws, le, OpenRequest{}, answers).outcome.rejected());
    EXPECT_EQ(t.ui.messages.size(), 1u);
    OpenRequest quiet;
    quiet.mode.QuietLoad = true;
    EXPECT_TRUE(openSingleFile(t.ws, le, quiet, answers).outcome.rejected());
    EXPECT_EQ(t.ui.messages.size(), 1u);

    // A file error is the caller's to report.
    const OpenResult missing =
        openSingleFile(t.ws, t.folder.file("NONE.LIB"), OpenRequest{}, answers);
    EXPECT_TRUE(missing.outcome.failed());
    EXPECT_EQ(missing.outcome.ReadStatus, 2);
    EXPECT_EQ(missing.outcome.ErrorText, "File not found");
    EXPECT_TRUE(missing.readError);
    EXPECT_EQ(t.ui.messages.size(), 1u);
    EXPECT_EQ(t.ws.library.rows.size(), 2u);
}

}  // namespace
}  // namespace quillon
