// Tests of the global duplicate search: groups, keep modes, marks, hooks and the saved LIB.
#include "maintenance/global_duplicates.h"

#include <gtest/gtest.h>

#include "support/library_builder.h"
#include "support/test_workspace.h"

namespace quillon::maintenance {
namespace {

using testing::addModule;
using testing::excludeMarks;
using testing::TestWorkspace;

void enable(Workspace& ws, int mode)
{
    ws.options.UseExcludeList = 1;
    ws.options.UseExcludeGlobalDuplicates = 1;
    ws.options.UseExcludeGlobalDuplicatesSet = mode;
}

TEST(FindGlobalDuplicates, NamesDifferingInCaseFormOneGroupAndModeOneKeepsTheFirst)
{
    TestWorkspace t;
    enable(t.ws, 1);
    addModule(t.ws, "A", {{"WinMain", 1}, {"Alpha", 2}});
    addModule(t.ws, "B", {{"Beta", 1}, {"WINMAIN", 2}});
    EXPECT_EQ(findGlobalDuplicates(t.ws, false), 1u);
    EXPECT_EQ(excludeMarks(t.ws), (std::vector<int>{0, 0, 0, 2, 0, 2}));
    EXPECT_EQ(t.ws.library.rows[5].ICON, 112);
}

TEST(FindGlobalDuplicates, ModeZeroMarksEveryOccurrence)
{
    TestWorkspace t;
    enable(t.ws, 0);
    addModule(t.ws, "A", {{"Dup", 1}});
    addModule(t.ws, "B", {{"dup", 1}, {"Own", 2}});
    addModule(t.ws, "C", {{"DUP", 1}});
    EXPECT_EQ(findGlobalDuplicates(t.ws, false), 3u);
    EXPECT_EQ(excludeMarks(t.ws), (std::vector<int>{2, 2, 2, 2, 0, 2, 2}));
}

TEST(FindGlobalDuplicates, AnExcludedSymbolIsNeitherCountedNorKept)
{
    TestWorkspace t;
    enable(t.ws, 1);
    addModule(t.ws, "A", {{"Entry", 1}});
    addModule(t.ws, "B", {{"Entry", 1}});
    addModule(t.ws, "C", {{"ENTRY", 7}});
    t.ws.library.rows[1].EXCLUDE = kExcludeListed;
    t.ws.library.rows[0].EXCLUDE = kExcludeModule3;
    EXPECT_EQ(findGlobalDuplicates(t.ws, false), 2u);
    // The module holding the excluded symbol keeps its own mark 3.
    EXPECT_EQ(excludeMarks(t.ws), (std::vector<int>{3, 1, 2, 2, 2, 2}));
}

TEST(FindGlobalDuplicates, TrailingBlanksDoNotCount)
{
    TestWorkspace t;
    enable(t.ws, 1);
    addModule(t.ws, "A", {{"Name", 1}});
    addModule(t.ws, "B", {{"NAME  ", 1}});
    EXPECT_EQ(findGlobalDuplicates(t.ws, false), 1u);
    EXPECT_EQ(t.ws.library.rows[3].EXCLUDE, kExcludeDuplicate);
}

TEST(FindGlobalDuplicates, ClearsEveryHookAndEarlierDuplicateMarks)
{
    TestWorkspace t;
    enable(t.ws, 1);
    addModule(t.ws, "A", {{"One", 1}, {"Two", 2}});
    addModule(t.ws, "B", {{"Three", 1}});
    for (LibraryRow& row : t.ws.library.rows)
        row.MARK = 1;
    t.ws.library.rows[2].EXCLUDE = kExcludeDuplicate;
    t.ws.library.rows[3].EXCLUDE = kExcludeDuplicate;
    EXPECT_EQ(findGlobalDuplicates(t.ws, false), 0u);
    for (const LibraryRow& row : t.ws.library.rows) {
        EXPECT_EQ(row.MARK, 0);
        EXPECT_EQ(row.EXCLUDE, 0);
    }
    EXPECT_EQ(t.ws.library.rows[0].ICON, 5);
}

TEST(FindGlobalDuplicates, DisabledSearchOnlyClearsMarks)
{
    TestWorkspace t;
    t.ws.options.UseExcludeGlobalDuplicates = 1;  // the master switch is off
    addModule(t.ws, "A", {{"X", 1}});
    addModule(t.ws, "B", {{"X", 1}});
    t.ws.library.rows[1].EXCLUDE = kExcludeDuplicate;
    EXPECT_EQ(findGlobalDuplicates(t.ws, false), 0u);
    EXPECT_EQ(excludeMarks(t.ws), (std::vector<int>{0, 0, 0, 0}));
    TestWorkspace empty;
    EXPECT_EQ(findGlobalDuplicates(empty.ws, false), 0u);
}

TEST(FindGlobalDuplicates, ModeIsDerivedOnceUntilTheOptionsChange)
{
    TestWorkspace t;
    enable(t.ws, 1);
    addModule(t.ws, "A", {{"X", 1}});
    addModule(t.ws, "B", {{"X", 1}});
    EXPECT_EQ(findGlobalDuplicates(t.ws, false), 1u);
    t.ws.options.UseExcludeGlobalDuplicatesSet = 0;
    EXPECT_EQ(findGlobalDuplicates(t.ws, false), 1u);
    duplicateOptionsChanged(t.ws);
    EXPECT_EQ(findGlobalDuplicates(t.ws, false), 2u);
    t.ws.options.UseExcludeGlobalDuplicatesSet = 9;  // out of range means keep none
    duplicateOptionsChanged(t.ws);
    EXPECT_EQ(findGlobalDuplicates(t.ws, false), 2u);
    EXPECT_EQ(t.ws.duplicateMode.mode, 0);
}

TEST(FindGlobalDuplicates, SavedLibModesOnAnUnchangedLibraryActAsModesZeroAndOne)
{
    for (const auto& [mode, expected] : {std::pair{2, 2u}, std::pair{3, 1u}}) {
        TestWorkspace t;
        enable(t.ws, mode);
        addModule(t.ws, "A", {{"X", 1}}, kOs32, "/libs/SAVED.LIB");
        addModule(t.ws, "B", {{"X", 1}}, kOs32, "/libs/SAVED.LIB");
        t.ws.library.LibraryChanged = false;
        EXPECT_EQ(findGlobalDuplicates(t.ws, false), expected) << "mode " << mode;
        // The mode itself is kept for the next search.
        EXPECT_EQ(t.ws.duplicateMode.mode, mode);
        EXPECT_EQ(t.ws.SavedLibName, "A very unlikely name for your library");
    }
}

TEST(FindGlobalDuplicates, ReportsInTheStatusBarWithProgressShown)
{
    TestWorkspace t;
    enable(t.ws, 0);
    t.ws.options.UseStatusBar = 1;
    addModule(t.ws, "A", {{"X", 1}, {"Y", 2}});
    addModule(t.ws, "B", {{"x", 1}});
    EXPECT_EQ(findGlobalDuplicates(t.ws, true), 2u);
    EXPECT_EQ(t.ui.statusText(1), "2 globally duplicated symbols found");
    EXPECT_EQ(t.ui.statusText(2), "Done");
    EXPECT_EQ(t.ui.statusText(3), "");
    EXPECT_EQ(t.ui.progressCaptions, (std::vector<std::string>{"Reading data...", "Processing..."}));
    EXPECT_EQ(t.ui.progressTexts.back(), "2 dublicates");

    t.ws.options.UseExcludeGlobalDuplicatesSet = 1;
    duplicateOptionsChanged(t.ws);
    EXPECT_EQ(findGlobalDuplicates(t.ws, true), 1u);
    EXPECT_EQ(t.ui.statusText(1), "1 globally duplicated symbol found");

    t.ws.library.rows[4].SYMBOL = "Z";
    EXPECT_EQ(findGlobalDuplicates(t.ws, true), 0u);
    EXPECT_EQ(t.ui.statusText(1), "No globally duplicated symbols found");

    const std::size_t texts = t.ui.statusHistory[0].size();
    EXPECT_EQ(findGlobalDuplicates(t.ws, false), 0u);
    EXPECT_EQ(t.ui.statusHistory[0].size(), texts);
}

}  // namespace
}  // namespace quillon::maintenance

