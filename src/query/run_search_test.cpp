// Tests of the find and the query over the library and the other lists.
#include "query/run_search.h"

#include <gtest/gtest.h>

#include "support/library_builder.h"
#include "support/test_workspace.h"

namespace quillon::query {
namespace {

using testing::addModule;
using testing::TestWorkspace;

/// Rows: 1 ADVAPI32, 2 RegOpenKeyA, 3 RegCloseKey, 4 RegOpenKeyExA, 5 KERNEL32, 6 CloseHandle,
/// 7 OpenFile, 8 NoOrdinal (ordinal 0).
void regLibrary(TestWorkspace& t)
{
    addModule(t.ws, "ADVAPI32", {{"RegOpenKeyA", 1}, {"RegCloseKey", 2}, {"RegOpenKeyExA", 3}});
    addModule(t.ws, "KERNEL32", {{"CloseHandle", 1}, {"OpenFile", 2}, {"NoOrdinal", 0}});
}

SearchOptions options(const std::string& keywords)
{
    SearchOptions o;
    o.SearchString = keywords;
    return o;
}

std::vector<std::string> extracted(const Workspace& ws)
{
    std::vector<std::string> names;
    for (const QueryResult& r : ws.queryResults.rows)
        names.push_back(r.MODULENAME.str() + "/" + r.SYMBOL + "/" + std::to_string(r.ORDINAL) +
                        (r.MARK != 0 ? "*" : ""));
    return names;
}

TEST(RunFind, ForwardFromPositionAndNotFoundCounts)
{
    TestWorkspace t;
    regLibrary(t);
    const LibrarySearchList list(t.ws);
    SearchResult r = runFind(t.ws, options("open"), SearchMode::Library, list, 1);
    EXPECT_EQ(r.result, 2);
    EXPECT_TRUE(r.scannedWholeList);
    r = runFind(t.ws, options("open"), SearchMode::Library, list, 3);
    EXPECT_EQ(r.result, 4);
    EXPECT_FALSE(r.scannedWholeList);
    r = runFind(t.ws, options("zzz"), SearchMode::Library, list, 1);
    EXPECT_EQ(r.result, -8);
    EXPECT_EQ(r.processed, 8u);
    // Module rows are found by their name.
    r = runFind(t.ws, options("kernel"), SearchMode::Library, list, 1);
    EXPECT_EQ(r.result, 5);
}

TEST(RunFind, BackwardFromRowOneOrTwoScansNothing)
{
    TestWorkspace t;
    regLibrary(t);
    const LibrarySearchList list(t.ws);
    SearchOptions o = options("reg");
    o.UseBackwardSearch = true;
    for (std::size_t position : {1u, 2u}) {
        const SearchResult r = runFind(t.ws, o, SearchMode::Library, list, position);
        EXPECT_EQ(r.result, -1);
        EXPECT_EQ(r.processed, 0u);
    }
    // From position 6 (after row 5) backward: rows 4, 3, ... ; row 4 matches.
    EXPECT_EQ(runFind(t.ws, o, SearchMode::Library, list, 6).result, 4);
    EXPECT_EQ(runFind(t.ws, o, SearchMode::Library, list, 4).result, 2);
    // From past the end: the whole list from the last row.
    const SearchResult r = runFind(t.ws, o, SearchMode::Library, list, 10);
    EXPECT_TRUE(r.scannedWholeList);
    EXPECT_EQ(r.result, 4);
}

TEST(RunFind, MarksFoundRowAndSearchesOtherLists)
{
    TestWorkspace t;
    regLibrary(t);
    SearchOptions o = options("closeh");
    o.UseMarkFound = true;
    EXPECT_EQ(runFind(t.ws, o, SearchMode::Library, LibrarySearchList(t.ws), 1).result, 6);
    EXPECT_EQ(t.ws.library.rows[5].MARK, 1);
    EXPECT_EQ(
        runFind(t.ws, options("kern"), SearchMode::ModuleTable, ModuleTableSearchList(t.ws), 1)
            .result,
        2);
    t.ws.queryResults.rows = {{ModuleName("M"), "Alpha", 1, 1, 0},
                              {ModuleName("M"), "Beta", 2, 2, 0}};
    EXPECT_EQ(
        runFind(t.ws, options("bet"), SearchMode::Extracted, ExtractedSearchList(t.ws), 1).result,
        2);
    // A find with AND keywords alone takes every row the AND keywords let through.
    EXPECT_EQ(
        runFind(t.ws, options("+reg +ex"), SearchMode::Library, LibrarySearchList(t.ws), 1).result,
        4);
}

TEST(RunFind, TheModuleTableIsSearchedInTheOrderShownAndReportsTheRowShown)
{
    TestWorkspace t;
    regLibrary(t);
    t.ws.options.UseStatusBar = true;
    const std::size_t entries = t.ws.library.modules.size();
    ASSERT_GE(entries, 2u);
    // The view shows the table backwards.
    std::vector<std::size_t> shown;
    for (std::size_t e = entries; e-- > 0;)
        shown.push_back(e);
    shown.push_back(entries + 3);  // past the table: left out
    const ModuleTableSearchList list(t.ws, shown);
    ASSERT_EQ(list.rowCount(), entries);
    EXPECT_EQ(list.rowText(0), t.ws.library.modules[entries - 1].MODULENAME.view());
    // "kern" is entry 2 of the table (1-based); shown backwards it is row entries - 1.
    const SearchResult r = runFind(t.ws, options("kern"), SearchMode::ModuleTable, list, 1);
    EXPECT_EQ(r.result, static_cast<int>(entries) - 1);
}

TEST(RunQuery, FreshQueryExtractsSymbolsWithOrdinalsInOrderTwo)
{
    TestWorkspace t;
    regLibrary(t);
    t.ws.queryResults.rows = {{ModuleName("OLD"), "Old", 1, 1, 1}};
    t.ws.queryResults.order = 1;
    SearchOptions o = options("open,ordinal,advapi,-ex");
    o.UseMarkFound = true;
    t.ws.library.rows[6].MARK = 1;  // cleared by the query: only matches stay marked
    const SearchResult r = runQuery(t.ws, o);
    EXPECT_EQ(extracted(t.ws),
              (std::vector<std::string>{"ADVAPI32/RegOpenKeyA/1*", "KERNEL32/OpenFile/2*"}));
    EXPECT_EQ(t.ws.queryResults.order, 2);
    EXPECT_EQ(r.extracted, 2u);
    EXPECT_EQ(r.result, 2);
    EXPECT_EQ(r.notRejected, 1u);  // RegOpenKeyExA
    EXPECT_EQ(r.processed, 8u);
    // The module row ADVAPI32 and NoOrdinal match but have no ordinal.
    EXPECT_EQ(r.matches, 4u);
    std::vector<int> marks;
    for (const LibraryRow& row : t.ws.library.rows)
        marks.push_back(row.MARK);
    EXPECT_EQ(marks, (std::vector<int>{0, 1, 0, 0, 0, 0, 1, 0}));
}

TEST(RunQuery, AccumulatingQueryRefusesDuplicatesOfPresentModules)
{
    TestWorkspace t;
    regLibrary(t);
    SearchOptions o = options("regopen");
    ASSERT_EQ(runQuery(t.ws, o).extracted, 2u);
    o.SearchString = "reg";
    o.UseAccumulateQuery = true;
    const SearchResult r = runQuery(t.ws, o);
    EXPECT_EQ(r.extracted, 1u);
    EXPECT_EQ(r.duplicates, 2u);
    EXPECT_EQ(extracted(t.ws),
              (std::vector<std::string>{"ADVAPI32/RegOpenKeyA/1", "ADVAPI32/RegCloseKey/2*",
                                        "ADVAPI32/RegOpenKeyExA/3"}));
    // All plus: no OR keywords; every row passes the OR stage.
    o.SearchString = "+close +e";
    EXPECT_EQ(runQuery(t.ws, o).extracted, 1u);  // CloseHandle; RegCloseKey is a duplicate
}

TEST(RunQuery, AccumulatingKeepsAFunctionThatSharesOnlyItsOrdinalWithAKeptOne)
{
    TestWorkspace t;
    // A second module of the same name, whose functions take ordinals the first one used.
    addModule(t.ws, "KERNEL32", {{"OpenFile", 1}, {"CloseHandle", 2}});
    addModule(t.ws, "KERNEL32", {{"OpenMutex", 1}, {"CloseHandle", 2}});
    SearchOptions o = options("openfile");
    ASSERT_EQ(runQuery(t.ws, o).extracted, 1u);
    ASSERT_EQ(t.ws.queryResults.order, 2);  // module name and ordinal
    o.SearchString = "open,close";
    o.UseAccumulateQuery = true;
    const SearchResult r = runQuery(t.ws, o);
    // OpenFile is there already and CloseHandle @2 comes twice; OpenMutex @1 is new.
    EXPECT_EQ(r.extracted, 2u);
    EXPECT_EQ(r.duplicates, 2u);
    EXPECT_EQ(extracted(t.ws),
              (std::vector<std::string>{"KERNEL32/OpenFile/1", "KERNEL32/OpenMutex/1*",
                                        "KERNEL32/CloseHandle/2*"}));
}

TEST(RunQuery, EscapeLeavesLibraryAndListAsBefore)
{
    TestWorkspace t;
    for (int m = 0; m < 3; ++m) {
        testing::Symbols symbols;
        for (int s = 1; s <= 1500; ++s)
            symbols.emplace_back("Fn" + std::to_string(s), s);
        addModule(t.ws, "M" + std::to_string(m), symbols);
    }
    t.ws.queryResults.rows = {{ModuleName("OLD"), "Old", 1, 1, 1}};
    t.ws.library.rows[3].MARK = 1;
    const QueryResultList listBefore = t.ws.queryResults;
    const LibraryList rowsBefore = t.ws.library.rows;
    SearchOptions o = options("fn");
    o.UseMarkFound = true;
    for (bool accumulate : {false, true}) {
        o.UseAccumulateQuery = accumulate;
        t.ui.keys = {ui::PendingKey::Escape};
        t.clock.now += 100;
        const SearchResult r = runQuery(t.ws, o);
        EXPECT_TRUE(r.cancelled);
        EXPECT_EQ(t.ws.queryResults.rows, listBefore.rows);
        EXPECT_EQ(t.ws.library.rows, rowsBefore);
    }
}

}  // namespace
}  // namespace quillon::query
