// Tests of the symbols cleanup run: comments, first-pane summaries and the report text.
#include "maintenance/symbols_cleanup.h"

#include <gtest/gtest.h>

#include "base/text_encoding.h"
#include "maintenance/maintenance_status.h"
#include "support/library_builder.h"
#include "support/maintenance_libraries.h"
#include "support/test_workspace.h"

namespace quillon::maintenance {
namespace {

using testing::addModule;
using testing::cleanupLibrary;
using testing::rowNames;
using testing::TestWorkspace;

/// The cleanup as the window runs it: the run, then its summary and report shown.
SymbolsCleanupResult runShown(TestWorkspace& t, const SymbolsCleanupChoices& choices)
{
    SymbolsCleanupResult result = runSymbolsCleanup(t.ws, choices);
    showSymbolsCleanup(t.ui, t.ws.options.UseStatusBar, result);
    return result;
}

const std::string kRule(40, '_');
const std::string kMacrons(40, '\xAF');

std::string report(const std::string& comment, const std::string& e, const std::string& d,
                   const std::string& r, const std::string& k)
{
    return "    " + kRule + "|    SYMBOLS CLEANUP|    " + kMacrons + "|    Comment: " + comment +
           "    Number of excludes found: " + e + "|    Number of duplicates found: " + d +
           "|    Number of symbols removed: " + r + "|    Number of (empty) modules removed: " + k +
           "|    Process time: Less than 1/100 second|    " + kRule + "|" +
           std::string(80, kNonBreakingSpace);
}

TEST(SymbolsCleanup, AllStepsWithReport)
{
    TestWorkspace t;
    cleanupLibrary(t.ws);
    const SymbolsCleanupChoices choices{true, true, true, true};
    const SymbolsCleanupResult result = runShown(t, choices);
    EXPECT_EQ(result.found(), 3u);
    EXPECT_EQ(rowNames(t.ws), (std::vector<std::string>{"A", "Foo", "B", "Bar"}));
    EXPECT_EQ(result.comment, "Both exclude and duplicate symbols checked|");
    EXPECT_EQ(t.ui.statusText(1),
              "3 symbols removed - [2 excludes, 1 duplicate and 1 empty modules]");
    EXPECT_EQ(t.ui.statusText(2), "Cleanup done");
    EXPECT_EQ(t.ui.statusText(3), "2 symbols");
    // Each step's result shows as the run goes on, then the run's summary.
    EXPECT_EQ(t.ui.statusHistory[0],
              (std::vector<std::string>{
                  "1 globally duplicated symbol found", "", "3 symbols removed",
                  "3 symbols removed - [2 excludes, 1 duplicate and 1 empty modules]"}));
    EXPECT_EQ(t.ui.statusHistory[1], (std::vector<std::string>{"Done", "Symbols cleanup...", "",
                                                               "Cleanup done", "Cleanup done"}));
    EXPECT_EQ(t.ui.statusHistory[2],
              (std::vector<std::string>{"", "", "2 symbols", "2 symbols", "2 symbols"}));
    ASSERT_EQ(t.ui.messages.size(), 1u);
    EXPECT_EQ(t.ui.messages[0].title, "Symbols Cleanup");
    EXPECT_EQ(t.ui.messages[0].buttons, "&OK");
    EXPECT_EQ(t.ui.messages[0].text,
              report("Both exclude and duplicate symbols checked|", "2", "1", "3", "1"));
    EXPECT_EQ(loadSymbolsCleanupChoices(t.ws), choices);
}

TEST(SymbolsCleanup, OnlyLocatingDuplicates)
{
    TestWorkspace t;
    cleanupLibrary(t.ws);
    // Without the exclusion pass DllEntryPoint counts as a duplicate too.
    EXPECT_EQ(runShown(t, {false, true, false, true}).found(), 2u);
    EXPECT_EQ(t.ws.library.rows.size(), 8u);
    EXPECT_EQ(t.ui.statusText(1), "2 duplicate symbols found");
    EXPECT_EQ(t.ui.messages.at(0).text, report("Only duplicates symbols checked|", "<Not checked>",
                                               "2", "<Not checked>", "<None>"));
}

TEST(SymbolsCleanup, DuplicateSearchSwitchedOffSaysNotCheckedWithAHint)
{
    TestWorkspace t;
    cleanupLibrary(t.ws);
    t.ws.options.UseExcludeGlobalDuplicates = false;
    EXPECT_EQ(runShown(t, {true, true, false, true}).found(), 2u);
    const std::string notChecked =
        "Duplicates not checked: switch on \"Activate symbols cleanup operations\" and "
        "\"Exclude globally duplicated symbols\" in the LIB-file options";
    EXPECT_EQ(t.ui.statusText(1), "2 exclude symbols found; " + notChecked);
    const std::string text = t.ui.messages.at(0).text;
    EXPECT_NE(text.find("|    Number of duplicates found: <Not checked>|    (switched off: "
                        "\"Activate symbols cleanup operations\" and|    \"Exclude globally "
                        "duplicated symbols\" in the LIB-file options)|"),
              std::string::npos)
        << text;
    EXPECT_EQ(runShown(t, {false, true, false, true}).found(), 0u);
    EXPECT_EQ(t.ui.statusText(1), notChecked);
}

TEST(SymbolsCleanup, OnlyCleanupWithNothingMarked)
{
    TestWorkspace t;
    t.ws.options.UseStatusBar = true;
    addModule(t.ws, "A", {{"X", 1}});
    EXPECT_EQ(runShown(t, {false, false, true, true}).found(), 0u);
    EXPECT_EQ(t.ui.statusText(1), "No excludes or duplicates found");
    EXPECT_EQ(t.ui.messages.at(0).text,
              report("Only cleanup|", "<Not checked>", "<Not checked>", "<None>", "<None>"));
}

TEST(SymbolsCleanup, NoneCheckedRunsNothing)
{
    TestWorkspace t;
    cleanupLibrary(t.ws);
    t.clock.now = 1000;
    EXPECT_EQ(runShown(t, {false, false, false, true}).found(), 0u);
    EXPECT_EQ(t.ws.library.rows[1].EXCLUDE, 0);
    EXPECT_TRUE(t.ui.statusHistory[1].empty());
    EXPECT_EQ(t.ui.messages.at(0).text, report("None checked!|", "<Not checked>", "<Not checked>",
                                               "<Not checked>", "<None>"));
    EXPECT_EQ(runShown(t, {true, false, false, false}).found(), 2u);
    EXPECT_EQ(t.ui.messages.size(), 1u);
}

TEST(SymbolsCleanup, EmptiedLibrarySaysNoData)
{
    TestWorkspace t;
    t.ws.options.UseStatusBar = true;
    t.ws.options.UseExcludeList = true;
    addModule(t.ws, "C", {{"DllEntryPoint", 1}});
    t.ws.excludeList.assign({{"DllEntryPoint", 1}});
    const SymbolsCleanupResult result = runShown(t, {true, false, true, true});
    EXPECT_EQ(result.found(), 1u);
    EXPECT_EQ(result.comment, "No data!|");
    EXPECT_EQ(t.ui.statusText(1), "1 exclude symbol and 1 empty modules removed");
    EXPECT_EQ(t.ui.statusText(3), "No symbols!");
}

TEST(SymbolsCleanupSummary, EveryPattern)
{
    const auto summary = [](bool x, bool d, bool r, std::uint32_t e, std::uint32_t dc,
                            std::uint32_t rc, std::uint32_t k) {
        return symbolsCleanupSummary({x, d, r, e, dc, rc, k});
    };
    EXPECT_EQ(summary(true, true, false, 1, 2, 0, 0), "1 exclude and 2 duplicates found");
    EXPECT_EQ(summary(true, true, false, 2, 0, 0, 0), "2 excludes and no duplicates found");
    EXPECT_EQ(summary(true, true, false, 0, 1, 0, 0), "1 duplicate and no excludes found");
    EXPECT_EQ(summary(true, true, false, 0, 0, 0, 0), "No excludes or duplicates found");
    EXPECT_EQ(summary(true, false, false, 3, 0, 0, 0), "3 exclude symbols found");
    EXPECT_EQ(summary(true, false, false, 0, 0, 0, 0), "No exclude symbols found");
    EXPECT_EQ(summary(false, true, false, 0, 1, 0, 0), "1 duplicate symbol found");
    EXPECT_EQ(summary(false, true, false, 0, 0, 0, 0), "No duplicate symbols found");
    EXPECT_EQ(summary(true, true, true, 1, 1, 2, 0),
              "2 symbols removed - [1 exclude and 1 duplicate]");
    EXPECT_EQ(summary(true, false, true, 2, 0, 2, 0), "2 exclude symbols removed");
    EXPECT_EQ(summary(false, true, true, 0, 2, 2, 1),
              "2 duplicate symbols and 1 empty modules removed");
    EXPECT_EQ(summary(false, true, true, 0, 1, 1, 0), "1 duplicate symbol removed");
    EXPECT_EQ(summary(false, false, true, 0, 0, 4, 2), "4 symbols and 2 empty modules removed");
    EXPECT_EQ(summary(false, false, true, 0, 0, 1, 0), "1 symbol removed");
    EXPECT_EQ(summary(true, true, true, 0, 0, 0, 0), "No excludes or duplicates found");
    EXPECT_EQ(summary(false, false, false, 0, 0, 0, 0), "");
}

}  // namespace
}  // namespace quillon::maintenance
