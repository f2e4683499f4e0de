// Tests of the library model rules: capacities, icons, module-present test, post-processing.
#include "core/library_model.h"

#include <gtest/gtest.h>

#include "support/test_workspace.h"

namespace quillon {
namespace {

using testing::TestWorkspace;

/// Appends one module with `symbols` as if a reader had read it, then post-processes it.
void load(Workspace& ws, std::string_view module, std::vector<std::pair<std::string, int>> symbols,
          std::uint8_t os = kOs32, std::uint16_t resident = 0, bool executable = true)
{
    const std::size_t first = ws.library.rows.size();
    appendModuleRow(ws, module, os);
    for (const auto& [name, ordinal] : symbols)
        appendSymbolRow(ws, name, static_cast<std::uint16_t>(ordinal));
    postProcessLoad(ws, first, LoadedFile{"/dlls/" + std::string(module), executable, resident});
}

TEST(OrdinalHexText, FourUpperCaseDigitsOfTheLow16Bits)
{
    EXPECT_EQ(ordinalHexText(1), "0001");
    EXPECT_EQ(ordinalHexText(255), "00FF");
    EXPECT_EQ(ordinalHexText(65535), "FFFF");
    EXPECT_EQ(ordinalHexText(0x1ABCD), "ABCD");
    EXPECT_EQ(ordinalHexText(0), "0000");
}

TEST(LibraryModel, NamesAreCutTo254Characters)
{
    TestWorkspace t;
    const std::string longModule = "windows.devices.enumeration.dll";
    const std::string longSymbol(300, 'S');
    appendModuleRow(t.ws, longModule, kOs32);
    appendSymbolRow(t.ws, longSymbol, 1);
    EXPECT_EQ(t.ws.library.rows[0].MODULENAME.view(), longModule);
    EXPECT_EQ(t.ws.library.rows[0].SYMBOL, longModule);
    EXPECT_EQ(t.ws.library.rows[1].SYMBOL, std::string(254, 'S'));
    EXPECT_EQ(t.ws.library.rows[1].MODULENAME.view(), longModule);
    appendModuleRow(t.ws, std::string(300, 'M'), kOs32);
    EXPECT_EQ(t.ws.library.rows[2].MODULENAME.view(), std::string(254, 'M'));
    EXPECT_EQ(ModuleName(std::string_view("AB\0CD", 5)).view(), "AB");
}

TEST(LibraryModel, NewModuleIconFollowsBitnessAndOptions)
{
    Options o;
    EXPECT_EQ(newModuleIcon(o, kOs16), RowIcon::ShutFold16);
    EXPECT_EQ(newModuleIcon(o, kOs32), RowIcon::ShutFold32);
    EXPECT_EQ(newModuleIcon(o, kOsUnknown), RowIcon::ShutFold);
    o.UseBitCheck = BitCheck::RemoveInconsistent;
    EXPECT_EQ(newModuleIcon(o, kOsUnknown), RowIcon::ShutFoldU);
    o.UseExpandAll = true;
    EXPECT_EQ(newModuleIcon(o, kOsUnknown), RowIcon::OpenFoldU);
    EXPECT_EQ(newModuleIcon(o, kOs32), RowIcon::OpenFold32);
    o.UseOsIcons = false;
    EXPECT_EQ(newModuleIcon(o, kOs32), RowIcon::OpenFold);
}

TEST(LibraryModel, ModuleIconsInEveryState)
{
    Options o;
    LibraryRow m;
    m.TREELEVEL = TreeLevel::ModuleCollapsed;
    struct Case {
        int os;
        BitCheck bitCheck;
        int exclude, mark;
        const char* dll;
        RowIcon expected;
    };
    using enum RowIcon;
    const BitCheck none = BitCheck::None;
    const BitCheck manual = BitCheck::SynchronizeManually;
    const BitCheck removing = BitCheck::RemoveInconsistent;
    const Case cases[] = {
        {1, none, 0, 0, "", ShutFold16},
        {1, none, 2, 0, "", ShutFold16Exclamation},
        {2, none, 0, 0, "", ShutFold32},
        {2, none, 3, 0, "", ShutFold32Exclamation},
        {0, none, 0, 0, "", ShutFold},
        {0, none, 2, 0, "", ShutFoldExclamation},
        {0, manual, 0, 0, "", ShutFoldX},
        {0, manual, 2, 0, "", ShutFoldXExclamation},
        {0, manual, 0, 0, "<File not found>", ShutFoldNotFound},
        {0, removing, 3, 0, "<file NOT found>", ShutFoldUExclamation},
        {2, none, 0, 1, "", ShutFoldBlueHook},
    };
    for (const Case& c : cases) {
        o.UseBitCheck = c.bitCheck;
        m.OS = static_cast<std::uint8_t>(c.os);
        m.EXCLUDE = static_cast<std::uint8_t>(c.exclude);
        m.MARK = static_cast<std::uint8_t>(c.mark);
        m.setFileNameDll(c.dll);
        m.TREELEVEL = TreeLevel::ModuleCollapsed;
        EXPECT_EQ(rowIcon(o, HookColour::Blue, m), c.expected)
            << c.os << static_cast<int>(c.bitCheck) << c.exclude;
        m.TREELEVEL = TreeLevel::ModuleExpanded;
        EXPECT_EQ(rowIcon(o, HookColour::Blue, m), moduleIconForm(c.expected, true));
    }
    m.MARK = 1;
    EXPECT_EQ(rowIcon(o, HookColour::Red, m), RowIcon::OpenFoldRedHook);
    m.MARK = 0;
    m.EXCLUDE = 2;
    o.UseOsIcons = false;
    EXPECT_EQ(rowIcon(o, HookColour::Blue, m), RowIcon::OpenFoldXExclamation);
    m.EXCLUDE = 0;
    EXPECT_EQ(rowIcon(o, HookColour::Blue, m), RowIcon::OpenFold);
}

TEST(LibraryModel, SymbolIconsInEveryState)
{
    Options o;
    LibraryRow s;
    s.TREELEVEL = TreeLevel::Symbol;
    using enum RowIcon;
    const RowIcon expected[2][5] = {
        {Function, FunctionExclude, FunctionDuplicate, FunctionHookBlue, FunctionHookRed},
        {ResFunction, ResFunctionExclude, ResFunctionDuplicate, ResFunctionHookBlue,
         ResFunctionHookRed}};
    for (int resident = 0; resident < 2; ++resident) {
        s.RESIDENTSTAB = static_cast<std::uint8_t>(resident);
        s.MARK = 0;
        s.EXCLUDE = 0;
        EXPECT_EQ(rowIcon(o, HookColour::Blue, s), expected[resident][0]);
        s.EXCLUDE = 1;
        EXPECT_EQ(rowIcon(o, HookColour::Blue, s), expected[resident][1]);
        s.EXCLUDE = 2;
        EXPECT_EQ(rowIcon(o, HookColour::Blue, s), expected[resident][2]);
        s.MARK = 1;
        EXPECT_EQ(rowIcon(o, HookColour::Blue, s), expected[resident][3]);
        EXPECT_EQ(rowIcon(o, HookColour::Red, s), expected[resident][4]);
    }
}

TEST(LibraryModel, PostProcessingNumbersRowsAcrossTwoLoads)
{
    TestWorkspace t;
    load(t.ws, "ALPHA", {{"A1", 1}, {"A2", 2}});
    load(t.ws, "BETA", {{"B1", 7}}, kOs16, 1);
    const LibraryList& rows = t.ws.library.rows;
    ASSERT_EQ(rows.size(), 5u);
    for (std::size_t i = 0; i < rows.size(); ++i)
        EXPECT_EQ(rows[i].UNSORTED, i + 1);
    EXPECT_EQ(rows[0].MODULENUM, 1);
    EXPECT_EQ(rows[2].MODULENUM, 1);
    EXPECT_EQ(rows[3].MODULENUM, 2);
    EXPECT_EQ(rows[4].MODULENUM, 2);
    EXPECT_EQ(rows[3].TREELEVEL, TreeLevel::ModuleCollapsed);
    EXPECT_EQ(rows[3].fileName(), "/dlls/BETA");
    EXPECT_EQ(rows[3].fileNameDll(), "/dlls/BETA");
    EXPECT_EQ(rows[4].RESIDENTSTAB, 1);
    EXPECT_EQ(rows[4].ICON, RowIcon::ResFunction);
    EXPECT_EQ(rows[4].OS, kOs16);
    EXPECT_EQ(t.ws.library.SymbolCount, 3u);
    EXPECT_EQ(t.ws.library.ModuleCount, 2u);
    ASSERT_EQ(t.ws.library.modules.size(), 2u);
    EXPECT_EQ(t.ws.library.modules[0].FUNCTIONNUM, 2);
    EXPECT_EQ(t.ws.library.modules[1].FUNCTIONNUM, 1);
    EXPECT_EQ(t.ws.library.modules[1].MODULENAME.view(), "BETA");
}

// Copied rows own what they show: their names and file names stay after the library is
// emptied and the workspace is gone, and editing a copy leaves the original alone.
TEST(LibraryModel, CopiedRowsOutliveTheLibraryAndEditApart)
{
    std::vector<LibraryRow> copies;
    {
        TestWorkspace t;
        load(t.ws, "ALPHA", {{"AlphaFunctionNumberOne", 1}, {"A2", 2}});
        copies.assign(t.ws.library.rows.begin(), t.ws.library.rows.end());
        t.ws.library.rows.clear();
    }
    ASSERT_EQ(copies.size(), 3u);
    EXPECT_EQ(copies[0].fileName(), "/dlls/ALPHA");
    EXPECT_EQ(copies[1].SYMBOL, "AlphaFunctionNumberOne");
    EXPECT_EQ(copies[1].fileName(), "");
    LibraryRow edited = copies[0];
    edited.setFileNameDll("<File not found>");
    edited.SYMBOL = "BETA";
    EXPECT_EQ(copies[0].fileNameDll(), "/dlls/ALPHA");
    EXPECT_EQ(copies[0].SYMBOL, "ALPHA");
    EXPECT_NE(edited, copies[0]);
    // File names set back to empty compare as never set.
    edited.setFileName("");
    edited.setFileNameDll("");
    EXPECT_EQ(edited.files, ModuleFiles());
}

TEST(LibraryModel, LibFileModulesHaveNoExecutableAndExpandAllOpensThem)
{
    TestWorkspace t;
    t.ws.options.UseExpandAll = true;
    load(t.ws, "GAMMA", {{"G", 1}}, kOsUnknown, 0, false);
    EXPECT_EQ(t.ws.library.rows[0].fileNameDll(), "");
    EXPECT_EQ(t.ws.library.rows[0].TREELEVEL, TreeLevel::ModuleExpanded);
    EXPECT_EQ(t.ws.library.rows[0].ICON, RowIcon::OpenFold);
}

TEST(LibraryModel, SameModuleTwiceArrivesMarked)
{
    TestWorkspace t;
    load(t.ws, "KERNEL32", {{"A", 1}});
    EXPECT_TRUE(isModulePresent(t.ws, "KERNEL32"));
    EXPECT_TRUE(isModulePresent(t.ws, "kernel32"));
    EXPECT_FALSE(isModulePresent(t.ws, "KERNEL"));
    load(t.ws, "KERNEL32", {{"A", 1}, {"B", 2}});
    const LibraryList& rows = t.ws.library.rows;
    EXPECT_EQ(rows[0].MARK, 0);
    EXPECT_EQ(rows[2].MARK, 1);
    EXPECT_EQ(rows[2].ICON, RowIcon::ShutFoldBlueHook);
    EXPECT_EQ(rows[3].MARK, 1);
    EXPECT_EQ(rows[3].ICON, RowIcon::FunctionHookBlue);
    EXPECT_EQ(rows[4].ICON, RowIcon::FunctionHookBlue);
}

TEST(LibraryModel, PostProcessingMarksExcludedSymbolsOnlyWhenTheListIsOn)
{
    TestWorkspace t;
    t.ws.excludeList.assign({{"winmain", 1}, {"WEP", 0}});
    load(t.ws, "ONE", {{"WinMain", 1}, {"WEP", 2}});
    EXPECT_EQ(t.ws.library.rows[1].EXCLUDE, 0);
    t.ws.options.UseExcludeList = true;
    load(t.ws, "TWO", {{"WinMain", 1}, {"WEP", 2}, {"Other", 3}});
    EXPECT_EQ(t.ws.library.rows[4].EXCLUDE, 1);
    EXPECT_EQ(t.ws.library.rows[4].ICON, RowIcon::FunctionExclude);
    EXPECT_EQ(t.ws.library.rows[5].EXCLUDE, 0);
    EXPECT_EQ(t.ws.library.rows[6].EXCLUDE, 0);
}

TEST(LibraryModel, PassListFills)
{
    TestWorkspace t;
    load(t.ws, "ONE", {{"A", 5}});
    load(t.ws, "TWO", {{"B", 6}});
    fillPassListFromLibrary(t.ws);
    ASSERT_EQ(t.ws.pass.size(), 4u);
    EXPECT_EQ(t.ws.pass[1], (PassEntry{ModuleName("ONE"), "A", 5, "", 2}));
    fillPassListFromModules(t.ws);
    ASSERT_EQ(t.ws.pass.size(), 2u);
    EXPECT_EQ(t.ws.pass[1], (PassEntry{ModuleName("TWO"), "TWO", 0, "", 2}));
}

TEST(LibraryModel, RebuildRenumbersModulesAfterARemoval)
{
    TestWorkspace t;
    load(t.ws, "ONE", {{"A", 1}});
    load(t.ws, "TWO", {{"B", 1}});
    load(t.ws, "THREE", {{"C", 1}});
    auto& rows = t.ws.library.rows;
    rows.erase(rows.begin() + 2, rows.begin() + 4);
    rebuildModuleTable(t.ws);
    EXPECT_EQ(t.ws.library.ModuleCount, 2u);
    EXPECT_EQ(rows[2].MODULENUM, 2);
    EXPECT_EQ(rows[3].MODULENUM, 2);
    load(t.ws, "FOUR", {{"D", 1}});
    EXPECT_EQ(rows[4].MODULENUM, 3);
    EXPECT_EQ(t.ws.library.modules.back().MODULENUM, 3);
}

}  // namespace
}  // namespace quillon
