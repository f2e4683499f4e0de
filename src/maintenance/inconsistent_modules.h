// Removal of modules whose executable has the wrong bitness for the library or was not found.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "core/progress_indicator.h"
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

/// What one `RemoveInconsistentModules` did.
struct InconsistentRemoval {
    /// "16" or "32": the bitness of the modules removed as inconsistent; empty when nothing ran
    /// (the check is off, the library empty or its bitness not chosen).
    std::string_view bits;
    InconsistentCounts counts;

    [[nodiscard]] bool ran() const { return !bits.empty(); }
};

/// `RemoveInconsistentModules`: with "UseBitCheck" on and "UseBitCheckSet" naming a 16-bit (1)
/// or 32-bit (2) library, removes the modules located with the other bitness, the unlocated
/// ones and the duplicates as `request` asks and renews the symbol marks. `progress` (when
/// given) shows the module being removed while it runs; the result is for the caller to show.
[[nodiscard]] InconsistentRemoval removeInconsistentModules(Workspace& ws,
                                                            const InconsistentRequest& request = {},
                                                            ProgressIndicator* progress = nullptr);

}  // namespace quillon::maintenance
