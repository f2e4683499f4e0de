// The `quillon update` command: a LIB file brought up to date from the DLLs on disk.
#pragma once

namespace quillon::cli {

/// `quillon update [/s[:OUT.LIB]] [-o OUT.LIB] [--json] [--quiet] [--settings DIR] FILE.LIB`
/// (argv[1] is "update"). Loads the LIB file, updates every module from its located
/// executable (the others from the LIB file), prints the count line and writes the LIB file
/// (itself by default). Returns 0 when written, 2 for a usage error, 3 when the file holds no
/// import definitions, 4 when it is missing or no module was located (nothing written),
/// 5 when cancelled, 6 when writing failed, 7 when the file or the target is not named as a LIB
/// file (nothing read or written), 8 when modules were kept because their executable could not
/// be read whole (the rest written).
int runUpdateCommand(int argc, char** argv);

}  // namespace quillon::cli
