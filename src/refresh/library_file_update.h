// Updating a LIB file from the executables on disk without a window: load it, update the
// library, write it back through the silent save.
#pragma once

#include <cstddef>
#include <string>

#include "program/batch_messages.h"
#include "program/exit_status.h"
#include "refresh/library_update.h"

namespace quillon::refresh {

struct FileUpdateRequest {
    /// The LIB file to update.
    std::string libFile;
    /// Where to write; empty writes the LIB file itself. A name without folder goes into the
    /// LIB file's folder.
    std::string target;
};

/// Why an update refused to start: nothing was read or written.
enum class FileUpdateRefusal {
    None,
    /// The file to update is not named as a LIB file (a DLL would be overwritten with LIB
    /// records).
    NotLibFile,
    /// The file to write is not named as a LIB file.
    TargetNotLibName,
};

/// What a run over one LIB file did, whatever it changed in the library.
struct LibFileResult {
    /// Saved; NotLocated when the LIB file is missing (or the run found nothing to work on:
    /// nothing was written); NoNames when the file holds no import definitions or nothing was
    /// left to write; Cancelled; OpenFileError or WriteFailed when writing failed.
    BatchOutcome outcome = BatchOutcome::NotLocated;
    FileUpdateRefusal refusal = FileUpdateRefusal::None;
    std::string libFile;
    std::string target;
    std::size_t symbols = 0;
    /// The posted error of a failed read or write, and its text.
    int code = 0;
    std::string errorText;
    [[nodiscard]] bool written() const { return outcome == BatchOutcome::Saved; }
};

struct FileUpdateResult : LibFileResult {
    UpdateOutcome update;
};

/// Names the files of a run over `libFile` into `result`: the LIB file as a full path, and the
/// file to write (`target`; empty writes the LIB file itself, a name without folder goes into
/// the LIB file's folder). Refuses a file or target not named as a LIB file. True when the run
/// may go on to load the LIB file.
bool nameLibraryFiles(const Workspace& ws, const std::string& libFile, const std::string& target,
                      LibFileResult& result);

/// Loads `result.libFile` (a full path) into the empty library. On failure sets the outcome
/// (a refusal when the name does not end in ".LIB", NotLocated when the file is missing,
/// Cancelled, NoNames with the read error) and returns false.
bool loadLibraryForUpdate(Workspace& ws, LibFileResult& result, const RunMode& mode = {});

/// `nameLibraryFiles`, then `loadLibraryForUpdate`: the LIB file becomes the library, unchanged,
/// with the file to write as its target. True when the run may go on.
bool openLibraryFile(Workspace& ws, const std::string& libFile, const std::string& target,
                     LibFileResult& result, const RunMode& mode);

/// Writes the library into `result.target` (which becomes its target) with the sort and writer
/// of a silent run, after the cleanup the settings ask when `cleanUp` is set, and records the
/// outcome and the symbols written in `result`.
void writeLibraryFile(Workspace& ws, LibFileResult& result, bool cleanUp);

/// Loads `request.libFile`, runs Update library on it and writes the result with the cleanup,
/// sort and writer of a silent run (the old file stays whole until the new one is complete and
/// takes its place). A file or target not named as a LIB file is refused before anything is read.
/// Nothing is written when no module was updated: the file is left untouched.
FileUpdateResult updateLibraryFile(Workspace& ws, const FileUpdateRequest& request,
                                   const RunMode& mode = {});

/// The exit status of a run over a LIB file that wrote it or not: NotLibFile for a refusal,
/// Success when written, NoNames, NotFound, Cancelled, or WriteFailed.
[[nodiscard]] ExitStatus libFileExitCode(const LibFileResult& result);

/// The exit status of `quillon update`: NotLibFile for a refusal, Success when written,
/// ModulesKept when written but located modules were kept unread, NoNames when the file holds
/// no import definitions, NotFound when it is missing or no module was updated, Cancelled, or
/// WriteFailed.
[[nodiscard]] ExitStatus fileUpdateExitCode(const FileUpdateResult& result);

}  // namespace quillon::refresh
