// The `quillon map` command: Clarion prototypes of a library's functions.
#pragma once

#include "cli/command_context.h"

namespace quillon::cli {

/// `quillon map [--module=NAME] [--prototypes] [-o OUT] FILE...`: loads the files as
/// `quillon list` does and writes the Clarion MAP include of the library, or of one module, to
/// stdout or OUT. Never writes the settings file; OUT is written whole or not at all.
[[nodiscard]] ExitStatus runMapCommand(CommandContext& context);

}  // namespace quillon::cli
