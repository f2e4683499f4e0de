// Tests of the exclusion list: storage, marking and the options dialog's list commands.
#include "maintenance/exclusion_list.h"

#include <gtest/gtest.h>

#include "settings/settings_store.h"
#include "support/library_builder.h"
#include "support/test_workspace.h"

namespace quillon::maintenance {
namespace {

using testing::addModule;
using testing::excludeMarks;
using testing::TestWorkspace;

std::vector<std::string> symbols(const ExcludeList& list)
{
    std::vector<std::string> out;
    for (const ExcludeEntry& e : list.entries())
        out.push_back(e.symbol);
    return out;
}

TEST(ExcludeListStorage, LoadsAtMostFiftyEntriesSortedByUpperCaseName)
{
    TestWorkspace t;
    t.settings.writeNumber("Excludelist", "ExcludeNum", 60);
    for (int i = 1; i <= 60; ++i) {
        t.settings.writeSetting("Excludelist", "Symbol" + std::to_string(i),
                                "sym" + std::to_string(100 - i));
        t.settings.writeNumber("Excludelist", "Check" + std::to_string(i), i % 2);
    }
    loadExcludeList(t.ws);
    const ExcludeList& list = t.ws.excludeList;
    ASSERT_EQ(list.size(), 50u);
    EXPECT_EQ(list.entries().front().symbol, "sym50");
    EXPECT_EQ(list.entries().front().rec, 50);
    EXPECT_EQ(list.entries().front().check, 0);
    EXPECT_EQ(list.entries().front().icon(), 151);
    EXPECT_EQ(list.entries().back().symbol, "sym99");
    EXPECT_EQ(list.entries().back().icon(), 152);
    EXPECT_EQ(list.lookupUpper("SYM99"), 1);
}

TEST(ExcludeListStorage, ABlankSymbolEndsLoadingAndAMissingSectionGivesNothing)
{
    TestWorkspace t;
    loadExcludeList(t.ws);
    EXPECT_TRUE(t.ws.excludeList.empty());
    t.settings.writeNumber("Excludelist", "ExcludeNum", 3);
    t.settings.writeSetting("Excludelist", "Symbol1", "WEP");
    t.settings.writeNumber("Excludelist", "Check1", 7);
    t.settings.writeSetting("Excludelist", "Symbol3", "Later");
    loadExcludeList(t.ws);
    EXPECT_EQ(symbols(t.ws.excludeList), (std::vector<std::string>{"WEP"}));
    EXPECT_EQ(t.ws.excludeList.entries()[0].check, 1);
}

TEST(ExcludeListStorage, SavingThreeAfterFiveDeletesTheKeysOfFourAndFive)
{
    TestWorkspace t;
    ExcludeList& list = t.ws.excludeList;
    for (const char* name : {"e", "d", "c", "b", "a"})
        ASSERT_TRUE(addExcludeEntry(list, name, true));
    saveExcludeList(t.ws);
    EXPECT_EQ(t.settings.readSetting("Excludelist", "Symbol5"), "a");
    EXPECT_EQ(symbols(list), (std::vector<std::string>{"a", "b", "c", "d", "e"}));
    ASSERT_TRUE(removeExcludeEntry(list, 0));  // a
    ASSERT_TRUE(removeExcludeEntry(list, 3));  // e
    ASSERT_TRUE(editExcludeEntry(list, 0, "Bee", false));
    saveExcludeList(t.ws);
    EXPECT_EQ(t.settings.readNumber("Excludelist", "ExcludeNum", -1), 3);
    EXPECT_EQ(t.settings.readSetting("Excludelist", "Symbol1"), "d");
    EXPECT_EQ(t.settings.readSetting("Excludelist", "Symbol2"), "c");
    EXPECT_EQ(t.settings.readSetting("Excludelist", "Symbol3"), "Bee");
    EXPECT_EQ(t.settings.readSetting("Excludelist", "Check3"), "0");
    for (const char* key : {"Symbol4", "Check4", "Symbol5", "Check5"})
        EXPECT_EQ(t.settings.readSetting("Excludelist", key, "gone"), "gone") << key;
    loadExcludeList(t.ws);
    EXPECT_EQ(symbols(t.ws.excludeList), (std::vector<std::string>{"Bee", "c", "d"}));
}

TEST(ExcludeListStorage, LoadsAndSavesWithTheOptions)
{
    TestWorkspace t;
    t.settings.writeNumber("Excludelist", "ExcludeNum", 1);
    t.settings.writeSetting("Excludelist", "Symbol1", "WEP");
    settings::OptionsSeams seams;
    setExcludeListSeams(seams, t.ws);
    Options options;
    settings::LoadOptions(t.settings, t.files, options, settings::OptionsContext{}, seams);
    EXPECT_EQ(symbols(t.ws.excludeList), (std::vector<std::string>{"WEP"}));
    ASSERT_TRUE(addExcludeEntry(t.ws.excludeList, "WinMain", true));
    settings::SaveOptions(t.settings, options, seams);
    EXPECT_EQ(t.settings.readSetting("Excludelist", "Symbol2"), "WinMain");
}

TEST(ExcludeListStorage, OnlyFiftyEntriesAreStoredAndCounted)
{
    TestWorkspace t;
    for (int i = 0; i < 60; ++i)
        ASSERT_TRUE(addExcludeEntry(t.ws.excludeList, "n" + std::to_string(i), true));
    saveExcludeList(t.ws);
    EXPECT_EQ(t.ws.excludeList.size(), 60u);
    EXPECT_EQ(t.settings.readNumber("Excludelist", "ExcludeNum", -1), 50);
    EXPECT_EQ(t.settings.readSetting("Excludelist", "Symbol50"), "n49");
    EXPECT_EQ(t.settings.readSetting("Excludelist", "Symbol51"), "");
}

TEST(ExcludeListCommands, AddEditRemoveKeepTheSelectionRules)
{
    ExcludeList list;
    EXPECT_FALSE(addExcludeEntry(list, "   ", true));
    EXPECT_EQ(addExcludeEntry(list, "Zed", true), 0u);
    EXPECT_EQ(addExcludeEntry(list, "Alpha", false), 1u);
    EXPECT_EQ(list.entries()[1].rec, 1);
    EXPECT_EQ(list.lookupUpper("ALPHA"), 0);
    EXPECT_FALSE(editExcludeEntry(list, 1, "", true));
    EXPECT_FALSE(editExcludeEntry(list, 5, "X", true));
    EXPECT_TRUE(editExcludeEntry(list, 1, "Alpha", true));
    EXPECT_EQ(list.lookupUpper("ALPHA"), 1);
    EXPECT_EQ(removeExcludeEntry(list, 1), 0u);
    EXPECT_EQ(list.lookupUpper("ALPHA"), -1);
    EXPECT_EQ(removeExcludeEntry(list, 0), std::nullopt);
    EXPECT_EQ(removeExcludeEntry(list, 0), std::nullopt);
}

TEST(MarkExcludedSymbols, MarksListedSymbolsAndTheirModules)
{
    TestWorkspace t;
    t.ws.options.UseExcludeList = true;
    t.ws.excludeList.assign({{"dllentrypoint", 1}, {"WEP", 0}});
    addModule(t.ws, "A", {{"Work", 1}, {"DllEntryPoint", 2}});
    addModule(t.ws, "B", {{"Dup", 1}, {"WEP", 2}});
    LibraryList& rows = t.ws.library.rows;
    rows[4].EXCLUDE = kExcludeDuplicate;
    rows[5].EXCLUDE = kExcludeDuplicate;
    rows[3].EXCLUDE = kExcludeModule3;
    EXPECT_EQ(markExcludedSymbols(t.ws), 1u);
    // The duplicate not on the list keeps its mark; the unchecked entry clears one.
    EXPECT_EQ(excludeMarks(t.ws), (std::vector<int>{3, 0, 1, 0, 2, 0}));

    t.ws.excludeList.assign({{"DLLENTRYPOINT", 0}});
    EXPECT_EQ(markExcludedSymbols(t.ws), 0u);
    EXPECT_EQ(excludeMarks(t.ws), (std::vector<int>{0, 0, 0, 0, 2, 0}));
}

TEST(MarkExcludedSymbols, WithTheListOffOnlyClearsExclusionMarks)
{
    TestWorkspace t;
    t.ws.excludeList.assign({{"X", 1}});
    addModule(t.ws, "A", {{"X", 1}, {"Y", 2}});
    t.ws.library.rows[0].EXCLUDE = kExcludeModule3;
    t.ws.library.rows[1].EXCLUDE = kExcludeListed;
    t.ws.library.rows[2].EXCLUDE = kExcludeDuplicate;
    EXPECT_EQ(markExcludedSymbols(t.ws), 0u);
    EXPECT_EQ(excludeMarks(t.ws), (std::vector<int>{0, 0, 2}));
}

TEST(MarkExcludedSymbols, ARangeStartingInsideAModuleFindsItsModuleRow)
{
    TestWorkspace t;
    addModule(t.ws, "A", {{"X", 1}, {"X", 2}});
    addModule(t.ws, "B", {{"X", 1}});
    t.ws.options.UseExcludeList = true;
    t.ws.excludeList.assign({{"X", 1}});
    EXPECT_EQ(markExcludedSymbols(t.ws, 3, false, 3, false), 1u);
    EXPECT_EQ(excludeMarks(t.ws), (std::vector<int>{3, 0, 1, 0, 0}));
    EXPECT_EQ(markExcludedSymbols(t.ws, 6, false, 0, true), 0u);
    EXPECT_EQ(markExcludedSymbols(t.ws, 0, false, 0, false), 3u);
    EXPECT_EQ(excludeMarks(t.ws), (std::vector<int>{3, 1, 1, 3, 1}));
}

}  // namespace
}  // namespace quillon::maintenance
