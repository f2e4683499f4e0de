// The maintenance commands as the front end receives them: every status text, progress call,
// report box and wait cursor change, in order, for each command and cleanup run.
#include "maintenance/maintenance_status.h"

#include <gtest/gtest.h>

#include "base/ascii_text.h"
#include "core/progress_indicator.h"
#include "maintenance/shown_steps.h"
#include "support/maintenance_libraries.h"
#include "support/test_workspace.h"

namespace quillon::maintenance {
namespace {

using testing::cleanupLibrary;
using testing::markedLibrary;
using testing::modulesLibrary;
using testing::TestWorkspace;

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

std::string removeMarkedCommand()
{
    TestWorkspace t;
    t.ws.options.UseStatusBar = true;
    markedLibrary(t.ws);
    ProgressIndicator progress(t.ui, true);
    showSymbolRemoval(t.ui, true, removeMarkedSymbols(t.ws, &progress));
    return joined(t.ui.calls);
}

std::string symbolsCleanup(const SymbolsCleanupChoices& choices, bool switchedOff)
{
    TestWorkspace t;
    cleanupLibrary(t.ws);
    t.ws.options.UseExcludeGlobalDuplicates = !switchedOff;
    showSymbolsCleanup(t.ui, true, runSymbolsCleanup(t.ws, choices));
    return joined(t.ui.calls);
}

std::string modulesCleanup(const ModulesCleanupChoices& choices)
{
    TestWorkspace t;
    t.ws.options.UseStatusBar = true;
    modulesLibrary(t.ws);
    showModulesCleanup(t.ui, runModulesCleanup(t.ws, choices, [](Workspace&) {}));
    return joined(t.ui.calls);
}

std::string duplicateModulesCommand()
{
    TestWorkspace t;
    t.ws.options.UseStatusBar = true;
    modulesLibrary(t.ws);
    (void)removeDuplicateModulesShown(t.ws);
    return joined(t.ui.calls);
}

std::string saveCleanup(BitCheck bitCheck)
{
    TestWorkspace t;
    t.ws.options.UseStatusBar = true;
    modulesLibrary(t.ws);
    t.ws.options.UseBitCheck = bitCheck;
    t.ws.options.UseExcludeList = true;
    t.ws.options.UseExcludeGlobalDuplicates = true;
    t.ws.excludeList.assign({{"B", 1}});
    (void)runSaveCleanup(t.ws, [](Workspace&) {});
    return joined(t.ui.calls);
}

// The removal of marked symbols with its progress, before its counts.
const std::string kRemovalStart = R"(status 2: Symbols cleanup...
status 1:
status 2:
status 3:
progress start: Symbols cleanup...)";
// Three symbols removed, two left.
const std::string kRemovedThree = R"(
progress: 3 symbols
progress end
status 1: 3 symbols removed
status 2: Cleanup done
status 3: 2 symbols
status 3: 2 symbols)";
// The quiet removal of a save.
const std::string kQuietRemoval = R"(
status 2: Symbols cleanup...
status 1:)";
// A standalone removal of duplicate modules that takes one.
const std::string kDuplicateModules = R"(wait on
progress start: Cleanup...
status 3:
progress: 1 modules
progress end
status 3:
wait off
status 1: 1 duplicate module removed
status 2: Cleanup done)";
// The removal of inconsistent modules up to the first module of the wrong bitness.
const std::string kInconsistentStart = R"(status 1: Reading data...
status 2: Cleanup...
status 3:
status 1:
status 2: Cleanup...
status 3:
progress start: Cleanup...
status 3: Win32mod...
progress: 2 modules
)";
const std::string kNotChecked =
    "Duplicates not checked: switch on \"Activate symbols cleanup operations\" and \"Exclude "
    "globally duplicated symbols\" in the LIB-file options";

TEST(MaintenanceShown, RemoveMarkedSymbolsCommand)
{
    EXPECT_EQ(removeMarkedCommand(), kRemovalStart + kRemovedThree);
}

TEST(MaintenanceShown, SymbolsCleanupRunsEachStepShownThenItsSummaryAndReport)
{
    EXPECT_EQ(symbolsCleanup({true, true, true, true}, false), R"(wait on
progress start: Reading data...
progress: 5 symbols
progress start: Processing...
progress: 2 dublicates
progress end
status 1: 1 globally duplicated symbol found
status 2: Done
status 3:
)" + kRemovalStart + kRemovedThree + R"(
wait off
status 1: 3 symbols removed - [2 excludes, 1 duplicate and 1 empty modules]
status 2: Cleanup done
status 3: 2 symbols
message: Symbols Cleanup)");
    EXPECT_EQ(symbolsCleanup({true, true, false, true}, true), R"(wait on
progress start: Reading data...
progress end
status 1: )" + kNotChecked + R"(
status 2:
status 3:
wait off
status 1: 2 exclude symbols found; )" + kNotChecked + R"(
status 2: Cleanup done
status 3: 5 symbols
message: Symbols Cleanup)");
    // Without "Show report" the last step's result stays.
    EXPECT_EQ(symbolsCleanup({false, false, true, false}, false), kRemovalStart + R"(
progress: 0 symbols
progress end
status 1: No symbols removed
status 2: Cleanup done
status 3: 5 symbols
status 3: 5 symbols)");
}

TEST(MaintenanceShown, ModulesCleanupRunsItsStepShownThenItsReport)
{
    EXPECT_EQ(modulesCleanup({true, false, true, true}), kInconsistentStart + R"(status 3:
progress end
status 3:
status 1: 1 32-bit module and 1 duplicate module removed
status 2: Cleanup done
message: Modules Cleanup)");
    EXPECT_EQ(modulesCleanup({false, false, true, false}), kDuplicateModules);
    EXPECT_EQ(duplicateModulesCommand(), kDuplicateModules);
}

TEST(MaintenanceShown, SaveCleanupShowsItsModuleStepAndRemovesSymbolsQuietly)
{
    EXPECT_EQ(saveCleanup(BitCheck::SynchronizeManually), kDuplicateModules + kQuietRemoval);
    EXPECT_EQ(saveCleanup(BitCheck::RemoveInconsistentAndUnlocated), kInconsistentStart +
                                                                         R"(status 3: Lost...
progress: 3 modules
status 3:
progress end
status 3:
status 1: 1 32-bit, 1 unlocated and 1 duplicate module removed
status 2: Cleanup done)" + kQuietRemoval);
}

}  // namespace
}  // namespace quillon::maintenance
