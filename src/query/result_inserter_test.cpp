// The inserter puts entries in the list's key order, entries of equal keys in the order they
// came, whichever way it sorts them.
#include "query/result_inserter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

namespace quillon::query {
namespace {

std::vector<QueryResult> madeUpEntries()
{
    // Modules out of name order, in runs and apart, ordinals repeated within a module.
    const std::vector<std::string> modules = {"MOD10", "MOD2", "mod2", "MOD1", "MOD2", "B"};
    std::vector<QueryResult> out;
    std::uint32_t unsorted = 1;
    for (std::size_t m = 0; m < modules.size(); ++m) {
        for (int s = 0; s < 7; ++s) {
            const auto ordinal = static_cast<std::uint16_t>((s * 5 + static_cast<int>(m)) % 4);
            out.push_back(QueryResult{ModuleName(modules[m]), "F" + std::to_string(6 - s),
                                      ordinal, unsorted++, 1});
        }
    }
    return out;
}

TEST(ResultInserter, EveryOrderKeepsEqualKeysInArrivalOrder)
{
    for (const int order : {1, 2, 3}) {
        QueryResultList list;
        list.order = order;
        ResultInserter inserter(list);
        std::vector<QueryResult> expected = madeUpEntries();
        for (const QueryResult& entry : expected)
            ASSERT_TRUE(inserter.add(entry));
        inserter.finish();
        std::stable_sort(expected.begin(), expected.end(),
                         [order](const QueryResult& a, const QueryResult& b) {
                             if (order == 1)
                                 return std::tie(a.MODULENAME, a.SYMBOL) <
                                        std::tie(b.MODULENAME, b.SYMBOL);
                             if (order == 2)
                                 return std::tie(a.MODULENAME, a.ORDINAL) <
                                        std::tie(b.MODULENAME, b.ORDINAL);
                             return std::tie(a.MODULENAME, a.SYMBOL, a.ORDINAL) <
                                    std::tie(b.MODULENAME, b.SYMBOL, b.ORDINAL);
                         });
        EXPECT_EQ(list.rows, expected) << "order " << order;
    }
}

TEST(ResultInserter, MergesIntoAListThatHadEntries)
{
    QueryResultList list;
    list.order = 2;
    list.rows = {QueryResult{ModuleName("MOD1"), "Old", 2, 1, 1}, QueryResult{ModuleName("MOD3"), "Old3", 1, 2, 1}};
    ResultInserter inserter(list);
    EXPECT_FALSE(inserter.add(QueryResult{ModuleName("MOD1"), "Old", 2, 9, 1}));  // already there
    EXPECT_TRUE(inserter.add(QueryResult{ModuleName("MOD2"), "New", 5, 3, 1}));
    EXPECT_TRUE(inserter.add(QueryResult{ModuleName("MOD1"), "New1", 1, 4, 1}));
    inserter.finish();
    std::vector<std::string> names;
    for (const QueryResult& r : list.rows)
        names.push_back(r.MODULENAME.str() + "/" + r.SYMBOL);
    EXPECT_EQ(names, (std::vector<std::string>{"MOD1/New1", "MOD1/Old", "MOD2/New", "MOD3/Old3"}));
}

}  // namespace
}  // namespace quillon::query
