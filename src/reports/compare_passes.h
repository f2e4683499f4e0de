// The matching passes: pairing a library module's functions with those of a disk file, the
// markers of every row and the counters.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "reports/compare_types.h"

namespace quillon::reports {

/// One function as the passes compare it (in upper case when letter case does not count).
struct CompareFunction {
    std::string name;
    std::uint16_t ordinal = 0;
};

/// What the passes work on.
struct PassInput {
    std::string libraryModule;
    std::string diskModule;
    std::vector<CompareFunction> library;
    std::vector<CompareFunction> disk;
    CompareOptions options;
    /// `kModuleCasing` or `kModuleChanged` when the disk's module name differs.
    std::uint32_t moduleChange = 0;
};

/// Told the text of each pass as it starts; asked between functions whether to stop.
struct PassHooks {
    std::function<void(std::string_view)> status;
    std::function<bool()> cancelled;
};

/// The rows of `CompareList` (disk functions in file order, then the library functions missing
/// on disk), ordered for display by ordinal, and the function counters. Returns false when
/// `hooks.cancelled` answered true.
[[nodiscard]] bool runComparePasses(const PassInput& input, const PassHooks& hooks,
                                    CompareList& rows, CompareCounts& counts);

}  // namespace quillon::reports
