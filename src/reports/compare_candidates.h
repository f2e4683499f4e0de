// The compare dialog's test of a candidate disk file.
#pragma once

#include <optional>
#include <string>

#include "core/workspace.h"

namespace quillon::reports {

/// What the user decided after the test.
enum class CandidateDecision { NothingSelected, Passed, Keep, Remove };

/// Tests the marked candidate file: with none marked, "No file selected!"; otherwise the file
/// test of LIB files (or the executable test) and "File PASSED the test!", "File was NOT
/// FOUND!" or "File FAILED the test!", the last two asking whether to remove the file.
[[nodiscard]] CandidateDecision testCandidateFile(Workspace& ws,
                                                  const std::optional<std::string>& marked);

}  // namespace quillon::reports
