// The `quillon compare` command: compares the modules of a LIB file with the files on disk, for
// build servers.
#pragma once

#include "cli/command_context.h"

namespace quillon::cli {

/// `quillon compare [--module=NAME] [--match-case|--ignore-case] [--ignore-ordinals]
/// [--partial] [--priority=FOLDER]... [--all] [--json] LIB [DISKFILE]`: prints per module the
/// status and the changed rows (every row with --all), then a summary; --json gives one JSON
/// document. Ends with the bits of the modules compared (the Compare statuses), or-ed. Never
/// writes the settings file.
[[nodiscard]] ExitStatus runCompareCommand(CommandContext& context);

}  // namespace quillon::cli
