// The output of `quillon compare`: per-module text for people and one JSON document for tools.
#pragma once

#include <string>
#include <vector>

#include "reports/compare_library.h"

namespace quillon::cli {

/// The exit bits of the whole run: the bits of every module together.
[[nodiscard]] int compareExitBits(const std::vector<reports::ModuleComparison>& modules);

/// One block per module ("MODULE: status" with the disk file, then a tab-separated line per
/// changed row, or every row with `allRows`), then the summary line. UTF-8.
[[nodiscard]] std::string compareText(const std::vector<reports::ModuleComparison>& modules,
                                      bool allRows);

/// The same as one JSON document (UTF-8), ending in a line break.
[[nodiscard]] std::string compareJson(const std::vector<reports::ModuleComparison>& modules,
                                      bool allRows);

}  // namespace quillon::cli
