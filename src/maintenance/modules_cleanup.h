// The modules cleanup run with its report, and the cleanup steps that precede a save.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "core/workspace.h"
#include "maintenance/maintenance_messages.h"

namespace quillon::maintenance {

/// The locating pass over the whole library (`UpdateLibraryData` in mode 2), which records
/// each module's executable and bitness before modules are judged by them.
using LocatePass = std::function<void(Workspace& ws)>;

/// The four boxes of the "Modules Cleanup" dialog, stored in section "Cleanup".
struct ModulesCleanupChoices {
    bool CheckBit = false;          // "Remove bit inconsistent modules"
    bool CheckUnloc = false;        // "Remove unlocated modules"
    bool CheckDubModule = false;    // "Remove duplicate modules"
    bool ShowReportModule = false;  // "Show report"

    friend bool operator==(const ModulesCleanupChoices&, const ModulesCleanupChoices&) = default;
};

/// Reads the boxes; those disabled by the options ("UseBitCheck" 0 disables the first two,
/// "UseBitCheckDuplicates" 0 the third) come back cleared.
[[nodiscard]] ModulesCleanupChoices loadModulesCleanupChoices(Workspace& ws);
void saveModulesCleanupChoices(Workspace& ws, const ModulesCleanupChoices& choices);
/// The start button is enabled when "UseBitCheck" or "UseBitCheckDuplicates" is on.
[[nodiscard]] bool modulesCleanupAvailable(const Workspace& ws);

/// What one modules cleanup did.
struct ModulesCleanupResult {
    ModulesCleanupCounts counts;
    std::string comment;
    /// "Show report" was checked.
    bool showReport = false;
    /// The run's time in hundredths of a second.
    std::int64_t elapsed = 0;
};

/// The modules cleanup's start: stores the boxes and "UseBitCheckSetDuplicates", runs `locate`
/// when bitness or unlocated modules are to be judged, then `RemoveInconsistentModules` or
/// `RemoveDuplicateModules`, showing the step's progress and result. The run's report is for
/// the caller to show (`showModulesCleanup`). Nothing runs when neither "UseBitCheck" nor
/// "UseBitCheckDuplicates" is on.
[[nodiscard]] ModulesCleanupResult runModulesCleanup(Workspace& ws,
                                                     const ModulesCleanupChoices& choices,
                                                     const LocatePass& locate);

/// What the cleanup before a save removed.
struct SaveCleanupResult {
    std::uint32_t modulesRemoved = 0;
    std::uint32_t symbolsRemoved = 0;
    [[nodiscard]] bool anyRemoved() const { return modulesRemoved > 0 || symbolsRemoved > 0; }
};

/// The cleanup steps of a save and of the command-line creation, as the settings ask: with
/// "UseBitCheck" 2 or 3 the locating pass and `RemoveInconsistentModules` (3 removes the
/// unlocated modules too); otherwise, with "UseBitCheckDuplicates", `RemoveDuplicateModules`
/// quietly; then, with "UseExcludeList", the marks brought up to date and `RemoveMarkedSymbols`
/// quietly.
SaveCleanupResult runSaveCleanup(Workspace& ws, const LocatePass& locate,
                                 bool unlocatedSwitch = false);

}  // namespace quillon::maintenance
