// A cleanup of the whole library in chosen steps, without a window, that records what each
// step removed: the modules cleanup and the symbols cleanup of the dialogs, taken by name.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/options.h"
#include "core/workspace.h"
#include "maintenance/modules_cleanup.h"

namespace quillon::maintenance {

/// The steps of one cleanup. The module steps run first, then the symbol steps, as in a save.
/// A step asked for runs whatever the switches of the settings say ("UseBitCheck",
/// "UseBitCheckDuplicates", "UseExcludeList", "UseExcludeGlobalDuplicates").
struct CleanupSteps {
    /// Modules whose executable was located with the other bitness than the library's.
    bool inconsistentModules = false;
    /// Modules whose executable was not located.
    bool unlocatedModules = false;
    /// Modules whose name (letter case ignored) a module of a lower number has.
    bool duplicateModules = false;
    /// Symbols whose name is on the exclusion list with its check on.
    bool excludedSymbols = false;
    /// Symbols whose name occurs more than once in the library, but the occurrence `keep` keeps.
    bool duplicateSymbols = false;
    /// The occurrence of a duplicated symbol that stays; nothing takes
    /// "UseExcludeGlobalDuplicatesSet".
    std::optional<DuplicateKeep> keep;
    /// The library's bitness for `inconsistentModules`; nothing takes "UseBitCheckSet". With
    /// neither 16 nor 32 bits chosen, no module is judged by its bitness.
    std::optional<LibraryBitness> bits;

    [[nodiscard]] bool anyModuleStep() const
    {
        return inconsistentModules || unlocatedModules || duplicateModules;
    }
    [[nodiscard]] bool anySymbolStep() const { return excludedSymbols || duplicateSymbols; }
    /// The executables behind the modules must be located first.
    [[nodiscard]] bool locates() const { return inconsistentModules || unlocatedModules; }
};

/// The steps the cleanup before a save takes as the settings ask (`runSaveCleanup`).
[[nodiscard]] CleanupSteps saveCleanupSteps(const Options& options);

/// Why a module or a symbol went.
enum class RemovalReason {
    InconsistentModule,
    UnlocatedModule,
    DuplicateModule,
    ExcludedSymbol,
    DuplicateSymbol,
};

/// One module (with all its symbols) or one symbol a cleanup removed.
struct RemovedEntry {
    std::string module;
    /// Empty for a module.
    std::string symbol;
    std::uint16_t ordinal = 0;
    RemovalReason reason = RemovalReason::DuplicateModule;

    friend bool operator==(const RemovedEntry&, const RemovedEntry&) = default;
};

/// What one cleanup removed.
struct CleanupRecord {
    /// In library order, the modules first.
    std::vector<RemovedEntry> removed;
    /// "16" or "32": the bitness of the modules removed as inconsistent.
    std::string_view bits;
    /// Modules that went with their last symbol.
    std::uint32_t emptiedModules = 0;
    /// The locating pass was stopped: nothing was removed.
    bool cancelled = false;

    [[nodiscard]] std::uint32_t count(RemovalReason reason) const;
    [[nodiscard]] bool anyRemoved() const { return !removed.empty(); }
};

/// Runs `steps` over the library: `locate` first when modules are judged by their executable,
/// then `RemoveInconsistentModules` or `RemoveDuplicateModules`, then the marking of excluded
/// and duplicated symbols and `RemoveMarkedSymbols`. Marks the library held before count for
/// nothing: only what the steps asked for is removed. The options stay as they were.
[[nodiscard]] CleanupRecord runCleanupSteps(Workspace& ws, const CleanupSteps& steps,
                                            const LocatePass& locate);

/// "32-bit module", "unlocated module", "duplicate module", "excluded", "duplicate": the
/// reason as one line of a listing names it; `bits` as in `CleanupRecord`.
[[nodiscard]] std::string removalReasonText(RemovalReason reason, std::string_view bits);

/// One line of what a cleanup removed: "1 duplicate module, 12 excluded symbols, 3 duplicate
/// symbols, 1 module left empty", or "nothing to remove".
[[nodiscard]] std::string cleanupSummaryText(const CleanupRecord& record);

}  // namespace quillon::maintenance
