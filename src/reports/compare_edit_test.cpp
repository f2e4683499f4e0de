// In-place edits of the disk-compare list.
#include "reports/compare_edit.h"

#include <gtest/gtest.h>

#include "reports/compare_state.h"
#include "support/test_workspace.h"

namespace quillon::reports {
namespace {

TEST(CompareEdit, ARowTakesANameAndAnOrdinalAndKeepsItsMarkers)
{
    testing::TestWorkspace t;
    Workspace& ws = t.ws;
    ws.options.UseStatusBar = true;
    CompareRow row;
    row.MODULENAME.assign("MOD1");
    row.SYMBOL = "Alpha";
    row.ORDINAL = 4;
    row.COMMENT = "<Missing in library>";
    row.UNSORTED = 1;
    compareState(ws).last.rows = {row};
    EXPECT_TRUE(commitCompareEdit(ws, 0, maintenance::EditField::Name, "AlphaEx"));
    EXPECT_TRUE(commitCompareEdit(ws, 0, maintenance::EditField::Ordinal, "44"));
    CompareRow expected = row;
    expected.SYMBOL = "AlphaEx";
    expected.ORDINAL = 44;
    EXPECT_EQ(compareState(ws).last.rows, CompareList{expected});
    EXPECT_FALSE(commitCompareEdit(ws, 0, maintenance::EditField::Ordinal, "0"));
    EXPECT_FALSE(commitCompareEdit(ws, 1, maintenance::EditField::Name, "x"));
    EXPECT_EQ(compareState(ws).last.rows, CompareList{expected});
    ASSERT_EQ(t.ui.messages.size(), 1u);
    EXPECT_EQ(t.ui.messages[0].title, "CLARION QUILLON 32 - Edit error!");
}

}  // namespace
}  // namespace quillon::reports
