// The silent LIB-file run of the command-line program.
#include "cli/batch_command.h"

#include <cstdio>

#include "cli/command_context.h"
#include "cli/program_help.h"
#include "program/command_line.h"
#include "program/command_line_save.h"

namespace quillon::cli {

namespace {

/// The batch form's own options, taken out of the arguments wherever they stand.
struct BatchArguments {
    CommonOptions common;
    bool interactive = false;
    std::vector<std::string> parameters;
};

}  // namespace

ExitStatus runBatchCommand(const std::vector<std::string>& arguments,
                           volatile std::sig_atomic_t& interrupted)
{
    BatchArguments a;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& arg = arguments[i];
        if (arg == "--help" || arg == "-h" || arg == "--version") {
            const std::optional<std::string> failed = writeStandardOutput(
                arg == "--version" ? "quillon (Clarion Quillon 32) " QUILLON_VERSION "\n"
                                   : programHelp());
            if (!failed)
                return ExitStatus::Success;
            std::fprintf(stderr, "quillon: standard output: %s\n", failed->c_str());
            return ExitStatus::WriteFailed;
        }
        if (arg == "--interactive") {
            a.interactive = true;
        } else if (arg == "--quiet") {
            a.common.quiet = true;
        } else if (arg == "--settings" && i + 1 < arguments.size()) {
            a.common.settingsDir = arguments[++i];
        } else if (arg.starts_with("--settings=")) {
            a.common.settingsDir = arg.substr(11);
        } else if (arg.size() > 1 && arg.front() == '-') {
            std::fprintf(stderr, "quillon: unknown option %s (see --help)\n", arg.c_str());
            return ExitStatus::Usage;
        } else {
            a.parameters.push_back(arg);
        }
    }
    const CommandLine line = parseCommandLine(a.parameters, platformSwitchRule());
    if (line.inputFiles.empty()) {
        std::fputs("quillon: no input file (see --help)\n", stderr);
        return ExitStatus::Usage;
    }
    if (!line.silent) {
        std::fputs("quillon: add /s or /s:OUT.LIB to write a LIB file (see --help)\n", stderr);
        return ExitStatus::Usage;
    }

    CommandContext context("", {}, interrupted, a.common);
    Workspace& ws = context.open(SettingsUse::ReadWrite, a.interactive);
    // The parameters after the input files that are not the switch are not read.
    for (std::size_t i = line.inputFiles.size(); i < line.parameters.size(); ++i) {
        if (!isSilentSwitch(line.parameters[i]))
            context.tell(line.parameters[i] + ": not read: input files come before /s");
    }
    LoaderHooks hooks;
    hooks.fileStarted = [&context](std::size_t position, std::size_t count,
                                   const std::string& path) {
        context.ui().fileProgress(position, count, path);
    };
    BatchResult result;
    (void)processCommandLine(ws, line, hooks, &result, ResultForm::Terminal);
    context.ui().progressEnd();
    for (const std::string& missing : result.missingInputs)
        context.tell(missing + ": file not found");
    return batchExitCode(result);
}

}  // namespace quillon::cli
