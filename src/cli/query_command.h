// The `quillon query` command: extracts the functions matching keywords from a library.
#pragma once

#include "cli/command_context.h"

namespace quillon::cli {

/// `quillon query [--match=contains|begins|ends|whole] [--case] [--accumulate] [--save=OUT.LIB]
/// [--json] KEYWORDS FILE...`: loads the files as a silent run does, runs the query with
/// multiple keywords on, prints the extracted functions in the list's order (as `quillon
/// exports` prints rows, or JSON) and with --save writes them as a LIB file; with --accumulate
/// the entries of an existing OUT.LIB are kept and only new functions are added. Never writes
/// the settings file.
[[nodiscard]] ExitStatus runQueryCommand(CommandContext& context);

}  // namespace quillon::cli
