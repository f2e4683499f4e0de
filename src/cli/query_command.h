// The `quillon query` command: extracts the functions matching keywords from a library.
#pragma once

namespace quillon::cli {

/// `quillon query [--match=contains|begins|ends|whole] [--case] [--accumulate] [--save=OUT.LIB]
/// [--json] [--settings DIR] KEYWORDS FILE...` (argv[1] is "query"). Loads the files as a
/// silent run does, runs the query with multiple keywords on, prints the extracted functions
/// in the list's order (as `quillon exports` prints rows, or JSON) and with --save writes
/// them as a LIB file; with --accumulate the entries of an existing OUT.LIB are kept and only
/// new functions are added. Returns 0 when something was extracted, 1 when nothing matched, 2
/// for a usage error, 3 when the files hold no exported names, 4 when no file was found, 5
/// when cancelled, 6 when writing the LIB file failed.
int runQueryCommand(int argc, char** argv);

}  // namespace quillon::cli
