// The `quillon update` command: a LIB file brought up to date from the DLLs on disk.
#pragma once

#include "cli/command_context.h"

namespace quillon::cli {

/// `quillon update [-o OUT.LIB] [--preview] [--priority=FOLDER]... [--json] FILE.LIB
/// [/s[:OUT.LIB]]`: loads the LIB file, updates every module from its located executable (the
/// others stay as they are), prints the count line and writes the LIB file (itself by
/// default). `--preview` lists the changes and writes nothing, the settings file included.
[[nodiscard]] ExitStatus runUpdateCommand(CommandContext& context);

}  // namespace quillon::cli
