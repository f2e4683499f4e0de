// The `quillon FILE... /s[:TARGET]` form: a silent LIB-file run from a terminal or script.
#pragma once

#include <csignal>
#include <string>
#include <vector>

#include "program/exit_status.h"

namespace quillon::cli {

/// Runs the batch form over `arguments` (without the program's name), with its own syntax:
/// input files up to "/s" or "/s:TARGET"; `--quiet`, `--interactive` and `--settings DIR`
/// anywhere. Ends with the statuses the status table gives the batch form.
[[nodiscard]] ExitStatus runBatchCommand(const std::vector<std::string>& arguments,
                                         volatile std::sig_atomic_t& interrupted);

}  // namespace quillon::cli
