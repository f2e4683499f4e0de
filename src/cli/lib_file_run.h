// What the commands that write a LIB file back (update, cleanup) share: the FILE.LIB, -o and
// /s arguments, and the telling of a refusal or of a file not written.
#pragma once

#include <CLI/CLI.hpp>

#include <optional>
#include <string>

#include "cli/command_context.h"
#include "refresh/library_file_update.h"

namespace quillon::cli {

struct LibFileArguments {
    std::string libFile;
    std::string silentSwitch;
    std::string output;
};

/// Adds `-o,--output OUT.LIB`, the required FILE.LIB (`libFileHelp` tells what is done to it)
/// and the optional SWITCH (/s or /s:OUT.LIB, as the batch form takes it).
void addLibFileArguments(CLI::App& app, LibFileArguments& arguments,
                         const std::string& libFileHelp);

/// After parsing: takes the switch (which may come first, as in "update /s:NEW.LIB FILE.LIB")
/// into `arguments.output`. Nothing when the run goes on; otherwise the usage error's status.
[[nodiscard]] std::optional<ExitStatus> takeSilentSwitch(const CommandContext& context,
                                                         LibFileArguments& arguments);

/// Tells why the run refused to start; true when it did.
bool tellRefusal(const CommandContext& context, const refresh::LibFileResult& result);

/// Tells why a loaded file was not written: no import definitions, cancelled, or the write that
/// failed. Nothing for the other outcomes.
void tellNotWritten(const CommandContext& context, const refresh::LibFileResult& result);

/// The JSON result's name of `outcome`: "written", "no import definitions", "cancelled"...
[[nodiscard]] const char* outcomeName(BatchOutcome outcome);

}  // namespace quillon::cli
