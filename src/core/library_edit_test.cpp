// Hooks, tree levels, deleting and clearing of the library list.
#include "core/library_edit.h"

#include <gtest/gtest.h>

#include "core/library_model.h"
#include "support/test_workspace.h"

namespace quillon {
namespace {

// Module A (3 symbols), module B (2 symbols), module C (1 symbol).
void addModules(Workspace& ws)
{
    appendModuleRow(ws, "A", kOs32);
    appendSymbolRow(ws, "a1", 1);
    appendSymbolRow(ws, "a2", 2);
    appendSymbolRow(ws, "a3", 3);
    appendModuleRow(ws, "B", kOs16);
    appendSymbolRow(ws, "b1", 1);
    appendSymbolRow(ws, "b2", 2);
    appendModuleRow(ws, "C", kOs32);
    appendSymbolRow(ws, "c1", 9);
    postProcessLoad(ws, 0, {"/x/a.lib", false, 0});
}

std::vector<std::string> names(const Workspace& ws)
{
    std::vector<std::string> out;
    for (const LibraryRow& row : ws.library.rows)
        out.push_back(row.SYMBOL.str());
    return out;
}

class LibraryEdit : public ::testing::Test {
protected:
    void SetUp() override { addModules(t.ws); }
    testing::TestWorkspace t;
    Workspace& ws = t.ws;
};

TEST_F(LibraryEdit, ToggleMarkChangesTheIconAndTheModuleEntry)
{
    toggleMark(ws, 4);
    EXPECT_EQ(ws.library.rows[4].MARK, 1);
    EXPECT_EQ(ws.library.rows[4].ICON, RowIcon::ShutFoldBlueHook);
    EXPECT_EQ(ws.library.modules[1].MARK, 1);
    ws.hookColour = HookColour::Red;
    toggleMark(ws, 5);
    EXPECT_EQ(ws.library.rows[5].ICON, RowIcon::FunctionHookRed);
    toggleMark(ws, 5);
    EXPECT_EQ(ws.library.rows[5].ICON, RowIcon::Function);
    toggleMark(ws, 99);  // out of range: nothing happens
}

TEST_F(LibraryEdit, MarkAllInvertAndMarkByExclude)
{
    setAllMarks(ws, true);
    EXPECT_TRUE(anyMarked(ws));
    invertMarks(ws);
    EXPECT_FALSE(anyMarked(ws));
    ws.library.rows[2].EXCLUDE = kExcludeListed;
    ws.library.rows[6].EXCLUDE = kExcludeDuplicate;
    EXPECT_EQ(markSymbolsWithExclude(ws, kExcludeDuplicate), 1u);
    EXPECT_EQ(ws.library.rows[6].MARK, 1);
    EXPECT_EQ(ws.library.rows[2].MARK, 0);
    EXPECT_EQ(markSymbolsWithExclude(ws, kExcludeDuplicate), 0u);
}

TEST_F(LibraryEdit, NextMarkWalksDownExpandsAndReportsTheEnd)
{
    const auto next = [&](std::optional<std::size_t> selected) {
        const MarkSearch search = nextMark(ws, selected);
        showNextMark(t.ui, search);
        return search;
    };
    EXPECT_EQ(next(std::nullopt), (MarkSearch{std::nullopt, false}));
    EXPECT_EQ(t.ui.statusText(1), "No marks found");
    toggleMark(ws, 5);
    toggleMark(ws, 1);
    EXPECT_EQ(next(std::size_t{1}), (MarkSearch{5u, true}));
    EXPECT_EQ(ws.library.rows[4].TREELEVEL, TreeLevel::ModuleExpanded);
    EXPECT_EQ(ws.library.modules[1].TREELEVEL, TreeLevel::ModuleExpanded);
    EXPECT_EQ(ws.library.rows[4].ICON, RowIcon::OpenFold16);
    EXPECT_EQ(t.ui.statusHistory[0],
              (std::vector<std::string>{"Next mark...", "No marks found", "Next mark...", ""}));
    EXPECT_EQ(next(std::size_t{5}), (MarkSearch{std::nullopt, true}));
    EXPECT_EQ(t.ui.statusText(1), "Bottom reached");
}

TEST_F(LibraryEdit, ExpandingWritesLevelsAndIcons)
{
    setAllExpanded(ws, true);
    EXPECT_EQ(ws.library.rows[0].TREELEVEL, TreeLevel::ModuleExpanded);
    EXPECT_EQ(ws.library.rows[0].ICON, RowIcon::OpenFold32);
    EXPECT_EQ(ws.library.modules[2].TREELEVEL, TreeLevel::ModuleExpanded);
    setModuleExpanded(ws, 4, false);
    EXPECT_EQ(ws.library.rows[4].ICON, RowIcon::ShutFold16);
    setModuleExpanded(ws, 5, false);  // a symbol row: ignored
    EXPECT_EQ(ws.library.rows[5].TREELEVEL, TreeLevel::Symbol);
}

TEST_F(LibraryEdit, DeleteHookedRowsTakesModulesWithTheirSymbols)
{
    toggleMark(ws, 4);  // module B
    toggleMark(ws, 2);  // a2
    t.ui.status(1, "before");
    const DeleteResult result = deleteRows(ws, std::size_t{0});
    EXPECT_EQ(result, (DeleteResult{4, 3, 1}));
    EXPECT_EQ(names(ws), (std::vector<std::string>{"A", "a1", "a3", "C", "c1"}));
    EXPECT_EQ(ws.library.SymbolCount, 3u);
    EXPECT_EQ(ws.library.ModuleCount, 2u);
    EXPECT_EQ(ws.library.rows[3].MODULENUM, 2);
    EXPECT_EQ(ws.library.rows[4].MODULENUM, 2);
    EXPECT_EQ(ws.library.modules[0].FUNCTIONNUM, 2);
    EXPECT_TRUE(ws.library.LibraryChanged);
    EXPECT_EQ(t.ui.statusHistory[0][1], "Deleting...");
    EXPECT_EQ(t.ui.statusText(1), "before");
}

TEST_F(LibraryEdit, DeletingTheLastSymbolOfAModuleRemovesTheModule)
{
    const DeleteResult result = deleteRows(ws, std::size_t{8});
    EXPECT_EQ(result, (DeleteResult{2, 1, 1}));
    EXPECT_EQ(ws.library.rows.size(), 7u);
    EXPECT_EQ(ws.library.modules.size(), 2u);
}

TEST_F(LibraryEdit, DeleteWithoutHooksOrSelectionChangesNothing)
{
    EXPECT_EQ(deleteRows(ws, std::nullopt), DeleteResult{});
    EXPECT_EQ(deleteRows(ws, std::size_t{99}), DeleteResult{});
    EXPECT_EQ(ws.library.rows.size(), 9u);
    EXPECT_FALSE(ws.library.LibraryChanged);
}

TEST_F(LibraryEdit, ClearEmptiesEverythingButTheTarget)
{
    ws.library.LibraryFileName = "/x/a.lib";
    ws.library.LibraryChanged = true;
    clearLibrary(ws);
    EXPECT_TRUE(ws.library.empty());
    EXPECT_TRUE(ws.library.modules.empty());
    EXPECT_EQ(ws.library.SymbolCount, 0u);
    EXPECT_EQ(ws.library.ModuleCount, 0u);
    EXPECT_FALSE(ws.library.LibraryChanged);
    EXPECT_EQ(ws.library.LibraryFileName, "/x/a.lib");
}

TEST_F(LibraryEdit, ModuleRowOfFindsTheModuleAbove)
{
    EXPECT_EQ(moduleRowOf(ws, 6), 4u);
    EXPECT_EQ(moduleRowOf(ws, 4), 4u);
    EXPECT_EQ(moduleRowOf(ws, 0), 0u);
}

}  // namespace
}  // namespace quillon
