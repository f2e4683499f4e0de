// The `quillon cleanup` command: a LIB file cleaned of the modules and symbols a Clarion
// program cannot link.
#pragma once

#include "cli/command_context.h"

namespace quillon::cli {

/// `quillon cleanup [STEP...] [--bits=16|32] [--keep=none|first] [--priority=FOLDER]...
/// [--preview] [--json] [-o OUT.LIB] FILE.LIB [/s[:OUT.LIB]]`: loads the LIB file, removes
/// what the steps name (without a step: what a save removes as the settings ask), prints what
/// went and writes the rest (FILE.LIB itself by default; left untouched when nothing went).
/// `--preview` lists what would go and writes nothing, the settings file included.
[[nodiscard]] ExitStatus runCleanupCommand(CommandContext& context);

}  // namespace quillon::cli
