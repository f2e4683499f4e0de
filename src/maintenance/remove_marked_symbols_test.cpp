// Tests of the removal of marked symbols and of the modules they leave empty.
#include "maintenance/remove_marked_symbols.h"

#include <gtest/gtest.h>

#include "maintenance/maintenance_status.h"
#include "maintenance/symbols_cleanup.h"
#include "support/library_builder.h"
#include "support/maintenance_libraries.h"
#include "support/test_workspace.h"

namespace quillon::maintenance {
namespace {

using testing::addModule;
using testing::markedLibrary;
using testing::rowNames;
using testing::TestWorkspace;

/// The removal as the Ctrl+F10 command runs it: with progress, then its result shown.
SymbolRemoval removeShown(TestWorkspace& t)
{
    ProgressIndicator progress(t.ui, t.ws.options.UseStatusBar);
    const SymbolRemoval removal = removeMarkedSymbols(t.ws, &progress);
    showSymbolRemoval(t.ui, t.ws.options.UseStatusBar, removal);
    return removal;
}

TEST(RemoveMarkedSymbols, RemovesMarkedSymbolsAndModulesLeftEmpty)
{
    TestWorkspace t;
    t.ws.options.UseStatusBar = true;
    markedLibrary(t.ws);
    EXPECT_EQ(removeShown(t), (SymbolRemoval{true, 3, 1, 2, false}));
    EXPECT_EQ(rowNames(t.ws), (std::vector<std::string>{"A", "A2", "C", "C1"}));
    EXPECT_EQ(t.ws.library.rows[0].EXCLUDE, 0);
    ASSERT_EQ(t.ws.library.modules.size(), 2u);
    EXPECT_EQ(t.ws.library.modules[0].MODULENUM, 1);
    EXPECT_EQ(t.ws.library.modules[0].FUNCTIONNUM, 1);
    EXPECT_EQ(t.ws.library.modules[1].MODULENUM, 3);
    EXPECT_EQ(t.ws.library.modules[1].FUNCTIONNUM, 1);
    EXPECT_EQ(t.ws.library.ModuleCount, 2u);
    EXPECT_EQ(t.ws.library.SymbolCount, 2u);
    EXPECT_TRUE(t.ws.library.LibraryChanged);
    EXPECT_EQ(t.ui.statusText(1), "3 symbols removed");
    EXPECT_EQ(t.ui.statusText(2), "Cleanup done");
    EXPECT_EQ(t.ui.statusText(3), "2 symbols");
    EXPECT_EQ(t.ui.progressCaptions, (std::vector<std::string>{"Symbols cleanup..."}));
    EXPECT_EQ(t.ui.progressTexts.back(), "3 symbols");
}

TEST(RemoveMarkedSymbols, WithoutMarksNothingChanges)
{
    TestWorkspace t;
    t.ws.options.UseStatusBar = true;
    addModule(t.ws, "A", {{"A1", 1}});
    const Library before = t.ws.library;
    EXPECT_EQ(removeShown(t), (SymbolRemoval{true, 0, 0, 1, false}));
    EXPECT_EQ(t.ws.library.rows, before.rows);
    EXPECT_EQ(t.ws.library.modules, before.modules);
    EXPECT_FALSE(t.ws.library.LibraryChanged);
    EXPECT_EQ(t.ui.statusText(1), "No symbols removed");
    EXPECT_EQ(t.ui.statusText(3), "1 symbol");
}

TEST(RemoveMarkedSymbols, QuietRunLeavesOnlyAnEmptyFirstPane)
{
    TestWorkspace t;
    t.ws.options.UseStatusBar = true;
    addModule(t.ws, "A", {{"A1", 1}});
    t.ws.options.UseExcludeList = true;
    t.ws.excludeList.assign({{"A1", 1}});
    t.ws.library.LibraryChanged = true;
    EXPECT_EQ(removeMarkedSymbolsForSave(t.ws), 1u);
    EXPECT_TRUE(t.ws.library.empty());
    EXPECT_TRUE(t.ws.library.modules.empty());
    EXPECT_EQ(t.ws.library.ModuleCount, 0u);
    EXPECT_FALSE(t.ws.library.LibraryChanged);
    EXPECT_EQ(t.ui.statusHistory[0], (std::vector<std::string>{""}));
    EXPECT_EQ(t.ui.statusHistory[1], (std::vector<std::string>{"Symbols cleanup..."}));
    EXPECT_EQ(t.ui.progressStarts, 0);
}

TEST(RemoveMarkedSymbols, EmptiedLibraryReportsNoSymbols)
{
    TestWorkspace t;
    t.ws.options.UseStatusBar = true;
    addModule(t.ws, "A", {{"A1", 1}});
    t.ws.library.rows[1].EXCLUDE = kExcludeDuplicate;
    EXPECT_EQ(removeShown(t), (SymbolRemoval{true, 1, 1, 0, true}));
    EXPECT_EQ(t.ui.statusText(1), "1 symbol removed");
    EXPECT_EQ(t.ui.statusText(3), "No symbols!");
}

TEST(RemoveMarkedSymbols, AModuleWithoutTableEntryEndsTheWalk)
{
    TestWorkspace t;
    addModule(t.ws, "A", {{"A1", 1}});
    addModule(t.ws, "B", {{"B1", 1}, {"B2", 2}});
    t.ws.library.modules.pop_back();
    t.ws.library.rows[1].EXCLUDE = kExcludeListed;
    t.ws.library.rows[4].EXCLUDE = kExcludeListed;
    EXPECT_EQ(removeMarkedSymbols(t.ws).removed, 1u);
    EXPECT_EQ(rowNames(t.ws), (std::vector<std::string>{"B", "B1", "B2"}));
    EXPECT_EQ(t.ws.library.rows[2].EXCLUDE, kExcludeListed);
}

TEST(RemoveMarkedSymbols, CountsTheModulesRowsWhateverFunctionNumSays)
{
    TestWorkspace t;
    addModule(t.ws, "A", {{"A1", 1}});
    addModule(t.ws, "B", {{"B1", 1}, {"B2", 2}, {"B3", 3}});
    t.ws.library.modules[0].FUNCTIONNUM = 5;  // stale: the emptied module still goes
    t.ws.library.modules[1].FUNCTIONNUM = 1;  // short: the module keeps its other symbols
    t.ws.library.rows[1].EXCLUDE = kExcludeListed;
    t.ws.library.rows[3].EXCLUDE = kExcludeDuplicate;
    EXPECT_EQ(removeMarkedSymbols(t.ws), (SymbolRemoval{true, 2, 1, 2, false}));
    EXPECT_EQ(rowNames(t.ws), (std::vector<std::string>{"B", "B2", "B3"}));
    ASSERT_EQ(t.ws.library.modules.size(), 1u);
    EXPECT_EQ(t.ws.library.modules[0].FUNCTIONNUM, 2);
}

TEST(RemoveMarkedSymbols, EmptyLibraryReturnsAtOnce)
{
    TestWorkspace t;
    t.ws.options.UseStatusBar = true;
    EXPECT_EQ(removeShown(t), SymbolRemoval{});
    EXPECT_TRUE(t.ui.statusHistory[1].empty());
}

TEST(RemoveMarkedSymbols, RunsWithoutAFrontEndCallAndShowsTheSameTextsAfterwards)
{
    TestWorkspace t;
    t.ws.options.UseStatusBar = true;
    addModule(t.ws, "A", {{"A1", 1}, {"A2", 2}});
    t.ws.library.rows[2].EXCLUDE = kExcludeListed;
    t.ui.status(1, "Before");
    const SymbolRemoval removal = removeMarkedSymbols(t.ws);
    EXPECT_EQ(removal, (SymbolRemoval{true, 1, 0, 1, false}));
    EXPECT_EQ(t.ui.statusHistory[0], (std::vector<std::string>{"Before"}));
    EXPECT_TRUE(t.ui.statusHistory[1].empty());
    EXPECT_EQ(t.ui.progressStarts, 0);

    showSymbolRemoval(t.ui, true, removal);
    EXPECT_EQ(t.ui.statusHistory[0], (std::vector<std::string>{"Before", "1 symbol removed"}));
    EXPECT_EQ(t.ui.statusHistory[1], (std::vector<std::string>{"Cleanup done"}));
    EXPECT_EQ(t.ui.statusHistory[2], (std::vector<std::string>{"1 symbol", "1 symbol"}));
    // Without the status bar nothing is written.
    showSymbolRemoval(t.ui, false, removal);
    EXPECT_EQ(t.ui.statusHistory[0].size(), 2u);
}

}  // namespace
}  // namespace quillon::maintenance
