// Parsing a subcommand's arguments with CLI11, with the exit codes of the command-line program.
#pragma once

#include <CLI/CLI.hpp>

#include <optional>

namespace quillon::cli {

/// Parses `argv[1..]` (argv[0] is the subcommand's word) into `app`. Returns nothing when the
/// command is to run; otherwise the exit code to end with: 0 after "--help" printed the usage
/// to stdout, 2 after a usage error was printed with the usage to stderr.
[[nodiscard]] std::optional<int> parseSubcommand(CLI::App& app, int argc, char** argv);

/// Marks `option` as naming files or folders: each value is taken in the platform's own form
/// (on Windows "C:/LIBS/MY.LIB" becomes "C:\LIBS\MY.LIB"). Returns `option`.
CLI::Option* asPath(CLI::Option* option);

}  // namespace quillon::cli
