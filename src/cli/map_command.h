// The `quillon map` command: Clarion prototypes of a library's functions.
#pragma once

namespace quillon::cli {

/// `quillon map [--module=NAME] [--prototypes] [-o OUT] FILE...` (argv[1] is "map"). Loads the
/// files as the batch loader does and writes the Clarion MAP include of the library, or of one
/// module, to stdout or OUT (replaced as a whole). Returns 0 on success, 2 for a usage error,
/// 3 when no exported names were found, 4 when no input file was found, 5 when interrupted,
/// 6 when OUT could not be written.
int runMapCommand(int argc, char** argv);

}  // namespace quillon::cli
