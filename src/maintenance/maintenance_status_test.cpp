// The maintenance commands as the front end receives them: every status text, progress call,
// report box and wait cursor change, in order, for each command and cleanup run.
#include "maintenance/maintenance_status.h"

#include <gtest/gtest.h>

#include "base/ascii_text.h"
#include "core/progress_indicator.h"
#include "maintenance/shown_steps.h"
#include "support/library_builder.h"
#include "support/test_workspace.h"

namespace quillon::maintenance {
namespace {

using testing::addModule;
using testing::TestWorkspace;

std::vector<std::string> removeMarkedCommand()
{
    TestWorkspace t;
    t.ws.options.UseStatusBar = true;
    addModule(t.ws, "A", {{"A1", 1}, {"A2", 2}});
    addModule(t.ws, "B", {{"B1", 1}});
    addModule(t.ws, "C", {{"C1", 1}, {"C2", 2}});
    LibraryList& rows = t.ws.library.rows;
    rows[1].EXCLUDE = kExcludeListed;
    rows[4].EXCLUDE = kExcludeDuplicate;
    rows[7].EXCLUDE = kExcludeDuplicate;
    ProgressIndicator progress(t.ui, true);
    showSymbolRemoval(t.ui, true, removeMarkedSymbols(t.ws, &progress));
    return t.ui.calls;
}

void cleanupLibrary(TestWorkspace& t)
{
    t.ws.options.UseStatusBar = true;
    addModule(t.ws, "A", {{"DllEntryPoint", 1}, {"Foo", 2}});
    addModule(t.ws, "B", {{"foo", 1}, {"Bar", 2}});
    addModule(t.ws, "C", {{"DllEntryPoint", 1}});
    t.ws.options.UseExcludeList = true;
    t.ws.options.UseExcludeGlobalDuplicates = true;
    t.ws.options.UseExcludeGlobalDuplicatesSet = DuplicateKeep::KeepFirst;
    t.ws.excludeList.assign({{"DLLENTRYPOINT", 1}});
}

std::vector<std::string> symbolsCleanup(const SymbolsCleanupChoices& choices, bool switchedOff)
{
    TestWorkspace t;
    cleanupLibrary(t);
    t.ws.options.UseExcludeGlobalDuplicates = !switchedOff;
    showSymbolsCleanup(t.ui, true, runSymbolsCleanup(t.ws, choices));
    return t.ui.calls;
}

void modulesLibrary(TestWorkspace& t)
{
    t.ws.options.UseStatusBar = true;
    t.ws.options.UseBitCheck = BitCheck::SynchronizeManually;
    t.ws.options.UseBitCheckDuplicates = true;
    t.ws.options.UseBitCheckSet = LibraryBitness::Set16Bit;
    addModule(t.ws, "KRNL", {{"A", 1}}, kOs16);
    addModule(t.ws, "WIN32MOD", {{"B", 1}}, kOs32);
    addModule(t.ws, "LOST", {{"C", 1}}, kOsUnknown);
    addModule(t.ws, "Krnl", {{"D", 1}}, kOs16);
}

std::vector<std::string> modulesCleanup(const ModulesCleanupChoices& choices)
{
    TestWorkspace t;
    modulesLibrary(t);
    const LocatePass locate = [](Workspace&) {};
    showModulesCleanup(t.ui, runModulesCleanup(t.ws, choices, locate));
    return t.ui.calls;
}

std::vector<std::string> duplicateCleanupCommand()
{
    TestWorkspace t;
    modulesLibrary(t);
    (void)removeDuplicateModulesShown(t.ws);
    return t.ui.calls;
}

std::vector<std::string> saveCleanup(BitCheck bitCheck)
{
    TestWorkspace t;
    modulesLibrary(t);
    t.ws.options.UseBitCheck = bitCheck;
    t.ws.options.UseExcludeList = true;
    t.ws.options.UseExcludeGlobalDuplicates = true;
    t.ws.excludeList.assign({{"B", 1}});
    (void)runSaveCleanup(t.ws, [](Workspace&) {});
    return t.ui.calls;
}

/// The calls one a line; an empty status text leaves no blank at the end of its line.
std::string joined(const std::vector<std::string>& calls)
{
    std::string text;
    for (const std::string& call : calls) {
        if (!text.empty())
            text += '\n';
        text += trimRight(call);
    }
    return text;
}

TEST(MaintenanceShown, RemoveMarkedSymbolsCommand)
{
    EXPECT_EQ(joined(removeMarkedCommand()), R"(status 2: Symbols cleanup...
status 1:
status 2:
status 3:
progress start: Symbols cleanup...
progress: 3 symbols
progress end
status 1: 3 symbols removed
status 2: Cleanup done
status 3: 2 symbols
status 3: 2 symbols)");
}

TEST(MaintenanceShown, SymbolsCleanupWithEveryStepAndTheReport)
{
    EXPECT_EQ(joined(symbolsCleanup({true, true, true, true}, false)), R"(wait on
progress start: Reading data...
progress: 5 symbols
progress start: Processing...
progress: 2 dublicates
progress end
status 1: 1 globally duplicated symbol found
status 2: Done
status 3:
status 2: Symbols cleanup...
status 1:
status 2:
status 3:
progress start: Symbols cleanup...
progress: 3 symbols
progress end
status 1: 3 symbols removed
status 2: Cleanup done
status 3: 2 symbols
status 3: 2 symbols
wait off
status 1: 3 symbols removed - [2 excludes, 1 duplicate and 1 empty modules]
status 2: Cleanup done
status 3: 2 symbols
message: Symbols Cleanup)");
}

TEST(MaintenanceShown, SymbolsCleanupWithTheDuplicateSearchSwitchedOff)
{
    EXPECT_EQ(joined(symbolsCleanup({true, true, false, true}, true)), R"(wait on
progress start: Reading data...
progress end
status 1: Duplicates not checked: switch on "Activate symbols cleanup operations" and "Exclude globally duplicated symbols" in the LIB-file options
status 2:
status 3:
wait off
status 1: 2 exclude symbols found; Duplicates not checked: switch on "Activate symbols cleanup operations" and "Exclude globally duplicated symbols" in the LIB-file options
status 2: Cleanup done
status 3: 5 symbols
message: Symbols Cleanup)");
}

TEST(MaintenanceShown, SymbolsCleanupRemovingOnlyWithoutReport)
{
    EXPECT_EQ(joined(symbolsCleanup({false, false, true, false}, false)),
              R"(status 2: Symbols cleanup...
status 1:
status 2:
status 3:
progress start: Symbols cleanup...
progress: 0 symbols
progress end
status 1: No symbols removed
status 2: Cleanup done
status 3: 5 symbols
status 3: 5 symbols)");
}

TEST(MaintenanceShown, ModulesCleanupOfBitnessAndDuplicatesWithReport)
{
    EXPECT_EQ(joined(modulesCleanup({true, false, true, true})), R"(status 1: Reading data...
status 2: Cleanup...
status 3:
status 1:
status 2: Cleanup...
status 3:
progress start: Cleanup...
status 3: Win32mod...
progress: 2 modules
status 3:
progress end
status 3:
status 1: 1 32-bit module and 1 duplicate module removed
status 2: Cleanup done
message: Modules Cleanup)");
}

TEST(MaintenanceShown, ModulesCleanupOfDuplicatesOnly)
{
    EXPECT_EQ(joined(modulesCleanup({false, false, true, false})), R"(wait on
progress start: Cleanup...
status 3:
progress: 1 modules
progress end
status 3:
wait off
status 1: 1 duplicate module removed
status 2: Cleanup done)");
}

TEST(MaintenanceShown, DuplicateModulesCommand)
{
    EXPECT_EQ(joined(duplicateCleanupCommand()), R"(wait on
progress start: Cleanup...
status 3:
progress: 1 modules
progress end
status 3:
wait off
status 1: 1 duplicate module removed
status 2: Cleanup done)");
}

TEST(MaintenanceShown, SaveCleanupOfDuplicateModulesAndMarkedSymbols)
{
    EXPECT_EQ(joined(saveCleanup(BitCheck::SynchronizeManually)), R"(wait on
progress start: Cleanup...
status 3:
progress: 1 modules
progress end
status 3:
wait off
status 1: 1 duplicate module removed
status 2: Cleanup done
status 2: Symbols cleanup...
status 1:)");
}

TEST(MaintenanceShown, SaveCleanupOfInconsistentAndUnlocatedModules)
{
    EXPECT_EQ(joined(saveCleanup(BitCheck::RemoveInconsistentAndUnlocated)),
              R"(status 1: Reading data...
status 2: Cleanup...
status 3:
status 1:
status 2: Cleanup...
status 3:
progress start: Cleanup...
status 3: Win32mod...
progress: 2 modules
status 3: Lost...
progress: 3 modules
status 3:
progress end
status 3:
status 1: 1 32-bit, 1 unlocated and 1 duplicate module removed
status 2: Cleanup done
status 2: Symbols cleanup...
status 1:)");
}

}  // namespace
}  // namespace quillon::maintenance
