// Silent command-line runs: load the named files, clean up, write the LIB file, report once.
#pragma once

#include <string>
#include <vector>

#include "program/batch_messages.h"
#include "program/command_line.h"
#include "program/exit_status.h"
#include "program/file_loader.h"
#include "core/workspace.h"

namespace quillon {

/// How a silent run ended, for exit codes and scripts.
struct BatchResult {
    BatchOutcome outcome = BatchOutcome::NotLocated;
    /// The target LIB file ("LIB-file name:"), empty when none could be named.
    std::string target;
    /// The writer's posted error code and text when writing failed.
    int code = 0;
    std::string errorText;
    /// Nothing was left to write after the cleanup, or no target could be named: no message.
    bool nothingWritten = false;
    /// The input files of the command line that were not found, as typed.
    std::vector<std::string> missingInputs;
};

/// `ProcessCommandLine`: loads the input files of `line` (those that exist) with the multi-file
/// loader and, in silent mode (the line holds "/s"), runs `CommandLineSave`. Returns 1 when silent mode processed the
/// command line, 0 otherwise (no parameters, or the files were loaded for interactive work).
int processCommandLine(Workspace& ws, const CommandLine& line, const LoaderHooks& hooks = {},
                       BatchResult* result = nullptr, ResultForm form = ResultForm::MessageBox);

/// `CommandLineSave`: cleans the library up as the settings ask, sorts it by `UseLIBSortOrder`,
/// writes the target LIB file and shows the one result message (unless `UseNoMessages`) in the
/// given form. A target named after the first input takes the spelling of an existing file that
/// differs from it only in letter case.
BatchResult commandLineSave(Workspace& ws, const CommandLine& line,
                            ResultForm form = ResultForm::MessageBox);

/// The cleanup, sort and write of a silent run into `target` (a full path), which becomes the
/// library's target; the writer's messages are suppressed and no result message is shown.
/// Without `cleanUp` the library is written as it stands, only sorted. The outcome is Saved,
/// NoNames (nothing left after the cleanup; `nothingWritten`), OpenFileError or WriteFailed.
BatchResult writeLibrarySilently(Workspace& ws, const std::string& target, bool cleanUp = true);

/// The locating pass of a silent run over the whole library (`UpdateLibraryData` in mode 2),
/// which shows no message when a search fails.
void locateSilently(Workspace& ws);

/// The exit status of a silent run: Success only when the LIB file was written from every
/// input file; SomeNotFound when it was written but some input files were not found.
[[nodiscard]] ExitStatus batchExitCode(const BatchResult& result);

}  // namespace quillon
