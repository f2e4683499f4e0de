// In-place edits of the extracted functions: the library list's checks over the list's own
// fields.
#include "maintenance/list_entry_edit.h"

#include <gtest/gtest.h>

#include "support/test_workspace.h"

namespace quillon::maintenance {
namespace {

class ListEntryEdit : public ::testing::Test {
protected:
    void SetUp() override
    {
        ws.options.UseStatusBar = true;
        for (const auto& [name, ordinal] : {std::pair{"Beta", 2}, std::pair{"Alpha", 7}}) {
            QueryResult r;
            r.MODULENAME.assign("MOD1");
            r.SYMBOL = name;
            r.ORDINAL = static_cast<std::uint16_t>(ordinal);
            r.UNSORTED = static_cast<std::uint32_t>(ordinal);
            ws.queryResults.rows.push_back(r);
        }
    }
    testing::TestWorkspace t;
    Workspace& ws = t.ws;
};

TEST_F(ListEntryEdit, ExtractedFunctionsTakeANameAndAnOrdinalInTheirRowAndKeepTheirOrder)
{
    EXPECT_TRUE(commitExtractedEdit(ws, 0, EditField::Name, "Zeta  "));
    EXPECT_TRUE(commitExtractedEdit(ws, 0, EditField::Ordinal, "300"));
    const QueryResult& edited = ws.queryResults.rows[0];
    EXPECT_EQ(edited.SYMBOL, "Zeta");
    EXPECT_EQ(edited.ORDINAL, 300);
    EXPECT_EQ(edited.MODULENAME, ModuleName("MOD1"));
    EXPECT_EQ(edited.UNSORTED, 2u);
    EXPECT_EQ(ws.queryResults.rows[1].SYMBOL, "Alpha");
    EXPECT_FALSE(ws.library.LibraryChanged);  // the library is not touched
    EXPECT_TRUE(t.ui.messages.empty());
}

TEST_F(ListEntryEdit, RefusedEditsAreReportedAsInTheLibraryListAndLeaveTheEntry)
{
    const std::vector<QueryResult> before = ws.queryResults.rows;
    EXPECT_FALSE(commitExtractedEdit(ws, 1, EditField::Name, "   "));
    EXPECT_EQ(t.ui.statusText(1), "Name cannot be blank!");
    EXPECT_FALSE(commitExtractedEdit(ws, 1, EditField::Ordinal, "0"));
    EXPECT_FALSE(commitExtractedEdit(ws, 1, EditField::Ordinal, "65536"));
    EXPECT_EQ(t.ui.statusText(1), "Ordinal number too large!");
    EXPECT_FALSE(commitExtractedEdit(ws, 1, EditField::Ordinal, "7x"));
    EXPECT_EQ(t.ui.statusText(1), "Ordinal number must be a number!");
    EXPECT_FALSE(commitExtractedEdit(ws, 1, EditField::Name, std::string(255, 's')));
    EXPECT_FALSE(commitExtractedEdit(ws, 5, EditField::Name, "Gone"));
    EXPECT_EQ(ws.queryResults.rows, before);
    ASSERT_EQ(t.ui.messages.size(), 5u);
    EXPECT_EQ(t.ui.messages[0].title, "CLARION QUILLON 32 - Edit error!");
    EXPECT_EQ(t.ui.messages[1].text.substr(0, 47), "    Ordinal number must have a positive value!|");
}

}  // namespace
}  // namespace quillon::maintenance
