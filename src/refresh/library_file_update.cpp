// Updating a LIB file without a window.
#include "refresh/library_file_update.h"

#include "base/lib_file_name.h"
#include "platform/paths.h"
#include "program/command_line.h"
#include "program/command_line_save.h"
#include "program/file_loader.h"

namespace quillon::refresh {

bool nameLibraryFiles(const Workspace& ws, const std::string& libFile, const std::string& target,
                      LibFileResult& result)
{
    result.libFile = ws.files().fullPath(libFile);
    if (trimBlanks(target).empty())
        result.target = result.libFile;
    else if (hasFolder(target))
        result.target = ws.files().fullPath(target);
    else
        result.target = platform::joinPath(platform::folderOf(result.libFile), target);
    if (!isLibFileName(result.libFile)) {
        result.refusal = FileUpdateRefusal::NotLibFile;
        return false;
    }
    if (!isLibFileName(result.target)) {
        result.refusal = FileUpdateRefusal::TargetNotLibName;
        return false;
    }
    return ws.files().isFile(result.libFile);
}

bool loadLibraryForUpdate(Workspace& ws, LibFileResult& result, const RunMode& mode)
{
    if (!isLibFileName(result.libFile)) {
        result.refusal = FileUpdateRefusal::NotLibFile;
        return false;
    }
    if (!ws.files().isFile(result.libFile)) {
        result.outcome = BatchOutcome::NotLocated;
        return false;
    }
    ws.cancel.clear();
    OpenRequest open;
    open.mode = mode;
    open.reload = true;
    maintenance::DuplicateAnswerState answers = maintenance::DuplicateAnswerState::singleFile();
    const OpenResult opened = openSingleFile(ws, result.libFile, open, answers);
    if (opened.cancelled) {
        result.outcome = BatchOutcome::Cancelled;
        return false;
    }
    if (opened.rowsAdded < 2) {
        result.outcome = BatchOutcome::NoNames;
        result.code = opened.outcome.ReadStatus;
        result.errorText = opened.outcome.ErrorText;
        return false;
    }
    return true;
}

bool openLibraryFile(Workspace& ws, const std::string& libFile, const std::string& target,
                     LibFileResult& result, const RunMode& mode)
{
    if (!nameLibraryFiles(ws, libFile, target, result) || !loadLibraryForUpdate(ws, result, mode))
        return false;
    ws.library.LibraryFileName = result.target;
    ws.library.LibraryChanged = false;
    return true;
}

FileUpdateResult updateLibraryFile(Workspace& ws, const FileUpdateRequest& request,
                                   const RunMode& mode)
{
    FileUpdateResult result;
    if (!openLibraryFile(ws, request.libFile, request.target, result, mode))
        return result;

    result.update = updateLibrary(ws, mode);
    result.symbols = ws.library.SymbolCount;
    if (result.update.cancelled) {
        result.outcome = BatchOutcome::Cancelled;
        return result;
    }
    if (result.update.updated == 0) {
        result.outcome = BatchOutcome::NotLocated;
        return result;
    }
    writeLibraryFile(ws, result, true);
    return result;
}

void writeLibraryFile(Workspace& ws, LibFileResult& result, bool cleanUp)
{
    const BatchResult written = writeLibrarySilently(ws, result.target, cleanUp);
    result.outcome = written.outcome;
    result.code = written.code;
    result.errorText = written.errorText;
    result.symbols = ws.library.SymbolCount;
}

ExitStatus libFileExitCode(const LibFileResult& result)
{
    if (result.refusal != FileUpdateRefusal::None)
        return ExitStatus::NotLibFile;
    return batchExitCode(BatchResult{
        result.outcome, result.target, result.code, result.errorText, !result.written(), {}});
}

ExitStatus fileUpdateExitCode(const FileUpdateResult& result)
{
    if (result.refusal == FileUpdateRefusal::None && result.written() &&
        result.update.unreadable > 0)
        return ExitStatus::ModulesKept;
    return libFileExitCode(result);
}

}  // namespace quillon::refresh
