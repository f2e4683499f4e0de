// Tests of the duplicate-module question and of the removal of duplicate modules.
#include "maintenance/duplicate_modules.h"

#include <gtest/gtest.h>

#include "base/text_encoding.h"
#include "maintenance/shown_steps.h"
#include "support/library_builder.h"
#include "support/test_workspace.h"

namespace quillon::maintenance {
namespace {

using testing::addModule;
using testing::rowNames;
using testing::TestWorkspace;

/// Appends a module as a reader does, before post-processing: marked when its name is present.
std::size_t append(Workspace& ws, std::string_view module, const testing::Symbols& symbols)
{
    const std::size_t first = ws.library.rows.size();
    appendModuleRow(ws, module, kOs32);
    for (const auto& [name, ordinal] : symbols)
        appendSymbolRow(ws, name, static_cast<std::uint16_t>(ordinal));
    return first;
}

const std::string kPad95(95, kNonBreakingSpace);
/// The file the questions name as the one being added.
constexpr std::string_view kAddedFile = "/win/KERNEL32.DLL";

TEST(AskDuplicateModules, NoKeepsBothModulesAndClearsTheMark)
{
    TestWorkspace t;
    addModule(t.ws, "KERNEL32", {{"A", 1}});
    const std::size_t first = append(t.ws, "KERNEL32", {{"A", 1}, {"B", 2}});
    ASSERT_EQ(t.ws.library.rows[first].MARK, 1);
    DuplicateAnswerState state = DuplicateAnswerState::singleFile();
    t.ui.answers = {kAnswerNo};
    EXPECT_FALSE(askDuplicateModules(t.ws, kAddedFile, first, false, false, state));
    ASSERT_EQ(t.ui.messages.size(), 1u);
    const ui::MessageBox& box = t.ui.messages[0];
    EXPECT_EQ(box.title, "CLARION QUILLON 32 - Duplicate!");
    EXPECT_EQ(box.icon, ui::MessageIcon::Question);
    EXPECT_EQ(box.buttons, "&Yes|&No");
    EXPECT_EQ(box.text, "    Module is already included in the library!|" + kPad95 +
                            "|    Module name: KERNEL32|    File name: /win/KERNEL32.DLL||    "
                            "Abort loading of this module?");
    EXPECT_EQ(t.ws.library.rows.size(), 5u);
    for (const LibraryRow& row : t.ws.library.rows)
        EXPECT_EQ(row.MARK, 0);
    EXPECT_EQ(t.ws.library.rows[first].ICON, RowIcon::ShutFold32);
    EXPECT_EQ(state.value, 0);
}

TEST(AskDuplicateModules, YesRemovesOnlyTheNewRows)
{
    TestWorkspace t;
    t.ws.options.UseStatusBar = true;
    addModule(t.ws, "KERNEL32", {{"A", 1}});
    const std::size_t first = append(t.ws, "KERNEL32", {{"A", 1}, {"B", 2}});
    DuplicateAnswerState state;
    t.ui.answers = {kAnswerYes};
    EXPECT_TRUE(askDuplicateModules(t.ws, kAddedFile, first, false, true, state));
    EXPECT_EQ(t.ui.messages[0].buttons, "&Yes|&No|A&bort all|K&eep all");
    EXPECT_EQ(rowNames(t.ws), (std::vector<std::string>{"KERNEL32", "A"}));
    EXPECT_EQ(t.ui.statusText(1), "Loading of module aborted!");
    EXPECT_EQ(t.ws.library.SymbolCount, 1u);
    EXPECT_EQ(t.ws.library.ModuleCount, 1u);
}

TEST(AskDuplicateModules, KeepAllStandsForTheRestOfTheAdd)
{
    TestWorkspace t;
    addModule(t.ws, "ONE", {{"A", 1}});
    addModule(t.ws, "TWO", {{"B", 1}});
    DuplicateAnswerState state = DuplicateAnswerState::multiFile();
    std::size_t first = append(t.ws, "ONE", {{"A", 1}});
    t.ui.answers = {kAnswerKeepAll};
    EXPECT_FALSE(askDuplicateModules(t.ws, kAddedFile, first, false, false, state));
    EXPECT_EQ(t.ui.messages.at(0).buttons, "&Yes|&No|A&bort all|K&eep all");
    EXPECT_EQ(state.value, 5);
    first = append(t.ws, "TWO", {{"B", 1}});
    EXPECT_FALSE(askDuplicateModules(t.ws, kAddedFile, first, false, false, state));
    EXPECT_EQ(t.ui.messages.size(), 1u);
    EXPECT_EQ(t.ws.library.rows.size(), 8u);
    for (const LibraryRow& row : t.ws.library.rows)
        EXPECT_EQ(row.MARK, 0);
}

TEST(AskDuplicateModules, AbortAllRemovesEveryHookedNewModule)
{
    TestWorkspace t;
    t.ws.options.UseStatusBar = true;
    addModule(t.ws, "ONE", {{"A", 1}});
    addModule(t.ws, "TWO", {{"B", 1}});
    DuplicateAnswerState state = DuplicateAnswerState::multiFile();
    std::size_t first = append(t.ws, "ONE", {{"A", 1}});
    append(t.ws, "NEW", {{"N", 1}});
    append(t.ws, "TWO", {{"B", 1}, {"C", 2}});
    t.ui.answers = {kAnswerAbortAll};
    EXPECT_TRUE(askDuplicateModules(t.ws, kAddedFile, first, false, false, state));
    EXPECT_EQ(rowNames(t.ws), (std::vector<std::string>{"ONE", "A", "TWO", "B", "NEW", "N"}));
    EXPECT_EQ(t.ui.statusText(1), "Duplicate modules aborted!");
    EXPECT_EQ(state.value, 4);
    first = append(t.ws, "TWO", {{"B", 1}});
    EXPECT_TRUE(askDuplicateModules(t.ws, kAddedFile, first, false, false, state));
    EXPECT_EQ(t.ui.messages.size(), 1u);
    EXPECT_EQ(t.ws.library.rows.size(), 6u);
    EXPECT_EQ(t.ui.statusText(1), "Duplicate module aborted!");
}

TEST(AskDuplicateModules, SuppressedMessagesAskNothingUnlessDuplicatesAreRemoved)
{
    TestWorkspace t;
    t.ws.options.UseNoMessages = true;
    addModule(t.ws, "ONE", {{"A", 1}});
    const std::size_t first = append(t.ws, "ONE", {{"A", 1}});
    DuplicateAnswerState state;
    EXPECT_FALSE(askDuplicateModules(t.ws, kAddedFile, first, false, false, state));
    EXPECT_TRUE(t.ui.messages.empty());
    EXPECT_EQ(t.ws.library.rows[first].MARK, 1);
    EXPECT_FALSE(askDuplicateModules(t.ws, kAddedFile, t.ws.library.rows.size(), false, false, state));
    t.ws.options.UseBitCheckDuplicates = true;
    t.ui.answers = {kAnswerYes};
    EXPECT_TRUE(askDuplicateModules(t.ws, kAddedFile, first, false, false, state));
}

TEST(ConfirmDuplicateModulesAfterAdd, AsksRemoveThisModuleWithTheModulesFile)
{
    TestWorkspace t;
    t.ws.options.UseStatusBar = true;
    addModule(t.ws, "ONE", {{"A", 1}});
    const std::size_t first = t.ws.library.rows.size();
    addModule(t.ws, "ONE", {{"A", 1}, {"B", 2}}, kOs32, "/other/ONE.DLL");
    addModule(t.ws, "TWO", {{"C", 1}});
    ASSERT_EQ(t.ws.library.SymbolCount, 4u);
    DuplicateAnswerState state = DuplicateAnswerState::multiFile();
    t.ui.answers = {kAnswerYes};
    EXPECT_TRUE(confirmDuplicateModulesAfterAdd(t.ws, first, state));
    ASSERT_EQ(t.ui.messages.size(), 1u);
    EXPECT_EQ(t.ui.messages[0].text, "    Module is already included in the library!|" + kPad95 +
                                         "|    Module name: ONE|    File name: /other/ONE.DLL||    "
                                         "Remove this module?");
    EXPECT_EQ(t.ui.messages[0].buttons, "&Yes|&No|A&bort all|K&eep all");
    EXPECT_EQ(t.ui.statusText(1), "Duplicate module removed!");
    EXPECT_EQ(rowNames(t.ws), (std::vector<std::string>{"ONE", "A", "TWO", "C"}));
    EXPECT_EQ(t.ws.library.SymbolCount, 2u);
    EXPECT_EQ(t.ws.library.ModuleCount, 2u);
    EXPECT_EQ(t.ws.library.modules.back().MODULENAME.view(), "TWO");

    t.ws.options.UseNoMessages = true;
    addModule(t.ws, "TWO", {{"C", 1}});
    EXPECT_FALSE(confirmDuplicateModulesAfterAdd(t.ws, 4, state));
    EXPECT_EQ(t.ws.library.rows[4].MARK, 1);
}

/// Modules M1, M2, USER (number 3), M4, M5, M6 and user (number 7), one symbol each.
void sevenModules(Workspace& ws)
{
    for (const char* name : {"M1", "M2", "USER", "M4", "M5", "M6", "user"})
        addModule(ws, name, {{std::string("F_") + name, 1}, {"G", 2}});
}

TEST(RemoveDuplicateModules, RemovesTheLaterModuleOfANameWithAllItsRows)
{
    TestWorkspace t;
    t.ws.options.UseStatusBar = true;
    t.ws.options.UseBitCheckDuplicates = true;
    sevenModules(t.ws);
    EXPECT_EQ(removeDuplicateModulesShown(t.ws), (DuplicateModuleRemoval{true, 1}));
    EXPECT_EQ(t.ws.library.rows.size(), 18u);
    EXPECT_EQ(t.ws.library.rows.back().SYMBOL, "G");
    EXPECT_EQ(t.ws.library.rows[15].SYMBOL, "M6");
    ASSERT_EQ(t.ws.library.modules.size(), 6u);
    EXPECT_EQ(t.ws.library.modules[2].MODULENUM, 3);
    EXPECT_EQ(t.ws.library.modules[5].MODULENUM, 6);
    EXPECT_EQ(t.ws.library.ModuleCount, 6u);
    EXPECT_EQ(t.ws.library.SymbolCount, 12u);
    EXPECT_TRUE(t.ws.library.LibraryChanged);
    EXPECT_EQ(t.ui.statusText(1), "1 duplicate module removed");
    EXPECT_EQ(t.ui.statusText(2), "Cleanup done");
    EXPECT_EQ(t.ui.progressCaptions, (std::vector<std::string>{"Cleanup..."}));
    EXPECT_FALSE(t.ui.waitCursor);

    EXPECT_EQ(removeDuplicateModulesShown(t.ws), (DuplicateModuleRemoval{true, 0}));
    EXPECT_EQ(t.ui.statusText(1), "No duplicate modules found");
}

TEST(RemoveDuplicateModules, RunsOnlyWhenTheOptionsAskOrFromTheInconsistentCleanup)
{
    TestWorkspace t;
    sevenModules(t.ws);
    addModule(t.ws, "M1", {{"X", 1}});
    EXPECT_EQ(removeDuplicateModules(t.ws, DuplicateRemovalMode::Standalone),
              DuplicateModuleRemoval{});
    const std::size_t texts = t.ui.statusHistory[0].size();
    EXPECT_EQ(removeDuplicateModulesShown(t.ws).removed, 0u);
    EXPECT_EQ(t.ui.statusHistory[0].size(), texts);
    EXPECT_EQ(t.ws.library.ModuleCount, 8u);
    t.ws.options.UseBitCheckSetDuplicates = true;
    EXPECT_EQ(removeDuplicateModules(t.ws, DuplicateRemovalMode::Standalone).removed, 2u);
    EXPECT_EQ(t.ws.library.ModuleCount, 6u);
    addModule(t.ws, "m2", {{"X", 1}});
    t.ws.options.UseBitCheckSetDuplicates = false;
    EXPECT_EQ(removeDuplicateModules(t.ws, DuplicateRemovalMode::FromInconsistent).removed, 1u);
    EXPECT_EQ(t.ws.library.SymbolCount, 12u);
}

TEST(RemoveDuplicateModules, RenewsTheSymbolMarksAfterARemoval)
{
    TestWorkspace t;
    t.ws.options.UseBitCheckDuplicates = true;
    t.ws.options.UseExcludeList = true;
    t.ws.options.UseExcludeGlobalDuplicates = true;
    addModule(t.ws, "A", {{"Same", 1}});
    addModule(t.ws, "B", {{"Same", 1}});
    addModule(t.ws, "a", {{"Other", 1}});
    t.ws.library.rows[1].MARK = 1;
    EXPECT_EQ(removeDuplicateModules(t.ws, DuplicateRemovalMode::Standalone).removed, 1u);
    // Nothing is excluded, so the duplicate search ran: both Same are marked (keep none).
    EXPECT_EQ(t.ws.library.rows[1].EXCLUDE, kExcludeDuplicate);
    EXPECT_EQ(t.ws.library.rows[3].EXCLUDE, kExcludeDuplicate);
    EXPECT_EQ(t.ws.library.rows[1].MARK, 0);
}

}  // namespace
}  // namespace quillon::maintenance
