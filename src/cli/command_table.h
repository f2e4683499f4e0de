// The subcommands of `quillon`: one table of name, summary and run function, from which the
// program dispatches and its help lists them.
#pragma once

#include <csignal>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "cli/command_context.h"
#include "program/exit_status.h"

namespace quillon::cli {

struct Command {
    std::string_view name;
    /// One line for the program's help.
    std::string_view summary;
    /// Parses the subcommand's arguments through the context and runs it.
    ExitStatus (*run)(CommandContext& context);
};

/// Every subcommand, in the order the help lists them.
[[nodiscard]] std::span<const Command> commands();

/// The subcommand of that name; null when there is none.
[[nodiscard]] const Command* findCommand(std::string_view name);

/// Runs the program over its arguments (without the program's name): the subcommand named by
/// the first argument that is not a common option (`--settings DIR`, `--quiet`, which may also
/// stand before the name), else the LIB-file run of the batch form. `interrupted` is the flag
/// of the Ctrl+C handler.
[[nodiscard]] ExitStatus runProgram(const std::vector<std::string>& arguments,
                                    volatile std::sig_atomic_t& interrupted);

}  // namespace quillon::cli
