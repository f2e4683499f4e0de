// Comparing the modules of a library one after another: with one chosen disk file, or each
// with the executable the search locates for it.
#pragma once

#include <string>
#include <vector>

#include "core/workspace.h"
#include "reports/compare_types.h"

namespace quillon::reports {

struct LibraryCompareRequest {
    /// Only this module (letter case ignored); empty for every module.
    std::string moduleName;
    /// The disk file for every compared module; empty locates each module's executable.
    std::string diskFile;
    CompareOptions options;
};

/// One module's comparison, or why it did not take place.
struct ModuleComparison {
    std::string moduleName;
    /// False when the module's executable was not located (no comparison ran).
    bool located = true;
    CompareResult result;
};

/// Compares the requested modules in library order, each module name once. Stops early when
/// Escape cancels a comparison (the cancelled one is the last entry).
[[nodiscard]] std::vector<ModuleComparison> compareLibraryModules(
    Workspace& ws, const LibraryCompareRequest& request);

}  // namespace quillon::reports
