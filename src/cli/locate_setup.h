// How the subcommands that locate DLLs (locate, compare, update) set up the search of a run.
#pragma once

#include <CLI/CLI.hpp>

#include <string>
#include <vector>

#include "cli/command_context.h"
#include "locate/autolocate_options.h"

namespace quillon::cli {

/// Adds `--priority FOLDER` (repeatable) to `app`.
void addPriorityOption(CLI::App& app, std::vector<std::string>& folders);

/// The autolocate options of the settings file, with the `--priority` folders searched first
/// (the first as `FirstFolder`, the others after it). A folder that does not exist is named on
/// stderr and left out.
[[nodiscard]] locate::AutolocateOptions locateOptions(CommandContext& context,
                                                      const std::vector<std::string>& priority);

/// Makes every search of the run use `options`, the exceptions list and the places of the
/// system (PATH, the Wine prefix).
void useLocateOptions(CommandContext& context, const locate::AutolocateOptions& options);

}  // namespace quillon::cli
