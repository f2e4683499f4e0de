// The `quillon exports` command: lists what executables contribute to a library.
#pragma once

namespace quillon::cli {

/// `quillon exports [--json] FILE...` (argv[1] is "exports"). Writes one line per symbol to
/// stdout (module, symbol, ordinal, resident flag, tab-separated; or a JSON array with
/// --json); rejection messages and file errors go to stderr. Returns 0 when every file was
/// read, 1 when any file was rejected or could not be read, 2 for a usage error.
int runExportsCommand(int argc, char** argv);

}  // namespace quillon::cli
