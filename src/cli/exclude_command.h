// The `quillon exclude` command: the exclusion list of the settings file.
#pragma once

#include "cli/command_context.h"

namespace quillon::cli {

/// `quillon exclude [list] [--json]`, `quillon exclude add [--off] NAME`, `quillon exclude
/// remove NAME`: lists and edits the exclusion list (section [Excludelist]) as the options
/// dialog's list commands do. "list" never writes the settings file.
[[nodiscard]] ExitStatus runExcludeCommand(CommandContext& context);

}  // namespace quillon::cli
