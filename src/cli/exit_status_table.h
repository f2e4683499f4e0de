// The exit statuses of `quillon`, written down once: what each status means for each subcommand.
#pragma once

#include <string>
#include <string_view>

#include "program/exit_status.h"

namespace quillon::cli {

/// The name under which the status table keeps the LIB-file run (`quillon FILE... /s`).
inline constexpr std::string_view kBatchForm = "/s";

/// One line of the status table: what `status` means when `command` ends with it.
struct StatusMeaning {
    std::string_view command;
    ExitStatus status;
    std::string_view meaning;
};

/// The exit statuses of `command` ("list", or `kBatchForm`) as a help section: "Exit status:"
/// and one line per status, number and meaning. Empty for an unknown command.
[[nodiscard]] std::string exitStatusHelp(std::string_view command);

/// True when the table gives `command` the status `status`.
[[nodiscard]] bool hasExitStatus(std::string_view command, ExitStatus status);

}  // namespace quillon::cli
