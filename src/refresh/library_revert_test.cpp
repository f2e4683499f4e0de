// Revert: the file chosen, missing files told before anything is removed, changes dropped.
#include "refresh/library_revert.h"

#include <gtest/gtest.h>

#include "refresh/update_preview.h"
#include "reports/compare_state.h"
#include "settings/settings_store.h"
#include "support/refresh_tree.h"

namespace quillon::refresh {
namespace {

using testing::LibBuilder;
using testing::ModuleSymbols;
using testing::RefreshTree;

const std::vector<ModuleSymbols> kOnDisk = {{"ONE.dll", {"A1"}}, {"TWO.dll", {"B1"}}};

std::string twoModules(RefreshTree& tree, std::string_view name)
{
    return tree.file(name,
                     LibBuilder().import("ONE.dll", "A1", 1).import("TWO.dll", "B1", 1).bytes());
}

TEST(Revert, UnsavedChangesAreDroppedWithoutAQuestion)
{
    RefreshTree tree;
    tree.t.ws.options.UseNoMessages = false;
    const std::string lib = twoModules(tree, "app.lib");
    tree.load(lib);
    tree.t.ws.library.LibraryFileName = lib;
    tree.t.ws.library.rows[1].SYMBOL = "Edited";
    tree.t.ws.library.LibraryChanged = true;

    const RevertResult result = revertLibrary(tree.t.ws);
    EXPECT_EQ(result.end, RevertEnd::Reverted);
    EXPECT_EQ(tree.contents(), kOnDisk);
    EXPECT_FALSE(tree.t.ws.library.LibraryChanged);
    EXPECT_EQ(tree.t.ws.library.LibraryFileName, lib);
    EXPECT_TRUE(tree.t.ui.messages.empty());
}

TEST(Revert, EmptiesTheOtherListsAsClearAllModulesDoes)
{
    for (const int clearExtract : {1, 0}) {
        RefreshTree tree;
        tree.t.ws.options.UseClearExtract = clearExtract;
        const std::string lib = twoModules(tree, "app.lib");
        tree.load(lib);
        tree.t.ws.library.LibraryFileName = lib;
        Workspace& ws = tree.t.ws;
        ws.queryResults.rows.push_back(QueryResult{ModuleName("ONE.dll"), "A1", 1, 1, 1});
        reports::compareState(ws).hasResult = true;
        reports::compareState(ws).last.rows.push_back(reports::CompareRow{});
        reports::compareState(ws).lastModuleRow = 0;
        updatePreview(ws).rows.push_back(UpdatePreviewRow{});

        ASSERT_EQ(revertLibrary(ws).end, RevertEnd::Reverted);
        EXPECT_EQ(tree.contents(), kOnDisk);
        const bool emptied = clearExtract == 1;
        EXPECT_EQ(ws.queryResults.empty(), emptied);
        EXPECT_EQ(reports::compareState(ws).last.rows.empty(), emptied);
        EXPECT_EQ(reports::compareState(ws).hasResult, !emptied);
        EXPECT_EQ(reports::compareState(ws).lastModuleRow.has_value(), !emptied);
        EXPECT_EQ(updatePreview(ws).rows.empty(), emptied);
    }
}

TEST(Revert, WithoutTargetSeveralModulesReloadThePresentFileOrTellMissingData)
{
    RefreshTree tree;
    tree.t.ws.options.UseNoMessages = false;
    const std::string present = twoModules(tree, "present.lib");
    tree.load(tree.file("other.lib",
                        LibBuilder().import("X.dll", "X1", 1).import("Y.dll", "Y1", 1).bytes()));
    const LibraryList before = tree.t.ws.library.rows;

    EXPECT_EQ(revertLibrary(tree.t.ws).end, RevertEnd::MissingData);
    EXPECT_EQ(tree.t.ws.library.rows, before);
    ASSERT_EQ(tree.t.ui.messages.size(), 1u);
    EXPECT_EQ(tree.t.ui.messages[0].title, "CLARION QUILLON 32 - Missing data!");
    EXPECT_EQ(tree.t.ui.statusText(1), "No data on last opened file!");

    tree.t.settings.writeSetting("Filelist", "PresentFile", present);
    EXPECT_EQ(revertLibrary(tree.t.ws).end, RevertEnd::Reverted);
    EXPECT_EQ(tree.contents(), kOnDisk);
    // The recalled LIB file becomes the target, as opening it does.
    EXPECT_EQ(tree.t.ws.library.LibraryFileName, present);
}

TEST(Revert, MissingFileIsToldBeforeAnythingIsRemoved)
{
    RefreshTree tree;
    tree.t.ws.options.UseNoMessages = false;
    const std::string lib = twoModules(tree, "app.lib");
    tree.load(lib);
    tree.t.ws.library.LibraryFileName = tree.path("gone.lib");
    const LibraryList before = tree.t.ws.library.rows;

    EXPECT_EQ(revertLibrary(tree.t.ws).end, RevertEnd::FileNotFound);
    EXPECT_EQ(tree.t.ws.library.rows, before);
    ASSERT_EQ(tree.t.ui.messages.size(), 1u);
    EXPECT_EQ(tree.t.ui.messages[0].title, "CLARION QUILLON 32 - File not found!");
    EXPECT_EQ(tree.t.ui.statusText(1), "File was not found on disk!");
}

TEST(Revert, FileThatIsNotReadWholeLeavesTheLibraryAsItWas)
{
    RefreshTree tree;
    const std::string lib = twoModules(tree, "app.lib");
    tree.load(lib);
    tree.t.ws.library.LibraryFileName = lib;
    tree.t.ws.library.rows[1].SYMBOL = "Edited";
    tree.t.ws.library.LibraryChanged = true;
    const LibraryList before = tree.t.ws.library.rows;
    const std::string cut = LibBuilder().import("ONE.dll", "A1", 1).bytes() + "\x88\x20";
    for (const std::string& bytes : {std::string("no records"), std::string(), cut}) {
        (void)tree.file("app.lib", bytes);
        EXPECT_EQ(revertLibrary(tree.t.ws).end, RevertEnd::NotRead);
        EXPECT_EQ(tree.t.ws.library.rows, before);
        EXPECT_EQ(tree.t.ws.library.ModuleCount, 2u);
        EXPECT_EQ(tree.t.ws.library.LibraryFileName, lib);
        EXPECT_TRUE(tree.t.ws.library.LibraryChanged);
    }
}

TEST(Revert, OnlyModuleWithoutTargetComesBackFromItsExecutable)
{
    RefreshTree tree;
    const std::string dll = tree.dll("bin/ONE.dll", {"A1", "A2"});
    tree.load(dll);
    tree.t.ws.library.rows.pop_back();
    EXPECT_EQ(revertFileName(tree.t.ws), dll);

    EXPECT_EQ(revertLibrary(tree.t.ws).end, RevertEnd::Reverted);
    EXPECT_EQ(tree.contents(), (std::vector<ModuleSymbols>{{"ONE.dll", {"A1", "A2"}}}));
    EXPECT_EQ(tree.t.ws.library.LibraryFileName, tree.path("bin/One.lib"));
}

}  // namespace
}  // namespace quillon::refresh
