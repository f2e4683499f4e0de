// A LIB file named on the command line, loaded into the workspace of a subcommand.
#pragma once

#include <optional>
#include <string>

#include "core/workspace.h"

namespace quillon::cli {

/// Loads the LIB file `file` (as typed) into the workspace, without progress. Nothing when it
/// loaded; otherwise why not, after the file name ("X.LIB: not a library file, or an empty
/// one"). A load that Escape cancelled says "cancelled".
[[nodiscard]] std::optional<std::string> loadLibFileInput(Workspace& ws, const std::string& file);

}  // namespace quillon::cli
