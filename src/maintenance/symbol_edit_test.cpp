// Editing names, ordinals and module names, and inserting symbols.
#include "maintenance/symbol_edit.h"

#include <gtest/gtest.h>

#include "base/text_encoding.h"
#include "core/exclude_list.h"
#include "core/library_model.h"
#include "support/test_workspace.h"

namespace quillon::maintenance {
namespace {

// Module A (2 symbols), B (2), C (10 symbols: c1..c10), D (1).
void addModules(Workspace& ws)
{
    appendModuleRow(ws, "A", kOs32);
    appendSymbolRow(ws, "a1", 1);
    appendSymbolRow(ws, "a2", 2);
    appendModuleRow(ws, "B", kOs32);
    appendSymbolRow(ws, "b1", 1);
    appendSymbolRow(ws, "b2", 2);
    appendModuleRow(ws, "C", kOs32);
    for (int i = 1; i <= 10; ++i)
        appendSymbolRow(ws, "c" + std::to_string(i), static_cast<std::uint16_t>(i));
    appendModuleRow(ws, "D", kOs32);
    appendSymbolRow(ws, "d1", 4);
    postProcessLoad(ws, 0, {"/x/a.lib", false, 0});
}

class SymbolEdit : public ::testing::Test {
protected:
    void SetUp() override
    {
        addModules(ws);
        ws.library.LibraryChanged = false;
        ws.options.UseStatusBar = true;
    }
    testing::TestWorkspace t;
    Workspace& ws = t.ws;
};

TEST_F(SymbolEdit, BlankNameInPlaceIsRefusedAndTheOldNameStays)
{
    const LibraryRow before = ws.library.rows[1];
    EXPECT_FALSE(commitInPlaceEdit(ws, 1, EditField::Name, "   "));
    EXPECT_EQ(ws.library.rows[1], before);
    EXPECT_FALSE(ws.library.LibraryChanged);
    EXPECT_EQ(t.ui.statusText(1), "Name cannot be blank!");
    ASSERT_EQ(t.ui.messages.size(), 1u);
    EXPECT_EQ(t.ui.messages[0].title, "CLARION QUILLON 32 - Edit error!");
    EXPECT_EQ(t.ui.messages[0].text,
              "    Name can not be blank!|    The entered data was not saved.|    (To delete the "
              "entry use the Delete-key).|    " +
                  std::string(75, kNonBreakingSpace));
}

TEST_F(SymbolEdit, OrdinalZeroOnASymbolRowIsRefusedWithTheBoxOnlyInPlace)
{
    EXPECT_FALSE(commitInPlaceEdit(ws, 2, EditField::Ordinal, "0"));
    EXPECT_EQ(ws.library.rows[2].ORDINAL, 2);
    EXPECT_EQ(t.ui.statusText(1), "");
    ASSERT_EQ(t.ui.messages.size(), 1u);
    EXPECT_EQ(t.ui.messages[0].text.substr(0, 50),
              "    Ordinal number must have a positive value!|   ");
    // The dialog also shows the status text; messages can be suppressed.
    ws.options.UseNoMessages = true;
    EXPECT_EQ(commitSymbolEdit(ws, 2, "a2", "", false), std::nullopt);
    EXPECT_EQ(t.ui.statusText(1), "Ordinal number must be positive!");
    EXPECT_EQ(t.ui.messages.size(), 1u);
}

TEST_F(SymbolEdit, OrdinalsAboveTheFieldAndNamesLongerThanTheirFieldAreRefused)
{
    EXPECT_EQ(parseOrdinalText("65535"), 65535u);
    EXPECT_EQ(parseOrdinalText("99999999999999999999"), 65536u);
    EXPECT_EQ(parseOrdinalText(" "), 0u);
    EXPECT_EQ(parseOrdinalText("12a"), std::nullopt);
    EXPECT_FALSE(commitInPlaceEdit(ws, 1, EditField::Ordinal, "65536"));
    EXPECT_EQ(ws.library.rows[1].ORDINAL, 1);
    EXPECT_EQ(t.ui.statusText(1), "Ordinal number too large!");
    EXPECT_FALSE(commitInPlaceEdit(ws, 0, EditField::Name, std::string(255, 'M')));
    EXPECT_EQ(ws.library.rows[0].SYMBOL, "A");
    // A module name is as long as a symbol name may be.
    EXPECT_TRUE(commitInPlaceEdit(ws, 0, EditField::Name, "windows.devices.enumeration.dll"));
    EXPECT_EQ(ws.library.rows[0].MODULENAME.view(), "windows.devices.enumeration.dll");
    EXPECT_FALSE(commitInPlaceEdit(ws, 1, EditField::Name, std::string(255, 's')));
    EXPECT_TRUE(commitInPlaceEdit(ws, 1, EditField::Name, std::string(254, 's') + "  "));
    EXPECT_EQ(ws.library.rows[1].SYMBOL.size(), 254u);
    EXPECT_FALSE(commitInPlaceEdit(ws, 0, EditField::Ordinal, "5"));  // a module has none
}

TEST_F(SymbolEdit, StoringANameAndOrdinalSetsTheChangeFlag)
{
    EXPECT_TRUE(commitInPlaceEdit(ws, 2, EditField::Ordinal, "300"));
    EXPECT_TRUE(commitInPlaceEdit(ws, 2, EditField::Name, "Renamed"));
    EXPECT_EQ(ws.library.rows[2].ORDINAL, 300);
    EXPECT_EQ(ws.library.rows[2].SYMBOL, "Renamed");
    EXPECT_EQ(ordinalHexText(ws.library.rows[2].ORDINAL), "012C");
    EXPECT_TRUE(ws.library.LibraryChanged);
    EXPECT_TRUE(t.ui.messages.empty());
}

TEST_F(SymbolEdit, RenamingModuleThreeCarriesIntoItsRowsAndModuleTable)
{
    const std::size_t moduleRow = 6;
    ASSERT_EQ(ws.library.rows[moduleRow].MODULENUM, 3);
    EXPECT_TRUE(commitInPlaceEdit(ws, moduleRow, EditField::Name, "NEWNAME"));
    for (std::size_t i = moduleRow; i <= moduleRow + 10; ++i)
        EXPECT_EQ(ws.library.rows[i].MODULENAME, ModuleName("NEWNAME")) << i;
    EXPECT_EQ(ws.library.rows[moduleRow].SYMBOL, "NEWNAME");
    EXPECT_EQ(ws.library.rows[moduleRow + 11].MODULENAME, ModuleName("D"));
    EXPECT_EQ(ws.library.modules[2].MODULENAME, ModuleName("NEWNAME"));
    EXPECT_EQ(ws.library.modules[1].MODULENAME, ModuleName("B"));
}

TEST_F(SymbolEdit, InsertingIntoAModuleOfTenShiftsFileOrder)
{
    ASSERT_EQ(ws.library.modules[2].FUNCTIONNUM, 10);
    const std::uint32_t symbols = ws.library.SymbolCount;
    std::vector<std::uint32_t> before;
    for (const LibraryRow& row : ws.library.rows)
        before.push_back(row.UNSORTED);
    // Row 9 is c3; the new symbol takes its place.
    const auto row = commitSymbolEdit(ws, 9, "NewFunc", "77", true);
    ASSERT_EQ(row, 9u);
    const LibraryRow& inserted = ws.library.rows[9];
    EXPECT_EQ(inserted.SYMBOL, "NewFunc");
    EXPECT_EQ(inserted.ORDINAL, 77);
    EXPECT_EQ(inserted.MODULENAME, ModuleName("C"));
    EXPECT_EQ(inserted.MODULENUM, 3);
    EXPECT_TRUE(inserted.isSymbol());
    EXPECT_EQ(inserted.UNSORTED, before[9]);
    EXPECT_EQ(ws.library.modules[2].FUNCTIONNUM, 11);
    EXPECT_EQ(ws.library.SymbolCount, symbols + 1);
    for (std::size_t i = 0; i < 9; ++i)
        EXPECT_EQ(ws.library.rows[i].UNSORTED, before[i]);
    for (std::size_t i = 9; i < before.size(); ++i)
        EXPECT_EQ(ws.library.rows[i + 1].UNSORTED, before[i] + 1);
    EXPECT_TRUE(ws.library.LibraryChanged);

    // On a module row the symbol goes first under it; ordinal 0 is refused for a new symbol.
    EXPECT_EQ(commitSymbolEdit(ws, 3, "Zero", "0", true), std::nullopt);
    EXPECT_EQ(commitSymbolEdit(ws, 3, "First", "9", true), 4u);
    EXPECT_EQ(ws.library.rows[4].MODULENAME, ModuleName("B"));
    EXPECT_EQ(ws.library.rows[4].UNSORTED, ws.library.rows[3].UNSORTED + 1);
}

TEST_F(SymbolEdit, TheDialogClearsTheMarkAndRenewsExclusionMarksKeepingOtherMarks)
{
    ws.options.UseExcludeList = true;
    ws.excludeList.assign({{"dllentrypoint", 1}});
    ws.library.rows[1].MARK = 1;
    ws.library.rows[4].MARK = 1;
    ASSERT_EQ(commitSymbolEdit(ws, 1, "DllEntryPoint", "1", false), 1u);
    EXPECT_EQ(ws.library.rows[1].MARK, 0);
    EXPECT_EQ(ws.library.rows[4].MARK, 1);
    EXPECT_EQ(ws.library.rows[1].EXCLUDE, kExcludeListed);
    EXPECT_EQ(ws.library.rows[0].EXCLUDE, kExcludeModule3);
    // A module row in the dialog takes the name only; its ordinal stays 0.
    ASSERT_EQ(commitSymbolEdit(ws, 3, "B2", "12", false), 3u);
    EXPECT_EQ(ws.library.rows[3].ORDINAL, 0);
    EXPECT_EQ(ws.library.rows[5].MODULENAME, ModuleName("B2"));
}

TEST_F(SymbolEdit, TheDialogChecksTheOrdinalBeforeTheName)
{
    // A blank name with ordinal 0: the ordinal is refused first, in the dialog and in place.
    EXPECT_EQ(commitSymbolEdit(ws, 2, "", "0", false), std::nullopt);
    EXPECT_EQ(commitSymbolEdit(ws, 3, "  ", "0", true), std::nullopt);
    ASSERT_EQ(t.ui.messages.size(), 2u);
    for (const ui::MessageBox& box : t.ui.messages)
        EXPECT_EQ(box.text.substr(0, 47), "    Ordinal number must have a positive value!|");
    EXPECT_EQ(t.ui.statusText(1), "Ordinal number must be positive!");
    EXPECT_EQ(checkSymbolFields("", 0, true), EditRefusal::OrdinalZero);
    EXPECT_EQ(checkSymbolFields("", 0, false), EditRefusal::BlankName);
    EXPECT_EQ(checkSymbolFields("", 70000, true), EditRefusal::BlankName);
    // A module row's name in the dialog knows no ordinal.
    EXPECT_EQ(commitSymbolEdit(ws, 0, "", "0", false), std::nullopt);
    EXPECT_EQ(t.ui.statusText(1), "Name cannot be blank!");
}

TEST(SymbolEditMessages, StoringErrorsAreReportedAsTheSourceDoes)
{
    testing::TestWorkspace t;
    t.ws.options.UseStatusBar = true;
    reportStoreError(t.ws, {5, "Access denied"}, EditSource::InPlace);
    EXPECT_EQ(t.ui.statusText(1), "Edit error: Access denied!");
    reportStoreError(t.ws, {5, "Access denied"}, EditSource::Dialog);
    EXPECT_EQ(t.ui.statusText(1), "Edit error #5. Error: Access denied");
    ASSERT_EQ(t.ui.messages.size(), 2u);
    EXPECT_EQ(t.ui.messages[0].text,
              "    An error was posted when while saving data.|    The entered data may not be "
              "saved.|    " +
                  std::string(75, kNonBreakingSpace) +
                  "|    Error #5|    Error message: Access denied");
    EXPECT_EQ(t.ui.messages[1].text,
              "An error was posted when trying to save the data:|    Error #5|    Error "
              "message: |Access denied");
    EXPECT_FALSE(storeRowEdit(t.ws, 3, {"x", 1}).ok());
}

}  // namespace
}  // namespace quillon::maintenance
