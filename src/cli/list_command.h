// The `quillon list` command: the export list, a module-definition file or JSON of a library.
#pragma once

#include "cli/command_context.h"

namespace quillon::cli {

/// `quillon list [--module=NAME] [--format=text|def|json] [-o OUT] FILE...`: loads the files as
/// the batch form does (without its cleanups) and writes the list to stdout or OUT. Never
/// writes the settings file; OUT is written whole or not at all.
[[nodiscard]] ExitStatus runListCommand(CommandContext& context);

}  // namespace quillon::cli
