// The `quillon list` command: the export list, a module-definition file or JSON of a library.
#pragma once

namespace quillon::cli {

/// `quillon list [--module=NAME] [--format=text|def|json] [-o OUT] FILE...` (argv[1] is
/// "list"). Loads the files as the batch loader does and writes the list to stdout or OUT.
/// Returns 0 on success, 2 for a usage error, 3 when no exported names were found, 4 when no
/// input file was found, 5 when interrupted, 6 when OUT could not be written.
int runListCommand(int argc, char** argv);

}  // namespace quillon::cli
