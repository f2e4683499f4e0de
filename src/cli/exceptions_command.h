// The "exceptions" command of the command-line program: lists and edits the exceptions list.
#pragma once

#include "cli/command_context.h"

namespace quillon::cli {

/// `quillon exceptions [--json] [list | add MODULE FILE | remove MODULE | import
/// [--system-ini FILE]]`: edits section [Exceptlist] of the settings file on the list editor's
/// rules and prints the list. `list` never writes the settings file; `add`, `remove` and
/// `import` write only the list, and `import` only when it added an entry.
[[nodiscard]] ExitStatus runExceptionsCommand(CommandContext& context);

}  // namespace quillon::cli
