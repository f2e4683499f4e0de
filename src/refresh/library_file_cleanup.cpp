// Cleaning a LIB file up without a window.
#include "refresh/library_file_cleanup.h"

#include "program/command_line_save.h"

namespace quillon::refresh {

FileCleanupResult cleanupLibraryFile(Workspace& ws, const FileCleanupRequest& request,
                                     const RunMode& mode)
{
    FileCleanupResult result;
    if (!openLibraryFile(ws, request.libFile, request.target, result, mode))
        return result;
    result.loaded = true;

    result.record = maintenance::runCleanupSteps(ws, request.steps, locateSilently);
    result.symbols = ws.library.SymbolCount;
    // Ctrl+C or Escape during the steps, which look for it only while locating.
    if (result.record.cancelled || ws.cancel.poll()) {
        result.outcome = BatchOutcome::Cancelled;
        return result;
    }
    if (request.preview) {
        result.previewed = true;
        return result;
    }
    if (!result.record.anyRemoved() && result.target == result.libFile) {
        result.unchanged = true;
        return result;
    }
    writeLibraryFile(ws, result, false);
    return result;
}

ExitStatus fileCleanupExitCode(const FileCleanupResult& result)
{
    if (result.previewed || result.unchanged)
        return ExitStatus::Success;
    return libFileExitCode(result);
}

}  // namespace quillon::refresh
