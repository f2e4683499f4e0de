// The "locate" command: locates the files behind the modules of LIB files (or named modules)
// and prints one line per module for scripts.
#pragma once

namespace quillon::cli {

/// Runs the command; `argv[1]` is "locate". Prints "module<TAB>path<TAB>bitness<TAB>step" per
/// module to stdout. Exit code 0 when every module was located, 1 when some were not (or the
/// run was interrupted), 2 for a usage error or a LIB file that could not be read.
int runLocateCommand(int argc, char** argv);

}  // namespace quillon::cli
