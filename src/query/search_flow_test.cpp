// Tests of the checks before a search, the find and query reports, and the stored options.
#include "query/search_flow.h"

#include <gtest/gtest.h>

#include "base/text_encoding.h"
#include "query/query_messages.h"
#include "support/library_builder.h"
#include "support/test_workspace.h"

namespace quillon::query {
namespace {

using testing::addModule;
using testing::TestWorkspace;

const std::string kRule = "    " + std::string(40, '_');

void regLibrary(TestWorkspace& t)
{
    t.ws.options.UseStatusBar = true;
    addModule(t.ws, "ADVAPI32", {{"RegOpenKeyA", 1}, {"RegCloseKey", 2}, {"RegOpenKeyExA", 3}});
    addModule(t.ws, "KERNEL32", {{"CloseHandle", 1}, {"OpenFile", 2}});
}

SearchOptions options(const std::string& keywords)
{
    SearchOptions o;
    o.SearchString = keywords;
    return o;
}

TEST(CheckBeforeStart, QueryRefusesMoreThan1024Modules)
{
    TestWorkspace t;
    for (int m = 0; m < 1025; ++m)
        addModule(t.ws, "M" + std::to_string(m), {{"F", 1}});
    SearchOptions o = options("f");
    EXPECT_EQ(checkBeforeStart(t.ws, SearchMode::Query, o), StartDecision::BackToDialog);
    ASSERT_EQ(t.ui.messages.size(), 1u);
    EXPECT_EQ(t.ui.messages[0].title, "CLARION QUILLON 32 - Max modules exceeded!");
    EXPECT_EQ(t.ui.messages[0].icon, ui::MessageIcon::Hand);
    // Finding is not limited.
    EXPECT_EQ(checkBeforeStart(t.ws, SearchMode::Library, o), StartDecision::Start);
    // Large-library warning with accumulation: Reset, Ignore, Abort.
    t.ws.library.modules.resize(301);
    o.UseAccumulateQuery = true;
    t.ui.answers = {kResetButton, kIgnoreButton, 3};
    EXPECT_EQ(checkBeforeStart(t.ws, SearchMode::Query, o), StartDecision::Start);
    EXPECT_FALSE(o.UseAccumulateQuery);
    o.UseAccumulateQuery = true;
    EXPECT_EQ(checkBeforeStart(t.ws, SearchMode::Query, o), StartDecision::Start);
    EXPECT_TRUE(o.UseAccumulateQuery);
    EXPECT_EQ(checkBeforeStart(t.ws, SearchMode::Query, o), StartDecision::BackToDialog);
    EXPECT_EQ(t.ui.messages.back().title, "CLARION QUILLON 32 - Warning!");
    EXPECT_EQ(t.ui.messages.back().text.substr(0, 40), "   With very large libraries the query p");
}

TEST(CheckBeforeStart, MultipleKeywordQuestion)
{
    TestWorkspace t;
    SearchOptions o = options("reg,open");
    o.UseMultiSearch = false;
    t.ui.answers = {kSetOptionButton};
    EXPECT_EQ(checkBeforeStart(t.ws, SearchMode::Library, o), StartDecision::Start);
    EXPECT_TRUE(o.UseMultiSearch);
    EXPECT_EQ(t.ui.messages.back().buttons, "&Set option|&Ignore|&Abort");
    o.UseMultiSearch = false;
    t.ui.answers = {3};
    EXPECT_EQ(checkBeforeStart(t.ws, SearchMode::Library, o), StartDecision::BackToDialog);
    t.ws.options.UseNoMessages = true;
    EXPECT_EQ(checkBeforeStart(t.ws, SearchMode::Library, o), StartDecision::Start);
    EXPECT_EQ(t.ui.messages.size(), 2u);
}

TEST(FindInList, BottomReachedContinuesFromTopOrStops)
{
    TestWorkspace t;
    regLibrary(t);
    const LibrarySearchList list(t.ws);
    const SearchOptions o = options("advapi");
    t.ui.answers = {1};
    EXPECT_EQ(findInList(t.ws, o, SearchMode::Library, list, 3), std::optional<std::size_t>(0));
    EXPECT_EQ(t.ui.messages[0].title, "CLARION QUILLON 32 - Bottom reached!");
    EXPECT_EQ(t.ui.statusText(1), "Keyword found in row #1");
    t.ui.answers = {2};
    EXPECT_EQ(findInList(t.ws, o, SearchMode::Library, list, 3), std::nullopt);
    EXPECT_EQ(t.ui.statusText(1), "Bottom reached - ");
    EXPECT_EQ(t.ui.messages.size(), 2u);
    // Messages suppressed: no question, the status tells both.
    t.ws.options.UseNoMessages = true;
    EXPECT_EQ(findInList(t.ws, o, SearchMode::Library, list, 3), std::nullopt);
    EXPECT_EQ(t.ui.statusText(1), "Bottom reached -  keyword not found");
    EXPECT_EQ(t.ui.messages.size(), 2u);
}

TEST(FindInList, TopReachedAndNoMatches)
{
    TestWorkspace t;
    regLibrary(t);
    const LibrarySearchList list(t.ws);
    SearchOptions o = options("zz yy");
    o.UseBackwardSearch = true;
    t.ui.answers = {1};
    EXPECT_EQ(findInList(t.ws, o, SearchMode::Library, list, 2), std::nullopt);
    ASSERT_EQ(t.ui.messages.size(), 2u);
    EXPECT_EQ(t.ui.messages[0].title, "CLARION QUILLON 32 - Top reached!");
    EXPECT_EQ(t.ui.messages[1].title, "CLARION QUILLON 32 - No matches found!");
    EXPECT_EQ(t.ui.messages[1].text,
              "    No matches to the keywords!|    Entered keyword: <Multiple>"
              "|    Number of \"OR\"  keywords: 2|    Case sensitive: No|    Option: Containing|" +
                  kRule + "|" + std::string(80, kNonBreakingSpace));
    EXPECT_EQ(t.ui.statusText(1), "None of the keywords was found");
    // The found row from the bottom.
    o.SearchString = "close";
    t.ui.answers = {1};
    EXPECT_EQ(findInList(t.ws, o, SearchMode::Library, list, 2), std::optional<std::size_t>(5));
}

TEST(FindInList, KeywordLimitMessageComesBeforeEachScan)
{
    TestWorkspace t;
    regLibrary(t);
    const LibrarySearchList list(t.ws);
    const SearchOptions o = options("z1 z2 z3 z4 z5 z6 z7 z8 z9 z10 z11");
    t.ui.answers = {1, 1};
    EXPECT_EQ(findInList(t.ws, o, SearchMode::Library, list, 3), std::nullopt);
    std::vector<std::string> titles;
    for (const ui::MessageBox& box : t.ui.messages)
        titles.push_back(box.title);
    EXPECT_EQ(titles, (std::vector<std::string>{"CLARION QUILLON 32 - Max keywords exceeded! ",
                                                "CLARION QUILLON 32 - Bottom reached!",
                                                "CLARION QUILLON 32 - Max keywords exceeded! ",
                                                "CLARION QUILLON 32 - No matches found!"}));
    // The engine itself shows nothing: it cuts the keywords and says so in its result.
    const SearchResult r = runFind(t.ws, o, SearchMode::Library, list, 1);
    EXPECT_TRUE(r.keywords.limitExceeded);
    EXPECT_EQ(t.ui.messages.size(), 4u);
}

TEST(QueryLibrary, ResultBoxAndStatus)
{
    TestWorkspace t;
    regLibrary(t);
    SearchOptions o = options("reg -ex");
    o.UseAccumulateQuery = true;
    const SearchResult r = queryLibrary(t.ws, o);
    EXPECT_EQ(r.extracted, 2u);
    EXPECT_EQ(t.ui.statusText(1), "2 functions extraced");
    ASSERT_EQ(t.ui.messages.size(), 1u);
    EXPECT_EQ(t.ui.messages[0].title, "CLARION QUILLON 32 - Query search result");
    EXPECT_EQ(t.ui.messages[0].text,
              kRule +
                  "|    QUERY RESULT|    Number of items extraced: 2"
                  "|    Total number of items in list: 2|    Entered keyword: <Multiple>"
                  "|    Number of \"OR\"  keywords: 1|    Number of \"NOT\" keywords: 1"
                  "|    Case sensitive: No|    Option: Containing"
                  "|    Accumulate/exclude duplicates: Yes"
                  "|    Process time: Less than 1/100 second|    Number of items processed: 5"
                  "|    Items excluded: 1|" +
                  kRule + "|" + std::string(80, kNonBreakingSpace));
    (void)queryLibrary(t.ws, o);
    EXPECT_EQ(t.ui.messages[1].title, "CLARION QUILLON 32 - No new items extraced!");
    EXPECT_NE(t.ui.messages[1].text.find("|    Number of duplicates found: 2|"), std::string::npos);
    EXPECT_EQ(t.ui.statusText(1), "No functions extraced");
}

TEST(QueryLibrary, KeywordLimitMessage)
{
    TestWorkspace t;
    regLibrary(t);
    t.ws.options.UseNoMessages = true;
    (void)queryLibrary(t.ws, options("a b c d e f g h i j k"));
    ASSERT_EQ(t.ui.messages.size(), 1u);
    EXPECT_EQ(t.ui.messages[0],
              (ui::MessageBox{"CLARION QUILLON 32 - Max keywords exceeded! ",
                              "   Max number of keywords per search session|   is 10|" +
                                  std::string(75, kNonBreakingSpace) +
                                  "|   Search session will be performed with the 10"
                                  "|   first entered keywords.",
                              ui::MessageIcon::Exclamation}));
}

TEST(StoreSearchOptions, SectionsAndCaseSensitiveHistory)
{
    TestWorkspace t;
    SearchOptions o = options("Reg");
    o.UseMarkFound = true;
    o.SearchOption = MatchOption::EndingWith;
    storeSearchOptions(t.ws, SearchMode::Query, o, "");
    EXPECT_EQ(readSearchOptions(t.ws, SearchMode::Query), o);
    EXPECT_EQ(readSearchOptions(t.ws, SearchMode::Library), SearchOptions{});
    EXPECT_FALSE(t.ws.options.UseMarkFound);
    o.SearchString = "REG";
    storeSearchOptions(t.ws, SearchMode::Query, o, "Reg");
    o.SearchString = "reg";
    storeSearchOptions(t.ws, SearchMode::Query, o, "REG");
    o.SearchString = "Reg";
    storeSearchOptions(t.ws, SearchMode::Query, o, "reg");
    EXPECT_EQ(readKeywordHistory(t.ws, SearchMode::Query),
              (std::vector<std::string>{"reg", "REG", "Reg"}));
    storeSearchOptions(t.ws, SearchMode::Library, o, "");
    EXPECT_TRUE(t.ws.options.UseMarkFound);
    EXPECT_EQ(readKeywordHistory(t.ws, SearchMode::Library), (std::vector<std::string>{"Reg"}));
}

}  // namespace
}  // namespace quillon::query
