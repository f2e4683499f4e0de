// The "locate" command: locates the files behind the modules of LIB files (or named modules)
// and prints one line per module for scripts.
#pragma once

#include "cli/command_context.h"

namespace quillon::cli {

/// `quillon locate [--verify] [--deep] [--dll-only] [--exact] [--priority=FOLDER]... [--json]
/// (FILE.LIB | MODULE)...`: prints "module<TAB>path<TAB>bitness<TAB>step" per module. Never
/// writes the settings file.
[[nodiscard]] ExitStatus runLocateCommand(CommandContext& context);

}  // namespace quillon::cli