namespace quillon::maintenance {
namespace {

/// A library read from SAVED.LIB with modules A and B exporting X, then changed by adding C,
/// which exports X too.
struct SavedLibFixture {
    TestWorkspace t;
    std::string libPath;

    explicit SavedLibFixture(int mode)
    {
        enable(t.ws, mode);
        libPath = t.folder.write("SAVED.LIB", "placeholder");
        addModule(t.ws, "A", {{"X", 1}, {"Y", 2}}, kOs32, libPath);
        addModule(t.ws, "B", {{"X", 1}}, kOs32, libPath);
        t.ws.library.LibraryFileName = libPath;
        addModule(t.ws, "C", {{"x", 4}});
        t.ws.library.LibraryChanged = true;
    }
};

SavedLibReader readerOf(std::vector<std::pair<std::string, std::string>> symbols, int* calls)
{
    return [symbols, calls](Workspace& ws) -> Status {
        ++*calls;
        for (const auto& [module, symbol] : symbols) {
            SavedLibSymbol row;
            row.MODULENAME.assign(module);
            row.TREELEVEL = kLevelSymbol;
            row.SYMBOL = symbol;
            row.SYMBOLUPPER = upperCase(symbol);
            ws.SavedLibSymbols.push_back(row);
        }
        return {};
    };
}

TEST(FindGlobalDuplicatesSavedLib, ModeTwoKeepsTheOccurrenceTheSavedLibHolds)
{
    SavedLibFixture f(2);
    int calls = 0;
    const SavedLibReader reader = readerOf({{"B", "Z"}, {"A", "X"}}, &calls);
    EXPECT_EQ(findGlobalDuplicates(f.t.ws, false, reader), 2u);
    EXPECT_EQ(excludeMarks(f.t.ws), (std::vector<int>{0, 0, 0, 2, 2, 2, 2}));
    EXPECT_TRUE(f.t.ws.SavedLibLoaded);
    EXPECT_EQ(f.t.ws.SavedLibName, f.libPath);
    // The cache is sorted by module and name and read only once for the same file.
    EXPECT_EQ(f.t.ws.SavedLibSymbols.front().MODULENAME.view(), "A");
    EXPECT_EQ(findGlobalDuplicates(f.t.ws, false, reader), 2u);
    EXPECT_EQ(calls, 1);
}

TEST(FindGlobalDuplicatesSavedLib, ModeTwoMarksAllWhenTheFirstIsNotInTheSavedLib)
{
    SavedLibFixture f(2);
    int calls = 0;
    EXPECT_EQ(findGlobalDuplicates(f.t.ws, false, readerOf({{"B", "X"}}, &calls)), 3u);
}

TEST(FindGlobalDuplicatesSavedLib, ModeThreeFallsBackToTheFirstEntry)
{
    SavedLibFixture f(3);
    int calls = 0;
    EXPECT_EQ(findGlobalDuplicates(f.t.ws, false, readerOf({{"B", "X"}}, &calls)), 2u);
    EXPECT_EQ(excludeMarks(f.t.ws), (std::vector<int>{0, 0, 0, 2, 2, 2, 2}));
}

TEST(FindGlobalDuplicatesSavedLib, AnEmptySavedLibLowersTheModeForThisSearchOnly)
{
    SavedLibFixture f(3);
    int calls = 0;
    EXPECT_EQ(findGlobalDuplicates(f.t.ws, false, readerOf({}, &calls)), 2u);
    EXPECT_EQ(f.t.ws.SavedLibName, "A very unlikely name for your library");
    EXPECT_FALSE(f.t.ws.SavedLibLoaded);
    // The next search tries the file again.
    EXPECT_EQ(findGlobalDuplicates(f.t.ws, false, readerOf({{"A", "X"}}, &calls)), 2u);
    EXPECT_EQ(calls, 2);
    EXPECT_TRUE(f.t.ws.SavedLibLoaded);
}

}  // namespace
}  // namespace quillon::maintenance
