// The `quillon compare` command: compares the modules of a LIB file with the files on disk, for
// build servers.
#pragma once

namespace quillon::cli {

/// `quillon compare [--module=NAME] [--match-case|--ignore-case] [--ignore-ordinals]
/// [--partial] [--all] [--json] LIB [DISKFILE]` (argv[1] is "compare"). Prints per module the
/// status and the changed rows (every row with --all), then a summary; --json gives one JSON
/// document. The exit status is a bit set: 0 nothing changed, 1 an error, 2 usage, 4 changes
/// that keep linked programs working, 8 changes that break them.
int runCompareCommand(int argc, char** argv);

}  // namespace quillon::cli
