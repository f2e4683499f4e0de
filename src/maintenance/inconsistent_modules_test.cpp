// Tests of the removal of modules of the wrong bitness and of unlocated modules.
#include "maintenance/inconsistent_modules.h"

#include <gtest/gtest.h>

#include "maintenance/maintenance_messages.h"
#include "maintenance/shown_steps.h"
#include "support/library_builder.h"
#include "support/test_workspace.h"

namespace quillon::maintenance {
namespace {

using testing::addModule;
using testing::rowNames;
using testing::TestWorkspace;

/// A library of a 16-bit module, a 32-bit one, an unlocated one and a second 16-bit module
/// named like the first.
void mixedLibrary(TestWorkspace& t, BitCheck useBitCheck, LibraryBitness bitSet)
{
    t.ws.options.UseStatusBar = true;
    t.ws.options.UseBitCheck = useBitCheck;
    t.ws.options.UseBitCheckSet = bitSet;
    addModule(t.ws, "KRNL", {{"A", 1}}, kOs16);
    addModule(t.ws, "WIN32MOD", {{"B", 1}, {"C", 2}}, kOs32);
    addModule(t.ws, "LOST", {{"D", 1}}, kOsUnknown);
    addModule(t.ws, "krnl", {{"E", 1}}, kOs16);
}

TEST(RemoveInconsistentModules, NothingWithoutAChosenBitnessOrWithTheCheckOff)
{
    TestWorkspace t;
    mixedLibrary(t, BitCheck::RemoveInconsistent, LibraryBitness::Automatic);
    EXPECT_EQ(removeInconsistentModulesShown(t.ws).counts, InconsistentCounts{});
    EXPECT_EQ(t.ws.library.ModuleCount, 4u);
    TestWorkspace off;
    mixedLibrary(off, BitCheck::None, LibraryBitness::Set16Bit);
    EXPECT_EQ(removeInconsistentModulesShown(off.ws).counts, InconsistentCounts{});
    EXPECT_TRUE(off.ui.statusHistory[0].empty());
}

TEST(RemoveInconsistentModules, UnlocatedModulesGoEvenWithoutTheBitnessRule)
{
    TestWorkspace t;
    mixedLibrary(t, BitCheck::SynchronizeManually, LibraryBitness::Set16Bit);
    InconsistentRequest request;
    request.inconsistent = false;
    request.unlocated = true;
    request.duplicates = false;
    EXPECT_EQ(removeInconsistentModulesShown(t.ws, request).counts, (InconsistentCounts{0, 1, 0}));
    EXPECT_EQ(rowNames(t.ws),
              (std::vector<std::string>{"KRNL", "A", "WIN32MOD", "B", "C", "krnl", "E"}));
    EXPECT_EQ(t.ui.statusText(1), "1 unlocated module removed");
    EXPECT_EQ(t.ui.statusText(2), "Cleanup done");
    EXPECT_EQ(t.ui.statusHistory[2], (std::vector<std::string>{"", "", "Lost...", ""}));
    EXPECT_EQ(t.ws.library.SymbolCount, 4u);
    EXPECT_TRUE(t.ws.library.LibraryChanged);
}

TEST(RemoveInconsistentModules, DefaultsRemoveTheOtherBitnessAndDuplicates)
{
    TestWorkspace t;
    mixedLibrary(t, BitCheck::RemoveInconsistent, LibraryBitness::Set16Bit);
    EXPECT_EQ(removeInconsistentModulesShown(t.ws).counts, (InconsistentCounts{1, 0, 1}));
    EXPECT_EQ(rowNames(t.ws), (std::vector<std::string>{"KRNL", "A", "LOST", "D"}));
    EXPECT_EQ(t.ui.statusText(1), "1 32-bit module and 1 duplicate module removed");
    EXPECT_EQ(t.ws.library.ModuleCount, 2u);
    EXPECT_EQ(t.ws.library.SymbolCount, 2u);
}

TEST(RemoveInconsistentModules, CheckThreeRemovesUnlocatedModulesByDefault)
{
    TestWorkspace t;
    mixedLibrary(t, BitCheck::RemoveInconsistentAndUnlocated, LibraryBitness::Set32Bit);
    InconsistentRequest request;
    request.duplicates = false;
    EXPECT_EQ(removeInconsistentModulesShown(t.ws, request).counts, (InconsistentCounts{2, 1, 0}));
    EXPECT_EQ(rowNames(t.ws), (std::vector<std::string>{"WIN32MOD", "B", "C"}));
    EXPECT_EQ(t.ui.statusText(1), "2 16-bit and 1 unlocated module removed");
    // With the main window's switch set, unlocated modules go only when the save asks.
    TestWorkspace u;
    mixedLibrary(u, BitCheck::RemoveInconsistentAndUnlocated, LibraryBitness::Set32Bit);
    request.unlocatedSwitch = true;
    EXPECT_EQ(removeInconsistentModulesShown(u.ws, request).counts, (InconsistentCounts{2, 0, 0}));
    request.saveAsksUnlocated = true;
    EXPECT_EQ(removeInconsistentModulesShown(u.ws, request).counts, (InconsistentCounts{0, 1, 0}));
    EXPECT_EQ(rowNames(u.ws), (std::vector<std::string>{"WIN32MOD", "B", "C"}));

    // A library emptied by the cleanup has no unsaved changes.
    TestWorkspace w;
    w.ws.options.UseBitCheck = BitCheck::SynchronizeManually;
    w.ws.options.UseBitCheckSet = LibraryBitness::Set32Bit;
    addModule(w.ws, "OLD", {{"A", 1}}, kOs16);
    w.ws.library.LibraryChanged = true;
    EXPECT_EQ(removeInconsistentModulesShown(w.ws).counts.total(), 1u);
    EXPECT_TRUE(w.ws.library.empty());
    EXPECT_FALSE(w.ws.library.LibraryChanged);
}

TEST(RemoveInconsistentModules, ReturnsItsResultWithoutShowingIt)
{
    TestWorkspace t;
    mixedLibrary(t, BitCheck::RemoveInconsistent, LibraryBitness::Set32Bit);
    const InconsistentRemoval removal = removeInconsistentModules(t.ws);
    EXPECT_EQ(removal.bits, "16");
    EXPECT_EQ(removal.counts, (InconsistentCounts{2, 0, 0}));
    for (const std::vector<std::string>& pane : t.ui.statusHistory)
        EXPECT_TRUE(pane.empty());
    EXPECT_EQ(t.ui.progressStarts, 0);
    // Without a chosen bitness nothing ran, and nothing is shown after it.
    TestWorkspace automatic;
    mixedLibrary(automatic, BitCheck::RemoveInconsistent, LibraryBitness::Automatic);
    EXPECT_FALSE(removeInconsistentModulesShown(automatic.ws).ran());
    EXPECT_EQ(automatic.ui.statusHistory[0], (std::vector<std::string>{"Reading data...", ""}));
    EXPECT_EQ(automatic.ui.statusHistory[1],
              (std::vector<std::string>{"Cleanup...", "Cleanup..."}));
}

TEST(InconsistentSummary, JoinsDuplicateModulesToTheOtherCounts)
{
    EXPECT_EQ(inconsistentSummary(0, 0, 0, "32"), "No modules removed");
    EXPECT_EQ(inconsistentSummary(2, 0, 0, "32"), "2 32-bit modules removed");
    EXPECT_EQ(inconsistentSummary(1, 2, 0, "16"), "1 16-bit and 2 unlocated modules removed");
    EXPECT_EQ(inconsistentSummary(0, 0, 3, "16"), "3 duplicate modules removed");
    EXPECT_EQ(inconsistentSummary(1, 1, 1, "16"),
              "1 16-bit, 1 unlocated and 1 duplicate module removed");
    EXPECT_EQ(inconsistentSummary(0, 2, 1, "16"),
              "2 unlocated modules and 1 duplicate module removed");
}

}  // namespace
}  // namespace quillon::maintenance
