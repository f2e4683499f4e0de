// Tests of the cleanup in chosen steps: what each step removes and records, whatever the
// switches of the options say, and that the steps of a save remove what a save removes.
#include "maintenance/library_cleanup.h"

#include <gtest/gtest.h>

#include "support/library_builder.h"
#include "support/maintenance_libraries.h"
#include "support/test_workspace.h"

namespace quillon::maintenance {
namespace {

using testing::addModule;
using testing::cleanupLibrary;
using testing::modulesLibrary;
using testing::rowNames;
using testing::TestWorkspace;

/// A locating pass that finds nothing new: the modules keep the bitness they were given.
const LocatePass kLocateNothing = [](Workspace&) {};

TEST(LibraryCleanup, NamedStepsRunWithTheSwitchesOffAndRecordWhatWent)
{
    TestWorkspace t;
    cleanupLibrary(t.ws);
    addModule(t.ws, "b", {{"Other", 1}});
    t.ws.options.UseExcludeList = false;
    t.ws.options.UseExcludeGlobalDuplicates = false;
    t.ws.options.UseExcludeGlobalDuplicatesSet = DuplicateKeep::KeepNone;
    const Options before = t.ws.options;

    CleanupSteps steps;
    steps.duplicateModules = true;
    steps.excludedSymbols = true;
    steps.duplicateSymbols = true;
    steps.keep = DuplicateKeep::KeepFirst;
    const CleanupRecord record = runCleanupSteps(t.ws, steps, kLocateNothing);

    const std::vector<RemovedEntry> expected{
        {"b", "", 0, RemovalReason::DuplicateModule},
        {"A", "DllEntryPoint", 1, RemovalReason::ExcludedSymbol},
        {"B", "foo", 1, RemovalReason::DuplicateSymbol},
        {"C", "DllEntryPoint", 1, RemovalReason::ExcludedSymbol},
    };
    EXPECT_EQ(record.removed, expected);
    EXPECT_EQ(record.emptiedModules, 1u);
    EXPECT_EQ(rowNames(t.ws), (std::vector<std::string>{"A", "Foo", "B", "Bar"}));
    EXPECT_EQ(t.ws.options, before);
    EXPECT_EQ(cleanupSummaryText(record),
              "1 duplicate module, 2 excluded symbols, 1 duplicate symbol, 1 module left empty");

    // Nothing is left to remove: the same steps record nothing.
    const CleanupRecord again = runCleanupSteps(t.ws, steps, kLocateNothing);
    EXPECT_FALSE(again.anyRemoved());
    EXPECT_EQ(cleanupSummaryText(again), "nothing to remove");
}

TEST(LibraryCleanup, OnlyTheMarksOfTheStepsAskedForCount)
{
    TestWorkspace t;
    cleanupLibrary(t.ws);
    // Marks a load left behind, and the options' own keep-none mode.
    t.ws.library.rows[1].EXCLUDE = kExcludeListed;
    t.ws.options.UseExcludeGlobalDuplicatesSet = DuplicateKeep::KeepNone;
    CleanupSteps steps;
    steps.duplicateSymbols = true;
    const CleanupRecord record = runCleanupSteps(t.ws, steps, kLocateNothing);
    // DllEntryPoint is duplicated too: with excluded symbols not asked for, it goes as a
    // duplicate, every copy of it and of Foo, none kept.
    EXPECT_EQ(record.count(RemovalReason::ExcludedSymbol), 0u);
    EXPECT_EQ(record.count(RemovalReason::DuplicateSymbol), 4u);
    EXPECT_EQ(rowNames(t.ws), (std::vector<std::string>{"B", "Bar"}));
}

TEST(LibraryCleanup, ModulesByBitnessAndLocationWithTheirReasons)
{
    TestWorkspace t;
    modulesLibrary(t.ws);
    t.ws.options.UseBitCheck = BitCheck::None;
    t.ws.options.UseBitCheckSet = LibraryBitness::Automatic;
    int locates = 0;
    const LocatePass locate = [&](Workspace&) { ++locates; };

    // Unlocated alone needs no bitness.
    CleanupSteps unlocated;
    unlocated.unlocatedModules = true;
    TestWorkspace u;
    modulesLibrary(u.ws);
    u.ws.options.UseBitCheckSet = LibraryBitness::Automatic;
    EXPECT_EQ(runCleanupSteps(u.ws, unlocated, locate).removed,
              (std::vector<RemovedEntry>{{"LOST", "", 0, RemovalReason::UnlocatedModule}}));

    CleanupSteps steps;
    steps.inconsistentModules = true;
    steps.duplicateModules = true;
    steps.bits = LibraryBitness::Set16Bit;
    const CleanupRecord record = runCleanupSteps(t.ws, steps, locate);
    EXPECT_EQ(locates, 2);
    EXPECT_EQ(record.bits, "32");
    EXPECT_EQ(record.removed,
              (std::vector<RemovedEntry>{{"WIN32MOD", "", 0, RemovalReason::InconsistentModule},
                                         {"Krnl", "", 0, RemovalReason::DuplicateModule}}));
    EXPECT_EQ(cleanupSummaryText(record), "1 32-bit module, 1 duplicate module");
    EXPECT_EQ(removalReasonText(RemovalReason::InconsistentModule, record.bits), "32-bit module");
    EXPECT_EQ(rowNames(t.ws), (std::vector<std::string>{"KRNL", "A", "LOST", "C"}));
    EXPECT_EQ(t.ws.options.UseBitCheck, BitCheck::None);
    EXPECT_EQ(t.ws.options.UseBitCheckSet, LibraryBitness::Automatic);
}

TEST(LibraryCleanup, StoppedLocatingRemovesNothing)
{
    TestWorkspace t;
    modulesLibrary(t.ws);
    const std::vector<std::string> rows = rowNames(t.ws);
    CleanupSteps steps;
    steps.unlocatedModules = true;
    steps.excludedSymbols = true;
    // The pass stops half-way: the modules it did not reach look unlocated.
    const CleanupRecord record = runCleanupSteps(t.ws, steps, [](Workspace& ws) {
        for (LibraryRow& row : ws.library.rows)
            row.OS = kOsUnknown;
        ws.cancel.cancel();
    });
    EXPECT_TRUE(record.cancelled);
    EXPECT_FALSE(record.anyRemoved());
    EXPECT_EQ(rowNames(t.ws), rows);
}

/// The options of a save in every combination that matters, each with the library it works on.
struct SaveCase {
    BitCheck bitCheck;
    LibraryBitness bits;
    bool duplicateModules;
    bool excludeList;
    bool globalDuplicates;
};

void saveCaseLibrary(Workspace& ws, const SaveCase& c)
{
    ws.options.UseBitCheck = c.bitCheck;
    ws.options.UseBitCheckSet = c.bits;
    ws.options.UseBitCheckDuplicates = c.duplicateModules;
    ws.options.UseExcludeList = c.excludeList;
    ws.options.UseExcludeGlobalDuplicates = c.globalDuplicates;
    ws.options.UseExcludeGlobalDuplicatesSet = DuplicateKeep::KeepFirst;
    ws.excludeList.assign({{"DLLENTRYPOINT", 1}});
    addModule(ws, "KRNL", {{"DllEntryPoint", 1}, {"Foo", 2}}, kOs16);
    addModule(ws, "WIN32MOD", {{"foo", 1}}, kOs32);
    addModule(ws, "LOST", {{"Bar", 1}}, kOsUnknown);
    addModule(ws, "krnl", {{"Baz", 1}, {"DllEntryPoint", 2}}, kOs16);
}

TEST(LibraryCleanup, TheStepsOfASaveRemoveWhatASaveRemoves)
{
    const std::vector<SaveCase> cases{
        {BitCheck::None, LibraryBitness::Automatic, false, false, false},
        {BitCheck::None, LibraryBitness::Automatic, true, true, false},
        {BitCheck::SynchronizeManually, LibraryBitness::Set16Bit, true, true, true},
        {BitCheck::RemoveInconsistent, LibraryBitness::Set16Bit, false, false, true},
        {BitCheck::RemoveInconsistent, LibraryBitness::Automatic, true, true, true},
        {BitCheck::RemoveInconsistentAndUnlocated, LibraryBitness::Set32Bit, false, true, true},
    };
    std::size_t changed = 0;
    for (const SaveCase& c : cases) {
        TestWorkspace saved;
        saveCaseLibrary(saved.ws, c);
        const std::vector<std::string> before = rowNames(saved.ws);
        (void)runSaveCleanup(saved.ws, kLocateNothing);
        changed += rowNames(saved.ws) != before ? 1 : 0;
        TestWorkspace stepped;
        saveCaseLibrary(stepped.ws, c);
        (void)runCleanupSteps(stepped.ws, saveCleanupSteps(stepped.ws.options), kLocateNothing);
        EXPECT_EQ(rowNames(stepped.ws), rowNames(saved.ws))
            << static_cast<int>(c.bitCheck) << ' ' << static_cast<int>(c.bits);
    }
    EXPECT_EQ(changed, cases.size() - 1);
}

}  // namespace
}  // namespace quillon::maintenance
