// The `quillon exports` command: lists what executables contribute to a library.
#pragma once

#include "cli/command_context.h"

namespace quillon::cli {

/// `quillon exports [--json] [--all] FILE...`: one line per symbol on stdout (module, symbol,
/// ordinal, resident flag, tab-separated; or a JSON array with --json); rejection messages and
/// file errors go to stderr. Reads no settings.
[[nodiscard]] ExitStatus runExportsCommand(CommandContext& context);

}  // namespace quillon::cli
