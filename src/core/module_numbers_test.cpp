// Tests of module numbering in libraries of more modules than a 16-bit number holds.
#include "core/module_numbers.h"

#include <gtest/gtest.h>

#include <string>

#include "core/library_model.h"
#include "core/sort_library.h"
#include "support/test_workspace.h"

namespace quillon {
namespace {

constexpr std::uint32_t kManyModules = 65540;  // a few more than 16 bits count

/// A library of `kManyModules` one-symbol modules, all of the name "M", symbol i in module i.
void loadManyModules(Workspace& ws)
{
    for (std::uint32_t i = 1; i <= kManyModules; ++i) {
        appendModuleRow(ws, "M", kOs32);
        appendSymbolRow(ws, "S" + std::to_string(i), 1);
    }
    postProcessLoad(ws, 0, LoadedFile{"/x", true, 0});
}

TEST(ModuleNumbers, ManyModulesKeepTheirOwnNumbersAndSymbolsThroughASort)
{
    testing::TestWorkspace t;
    loadManyModules(t.ws);
    ASSERT_EQ(t.ws.library.modules.size(), kManyModules);
    EXPECT_EQ(t.ws.library.rows.back().MODULENUM, kManyModules);
    EXPECT_EQ(moduleNumberBound(t.ws.library.rows, t.ws.library.modules), kManyModules + 1);

    sortLibrary(t.ws, SortOrder::SymbolNames, false);
    const LibraryList& rows = t.ws.library.rows;
    ASSERT_EQ(rows.size(), 2 * kManyModules);
    // Every module row is still followed by its own single symbol.
    for (std::size_t i = 0; i < rows.size(); i += 2) {
        ASSERT_TRUE(rows[i].isModule()) << i;
        ASSERT_TRUE(rows[i + 1].isSymbol()) << i;
        ASSERT_EQ(rows[i + 1].MODULENUM, rows[i].MODULENUM) << i;
        ASSERT_EQ(rows[i + 1].SYMBOL, "S" + std::to_string(rows[i].MODULENUM)) << i;
    }
}

TEST(ModuleNumbers, SymbolCountOfAModuleIsNotCutTo16Bits)
{
    testing::TestWorkspace t;
    appendModuleRow(t.ws, "BIG", kOs32);
    for (std::uint32_t i = 1; i <= kManyModules; ++i)
        appendSymbolRow(t.ws, "S" + std::to_string(i), static_cast<std::uint16_t>(i % 65535 + 1));
    postProcessLoad(t.ws, 0, LoadedFile{"/x", true, 0});
    ASSERT_EQ(t.ws.library.modules.size(), 1U);
    EXPECT_EQ(t.ws.library.modules[0].FUNCTIONNUM, kManyModules);
}

}  // namespace
}  // namespace quillon
