// The `quillon FILE... /s[:TARGET]` command: a silent LIB-file run from a terminal or script.
#pragma once

namespace quillon::cli {

/// The usage text of the program, shown by --help.
extern const char* const kProgramHelp;

/// Runs a silent command-line run over `argv[1..]`. Returns 0 when the LIB file was written,
/// 2 for a usage error, 3 when the input files had no exported names, 4 when no input file was
/// located, 5 when cancelled (Ctrl+C), 6 when writing the LIB file failed.
int runBatchCommand(int argc, char** argv);

}  // namespace quillon::cli
