// Removal of modules whose executable has the wrong bitness for the library or was not found.
#pragma once

#include <cstdint>
#include <optional>

#include "core/workspace.h"

namespace quillon::maintenance {

/// The flags of `RemoveInconsistentModules`; an absent flag takes its default.
struct InconsistentRequest {
    /// Remove modules of the wrong bitness (default on).
    std::optional<bool> inconsistent;
    /// Remove modules whose executable was not located (`OS` 0). Default: on when
    /// "UseBitCheckSetUnlocated" and `unlocatedSwitch` are set, or when "UseBitCheck" is 3 and
    /// either `unlocatedSwitch` is clear or `saveAsksUnlocated` is set.
    std::optional<bool> unlocated;
    /// Remove duplicate modules too (default on).
    std::optional<bool> duplicates;
    /// The main window's switch for unlocated modules.
    bool unlocatedSwitch = false;
    /// Set by the save flow when it asks for unlocated modules to go.
    bool saveAsksUnlocated = false;
};

/// How many modules went, by reason.
struct InconsistentCounts {
    std::uint32_t inconsistent = 0;
    std::uint32_t unlocated = 0;
    std::uint32_t duplicates = 0;
    [[nodiscard]] std::uint32_t total() const { return inconsistent + unlocated + duplicates; }

    friend bool operator==(const InconsistentCounts&, const InconsistentCounts&) = default;
};

/// `RemoveInconsistentModules`: with "UseBitCheck" on and "UseBitCheckSet" naming a 16-bit (1)
/// or 32-bit (2) library, removes the modules located with the other bitness, the unlocated
/// ones and the duplicates as `request` asks, renews the symbol marks and reports the result
/// in the status bar. Returns the counts (all 0 when nothing ran).
InconsistentCounts removeInconsistentModules(Workspace& ws,
                                             const InconsistentRequest& request = {});

}  // namespace quillon::maintenance
