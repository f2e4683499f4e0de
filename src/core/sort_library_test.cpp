// Tests of the library sorts: every key list, both directions, stability and the tree shape.
#include "core/sort_library.h"

#include <gtest/gtest.h>

#include "core/library_model.h"
#include "support/test_workspace.h"

namespace quillon {
namespace {

using testing::TestWorkspace;

void load(Workspace& ws, std::string_view module, std::vector<std::pair<std::string, int>> symbols)
{
    const std::size_t first = ws.library.rows.size();
    appendModuleRow(ws, module, kOs32);
    for (const auto& [name, ordinal] : symbols)
        appendSymbolRow(ws, name, static_cast<std::uint16_t>(ordinal));
    postProcessLoad(ws, first, LoadedFile{"/x", true, 0});
}

std::vector<std::string> symbols(const Workspace& ws)
{
    std::vector<std::string> out;
    for (const LibraryRow& r : ws.library.rows)
        out.push_back(r.SYMBOL.str());
    return out;
}

class SortLibraryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        load(t.ws, "ZED", {{"b", 2}, {"a", 3}, {"C", 1}});
        load(t.ws, "ALPHA", {{"y", 9}, {"x", 8}});
        load(t.ws, "ZED", {{"q", 5}});  // a second module of the same name
    }
    TestWorkspace t;
};

TEST_F(SortLibraryTest, SymbolNamesAscendingAndDescending)
{
    sortLibrary(t.ws, SortOrder::SymbolNames, false);
    EXPECT_EQ(symbols(t.ws),
              (std::vector<std::string>{"ALPHA", "x", "y", "ZED", "C", "a", "b", "ZED", "q"}));
    sortLibrary(t.ws, SortOrder::SymbolNames, true);
    EXPECT_EQ(symbols(t.ws),
              (std::vector<std::string>{"ZED", "q", "ZED", "b", "a", "C", "ALPHA", "y", "x"}));
}

TEST_F(SortLibraryTest, OrdinalNumbersAscendingAndDescending)
{
    sortLibrary(t.ws, SortOrder::OrdinalNumbers, false);
    EXPECT_EQ(symbols(t.ws),
              (std::vector<std::string>{"ALPHA", "x", "y", "ZED", "C", "b", "a", "ZED", "q"}));
    sortLibrary(t.ws, SortOrder::OrdinalNumbers, true);
    EXPECT_EQ(symbols(t.ws),
              (std::vector<std::string>{"ZED", "q", "ZED", "a", "b", "C", "ALPHA", "y", "x"}));
}

TEST_F(SortLibraryTest, FileOrderRestoresLoadOrderAndReversesByModule)
{
    const auto loaded = symbols(t.ws);
    sortLibrary(t.ws, SortOrder::SymbolNames, true);
    sortLibrary(t.ws, SortOrder::FileOrder, false);
    EXPECT_EQ(symbols(t.ws), loaded);
    sortLibrary(t.ws, SortOrder::FileOrder, true);
    EXPECT_EQ(symbols(t.ws),
              (std::vector<std::string>{"ZED", "q", "ALPHA", "x", "y", "ZED", "C", "a", "b"}));
    EXPECT_EQ(t.ws.sortOrder, SortOrder::FileOrder);
    EXPECT_TRUE(t.ws.sortDescending);
}

TEST_F(SortLibraryTest, CaseInsensitiveVariantKeepsTreeShape)
{
    t.ws.caseSensitiveSort = false;
    sortLibrary(t.ws, SortOrder::SymbolNames, false);
    EXPECT_EQ(symbols(t.ws),
              (std::vector<std::string>{"ALPHA", "x", "y", "ZED", "a", "b", "C", "ZED", "q"}));
}

TEST(SortLibrary, StableForEqualKeys)
{
    TestWorkspace t;
    load(t.ws, "M", {{"same", 1}, {"same", 1}, {"same", 1}});
    sortLibrary(t.ws, SortOrder::OrdinalNumbers, false);
    EXPECT_EQ(t.ws.library.rows[1].UNSORTED, 2u);
    EXPECT_EQ(t.ws.library.rows[3].UNSORTED, 4u);
    sortLibrary(t.ws, SortOrder::SymbolNames, true);
    EXPECT_EQ(t.ws.library.rows[1].UNSORTED, 2u);
    EXPECT_EQ(t.ws.library.rows[3].UNSORTED, 4u);
}

TEST(SortLibrary, ShowsSortingStatusAndPutsThePreviousTextBack)
{
    TestWorkspace t;
    t.ws.options.UseStatusBar = true;
    t.ui.status(1, "Ready");
    sortLibraryShowingStatus(t.ws, SortOrder::SymbolNames, false);
    EXPECT_EQ(t.ui.statusHistory[0], (std::vector<std::string>{"Ready", "Sorting list...", "Ready"}));
    sortLibrary(t.ws, SortOrder::SymbolNames, false);
    EXPECT_EQ(t.ui.statusHistory[0].size(), 3u);
}

}  // namespace
}  // namespace quillon
