// The status of a compared module, decided from its counters, and how serious its changes are
// for programs linked against the LIB file.
#pragma once

#include "reports/compare_types.h"

namespace quillon::reports {

/// The long text (for the report) and the short text (for the lists) of a compared module.
[[nodiscard]] CompareStatus decideStatus(const CompareCounts& counts, bool partialMatch);

/// The short status a comparison that ended early leaves (empty after a cancel).
[[nodiscard]] CompareStatus failureStatus(const CompareResult& result);

/// The exit bits of a result: 1 the comparison failed, 4 changes that keep linked programs
/// working (casing, functions only on disk, duplicates), 8 changes that break them (functions
/// missing on disk, ordinals changed, renamed functions, another module).
enum SeverityBits : int { kSeverityError = 1, kSeverityCompatible = 4, kSeverityBreaking = 8 };
[[nodiscard]] int severityBits(const CompareResult& result);

}  // namespace quillon::reports
