// The help of the program as a whole (`quillon --help`).
#pragma once

#include <string>

namespace quillon::cli {

/// The usage of the batch form, the subcommands of the command table with their summaries, the
/// common options, the settings a run reads, and the batch form's exit statuses.
[[nodiscard]] std::string programHelp();

}  // namespace quillon::cli
