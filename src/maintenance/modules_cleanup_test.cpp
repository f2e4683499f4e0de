// Tests of the modules cleanup run with its report and of the cleanup steps before a save.
#include "maintenance/modules_cleanup.h"

#include <gtest/gtest.h>

#include "maintenance/maintenance_status.h"
#include "settings/settings_store.h"
#include "support/library_builder.h"
#include "support/maintenance_libraries.h"
#include "support/test_workspace.h"

namespace quillon::maintenance {
namespace {

using testing::addModule;
using testing::modulesLibrary;
using testing::rowNames;
using testing::TestWorkspace;

const std::string kRule(40, '_');

/// The cleanup as the window runs it: the run, then its report shown.
ModulesCleanupResult runShown(TestWorkspace& t, const ModulesCleanupChoices& choices,
                              const LocatePass& locate)
{
    ModulesCleanupResult result = runModulesCleanup(t.ws, choices, locate);
    showModulesCleanup(t.ui, result);
    return result;
}

TEST(ModulesCleanup, BitnessAndDuplicatesWithReport)
{
    TestWorkspace t;
    modulesLibrary(t.ws);
    int locates = 0;
    const LocatePass locate = [&](Workspace&) { ++locates; };
    const ModulesCleanupChoices choices{true, false, true, true};
    const ModulesCleanupResult result = runShown(t, choices, locate);
    EXPECT_EQ(result.counts.total, 2u);
    EXPECT_EQ(locates, 1);
    EXPECT_EQ(rowNames(t.ws), (std::vector<std::string>{"KRNL", "A", "LOST", "C"}));
    EXPECT_TRUE(t.ws.options.UseBitCheckSetDuplicates);
    EXPECT_EQ(t.settings.readNumber("Options", "UseBitCheckSetDuplicates", 0), 1);
    ASSERT_EQ(t.ui.messages.size(), 1u);
    EXPECT_EQ(t.ui.messages[0].title, "Modules Cleanup");
    EXPECT_EQ(t.ui.messages[0].text,
              "    " + kRule + "|    MODULES CLEANUP|    " + std::string(40, '\xAF') +
                  "|    Comment: Bit inconsistency and dublicates checked|"
                  "|    Number of inconsistent: 1|    Number of unlocated: <Not checked>"
                  "|    Number of duplicates: 1|    Number of modules removed: 2"
                  "|    Process time: Less than 1/100 second|    " +
                  kRule);
    EXPECT_EQ(loadModulesCleanupChoices(t.ws), choices);
}

TEST(ModulesCleanup, OnlyDuplicatesRunsTheStandaloneRemoval)
{
    TestWorkspace t;
    modulesLibrary(t.ws);
    t.ws.options.UseStatusBar = true;
    int locates = 0;
    const ModulesCleanupResult result =
        runShown(t, {false, false, true, false}, [&](Workspace&) { ++locates; });
    EXPECT_EQ(result.counts.total, 1u);
    EXPECT_EQ(locates, 0);
    EXPECT_EQ(result.comment, "Only dublicates checked|");
    EXPECT_EQ(t.ui.statusText(1), "1 duplicate module removed");
    EXPECT_TRUE(t.ui.messages.empty());
}

TEST(ModulesCleanup, DisabledBoxesLoadClearedAndNoOptionsMeansNoRun)
{
    TestWorkspace t;
    saveModulesCleanupChoices(t.ws, {true, true, true, true});
    EXPECT_EQ(loadModulesCleanupChoices(t.ws), (ModulesCleanupChoices{false, false, false, true}));
    EXPECT_FALSE(modulesCleanupAvailable(t.ws));
    addModule(t.ws, "A", {{"X", 1}});
    EXPECT_EQ(runShown(t, {false, false, false, true}, {}).counts.total, 0u);
    EXPECT_TRUE(t.ui.messages.empty());
    t.ws.options.UseBitCheck = BitCheck::SynchronizeManually;
    EXPECT_EQ(loadModulesCleanupChoices(t.ws), (ModulesCleanupChoices{true, true, false, true}));
}

TEST(ModulesCleanupComment, EveryCombination)
{
    EXPECT_EQ(modulesCleanupComment(true, true, false), "Bit inconsistency and unlocated checked|");
    EXPECT_EQ(modulesCleanupComment(true, false, false), "Only bit inconsistency checked|");
    EXPECT_EQ(modulesCleanupComment(false, true, false), "Only unlocated checked|");
    EXPECT_EQ(modulesCleanupComment(true, true, true),
              "Bit inconsistency, unlocated and |    dublicates checked|");
    EXPECT_EQ(modulesCleanupComment(true, false, true),
              "Bit inconsistency and dublicates checked|");
    EXPECT_EQ(modulesCleanupComment(false, true, true), "Unlocated and dublicates checked|");
    EXPECT_EQ(modulesCleanupComment(false, false, true), "Only dublicates checked|");
    EXPECT_EQ(modulesCleanupComment(false, false, false), "No action checked!|");
    EXPECT_EQ(bitBoxLabel(1, "Remove bit inconsistent modules"), "Remove 32-bit modules ");
    EXPECT_EQ(bitBoxLabel(2, "Remove bit inconsistent modules"), "Remove 16-bit modules ");
    EXPECT_EQ(bitBoxLabel(3, "Remove bit inconsistent modules"), "Remove bit inconsistent modules");
}

TEST(SaveCleanup, DuplicateModulesThenMarkedSymbols)
{
    TestWorkspace t;
    t.ws.options.UseBitCheckDuplicates = true;
    t.ws.options.UseExcludeList = true;
    addModule(t.ws, "A", {{"X", 1}, {"Gone", 2}});
    addModule(t.ws, "a", {{"Y", 1}});
    t.ws.excludeList.assign({{"GONE", 1}});
    t.ws.library.rows[2].EXCLUDE = kExcludeListed;
    int locates = 0;
    const SaveCleanupResult result = runSaveCleanup(t.ws, [&](Workspace&) { ++locates; });
    EXPECT_EQ(result.modulesRemoved, 1u);
    EXPECT_EQ(result.symbolsRemoved, 1u);
    EXPECT_EQ(locates, 0);
    EXPECT_EQ(rowNames(t.ws), (std::vector<std::string>{"A", "X"}));
}

TEST(SaveCleanup, BitCheckThreeLocatesAndRemovesUnlocatedModules)
{
    TestWorkspace t;
    t.ws.options.UseBitCheck = BitCheck::RemoveInconsistentAndUnlocated;
    t.ws.options.UseBitCheckSet = LibraryBitness::Set32Bit;
    addModule(t.ws, "A", {{"X", 1}}, kOs32);
    addModule(t.ws, "B", {{"Y", 1}}, kOs32);
    int locates = 0;
    const LocatePass locate = [&](Workspace& ws) {
        ++locates;
        ws.library.rows[2].OS = kOsUnknown;
    };
    EXPECT_EQ(runSaveCleanup(t.ws, locate).modulesRemoved, 1u);
    EXPECT_EQ(locates, 1);
    EXPECT_EQ(rowNames(t.ws), (std::vector<std::string>{"A", "X"}));
    EXPECT_FALSE(runSaveCleanup(t.ws, {}).anyRemoved());
}

}  // namespace
}  // namespace quillon::maintenance
