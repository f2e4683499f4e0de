// Tests of the global duplicate search: groups, keep modes, marks, hooks and the saved LIB.
#include "maintenance/global_duplicates.h"

#include <gtest/gtest.h>

#include "maintenance/maintenance_messages.h"
#include "maintenance/maintenance_status.h"
#include "support/library_builder.h"
#include "support/test_workspace.h"

namespace quillon::maintenance {
namespace {

using testing::addModule;
using testing::excludeMarks;
using testing::TestWorkspace;

/// The search as the symbols cleanup runs it: with progress, then its result shown.
std::uint32_t findShown(TestWorkspace& t)
{
    ProgressIndicator progress(t.ui, t.ws.options.UseStatusBar);
    const DuplicateSearch search = findGlobalDuplicates(t.ws, &progress);
    showDuplicateSearch(t.ui, t.ws.options.UseStatusBar, search);
    return search.marked;
}

void enable(Workspace& ws, DuplicateKeep mode)
{
    ws.options.UseExcludeList = true;
    ws.options.UseExcludeGlobalDuplicates = true;
    ws.options.UseExcludeGlobalDuplicatesSet = mode;
}

TEST(FindGlobalDuplicates, NamesDifferingInCaseFormOneGroupAndModeOneKeepsTheFirst)
{
    TestWorkspace t;
    enable(t.ws, DuplicateKeep::KeepFirst);
    addModule(t.ws, "A", {{"WinMain", 1}, {"Alpha", 2}});
    addModule(t.ws, "B", {{"Beta", 1}, {"WINMAIN", 2}});
    EXPECT_EQ(findGlobalDuplicates(t.ws).marked, 1u);
    EXPECT_EQ(excludeMarks(t.ws), (std::vector<int>{0, 0, 0, 2, 0, 2}));
    EXPECT_EQ(t.ws.library.rows[5].ICON, RowIcon::FunctionDuplicate);
}

TEST(FindGlobalDuplicates, ModeZeroMarksEveryOccurrence)
{
    TestWorkspace t;
    enable(t.ws, DuplicateKeep::KeepNone);
    addModule(t.ws, "A", {{"Dup", 1}});
    addModule(t.ws, "B", {{"dup", 1}, {"Own", 2}});
    addModule(t.ws, "C", {{"DUP", 1}});
    EXPECT_EQ(findGlobalDuplicates(t.ws).marked, 3u);
    EXPECT_EQ(excludeMarks(t.ws), (std::vector<int>{2, 2, 2, 2, 0, 2, 2}));
}

TEST(FindGlobalDuplicates, AnExcludedSymbolIsNeitherCountedNorKept)
{
    TestWorkspace t;
    enable(t.ws, DuplicateKeep::KeepFirst);
    addModule(t.ws, "A", {{"Entry", 1}});
    addModule(t.ws, "B", {{"Entry", 1}});
    addModule(t.ws, "C", {{"ENTRY", 7}});
    t.ws.library.rows[1].EXCLUDE = kExcludeListed;
    t.ws.library.rows[0].EXCLUDE = kExcludeModule3;
    EXPECT_EQ(findGlobalDuplicates(t.ws).marked, 2u);
    // The module holding the excluded symbol keeps its own mark 3.
    EXPECT_EQ(excludeMarks(t.ws), (std::vector<int>{3, 1, 2, 2, 2, 2}));
}

TEST(FindGlobalDuplicates, TrailingBlanksDoNotCount)
{
    TestWorkspace t;
    enable(t.ws, DuplicateKeep::KeepFirst);
    addModule(t.ws, "A", {{"Name", 1}});
    addModule(t.ws, "B", {{"NAME  ", 1}});
    EXPECT_EQ(findGlobalDuplicates(t.ws).marked, 1u);
    EXPECT_EQ(t.ws.library.rows[3].EXCLUDE, kExcludeDuplicate);
}

TEST(FindGlobalDuplicates, ClearsEveryHookAndEarlierDuplicateMarks)
{
    TestWorkspace t;
    enable(t.ws, DuplicateKeep::KeepFirst);
    addModule(t.ws, "A", {{"One", 1}, {"Two", 2}});
    addModule(t.ws, "B", {{"Three", 1}});
    for (LibraryRow& row : t.ws.library.rows)
        row.MARK = 1;
    t.ws.library.rows[2].EXCLUDE = kExcludeDuplicate;
    t.ws.library.rows[3].EXCLUDE = kExcludeDuplicate;
    EXPECT_EQ(findGlobalDuplicates(t.ws).marked, 0u);
    for (const LibraryRow& row : t.ws.library.rows) {
        EXPECT_EQ(row.MARK, 0);
        EXPECT_EQ(row.EXCLUDE, 0);
    }
    EXPECT_EQ(t.ws.library.rows[0].ICON, RowIcon::ShutFold32);
}

TEST(FindGlobalDuplicates, DisabledSearchOnlyClearsMarks)
{
    TestWorkspace t;
    t.ws.options.UseExcludeGlobalDuplicates = true;  // the master switch is off
    addModule(t.ws, "A", {{"X", 1}});
    addModule(t.ws, "B", {{"X", 1}});
    t.ws.library.rows[1].EXCLUDE = kExcludeDuplicate;
    EXPECT_EQ(findGlobalDuplicates(t.ws).marked, 0u);
    EXPECT_EQ(excludeMarks(t.ws), (std::vector<int>{0, 0, 0, 0}));
    TestWorkspace empty;
    EXPECT_EQ(findGlobalDuplicates(empty.ws).marked, 0u);
}

TEST(FindGlobalDuplicates, ModeIsDerivedOnceUntilTheOptionsChange)
{
    TestWorkspace t;
    enable(t.ws, DuplicateKeep::KeepFirst);
    addModule(t.ws, "A", {{"X", 1}});
    addModule(t.ws, "B", {{"X", 1}});
    EXPECT_EQ(findGlobalDuplicates(t.ws).marked, 1u);
    t.ws.options.UseExcludeGlobalDuplicatesSet = DuplicateKeep::KeepNone;
    EXPECT_EQ(findGlobalDuplicates(t.ws).marked, 1u);
    duplicateOptionsChanged(t.ws);
    EXPECT_EQ(findGlobalDuplicates(t.ws).marked, 2u);
    t.ws.options.UseExcludeGlobalDuplicatesSet =
        static_cast<DuplicateKeep>(9);  // out of range means keep none
    duplicateOptionsChanged(t.ws);
    EXPECT_EQ(findGlobalDuplicates(t.ws).marked, 2u);
    EXPECT_EQ(t.ws.duplicateMode.mode, DuplicateKeep::KeepNone);
}

TEST(FindGlobalDuplicates, SavedLibModesOnAnUnchangedLibraryActAsModesZeroAndOne)
{
    for (const auto& [mode, expected] :
         {std::pair{DuplicateKeep::MatchSavedLibElseKeepNone, 2u},
          std::pair{DuplicateKeep::MatchSavedLibElseKeepFirst, 1u}}) {
        TestWorkspace t;
        enable(t.ws, mode);
        addModule(t.ws, "A", {{"X", 1}}, kOs32, "/libs/SAVED.LIB");
        addModule(t.ws, "B", {{"X", 1}}, kOs32, "/libs/SAVED.LIB");
        t.ws.library.LibraryChanged = false;
        EXPECT_EQ(findGlobalDuplicates(t.ws).marked, expected) << "mode " << static_cast<int>(mode);
        // The mode itself is kept for the next search.
        EXPECT_EQ(t.ws.duplicateMode.mode, mode);
        EXPECT_EQ(t.ws.SavedLibName, "A very unlikely name for your library");
    }
}

TEST(FindGlobalDuplicates, ReportsInTheStatusBarWithProgressShown)
{
    TestWorkspace t;
    enable(t.ws, DuplicateKeep::KeepNone);
    t.ws.options.UseStatusBar = true;
    addModule(t.ws, "A", {{"X", 1}, {"Y", 2}});
    addModule(t.ws, "B", {{"x", 1}});
    EXPECT_EQ(findShown(t), 2u);
    EXPECT_EQ(t.ui.statusText(1), "2 globally duplicated symbols found");
    EXPECT_EQ(t.ui.statusText(2), "Done");
    EXPECT_EQ(t.ui.statusText(3), "");
    EXPECT_EQ(t.ui.progressCaptions,
              (std::vector<std::string>{"Reading data...", "Processing..."}));
    EXPECT_EQ(t.ui.progressTexts.back(), "2 dublicates");

    t.ws.options.UseExcludeGlobalDuplicatesSet = DuplicateKeep::KeepFirst;
    duplicateOptionsChanged(t.ws);
    EXPECT_EQ(findShown(t), 1u);
    EXPECT_EQ(t.ui.statusText(1), "1 globally duplicated symbol found");

    t.ws.library.rows[4].SYMBOL = "Z";
    EXPECT_EQ(findShown(t), 0u);
    EXPECT_EQ(t.ui.statusText(1), "No globally duplicated symbols found");

    const std::size_t texts = t.ui.statusHistory[0].size();
    EXPECT_EQ(findGlobalDuplicates(t.ws).marked, 0u);
    EXPECT_EQ(t.ui.statusHistory[0].size(), texts);
}

TEST(FindGlobalDuplicates, ASwitchedOffSearchSaysSoAndAnEmptyLibraryShowsNothing)
{
    TestWorkspace t;
    t.ws.options.UseStatusBar = true;
    addModule(t.ws, "A", {{"X", 1}});
    addModule(t.ws, "B", {{"X", 1}});
    EXPECT_EQ(findGlobalDuplicates(t.ws), (DuplicateSearch{true, true, 0}));
    EXPECT_TRUE(t.ui.statusHistory[0].empty());
    EXPECT_EQ(findShown(t), 0u);
    EXPECT_EQ(t.ui.statusText(1), kDuplicatesNotChecked);
    EXPECT_EQ(t.ui.statusHistory[1], (std::vector<std::string>{""}));

    TestWorkspace empty;
    empty.ws.options.UseStatusBar = true;
    enable(empty.ws, DuplicateKeep::KeepNone);
    EXPECT_EQ(findShown(empty), 0u);
    EXPECT_TRUE(empty.ui.statusHistory[0].empty());
    EXPECT_EQ(empty.ui.progressStarts, 0);
}

}  // namespace
}  // namespace quillon::maintenance
