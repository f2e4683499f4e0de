// The "exceptions" command of the command-line program: lists and edits the exceptions list.
#pragma once

namespace quillon::cli {

/// `quillon exceptions [list|add MODULE FILE|remove MODULE] [--json] [--settings DIR]`;
/// argv[1] is "exceptions". Exit codes: 0 done, 1 entry refused or not found, 2 usage or a
/// settings file that did not take the list.
int runExceptionsCommand(int argc, char** argv);

}  // namespace quillon::cli
