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

struct FileUpdateResult {
    /// Saved; NotLocated when the LIB file is missing or no module was located (nothing was
    /// written); NoNames when the file holds no import definitions or nothing was left to
    /// write; Cancelled; OpenFileError or WriteFailed when writing failed.
    BatchOutcome outcome = BatchOutcome::NotLocated;
    FileUpdateRefusal refusal = FileUpdateRefusal::None;
    UpdateOutcome update;
    std::string libFile;
    std::string target;
    std::size_t symbols = 0;
    /// The posted error of a failed read or write, and its text.
    int code = 0;
    std::string errorText;
    [[nodiscard]] bool written() const { return outcome == BatchOutcome::Saved; }
};

/// Loads `result.libFile` (a full path) into the empty library. On failure sets the outcome
/// (a refusal when the name does not end in ".LIB", NotLocated when the file is missing,
/// Cancelled, NoNames with the read error) and returns false.
bool loadLibraryForUpdate(Workspace& ws, FileUpdateResult& result, const RunMode& mode = {});

/// Loads `request.libFile`, runs Update library on it and writes the result with the cleanup,
/// sort and writer of a silent run (the old file stays whole until the new one is complete and
/// takes its place). A file or target not named as a LIB file is refused before anything is read.
/// Nothing is written when no module was updated: the file is left untouched.
FileUpdateResult updateLibraryFile(Workspace& ws, const FileUpdateRequest& request,
                                   const RunMode& mode = {});

/// The exit status of `quillon update`: NotLibFile for a refusal, Success when written,
/// ModulesKept when written but located modules were kept unread, NoNames when the file holds
/// no import definitions, NotFound when it is missing or no module was updated, Cancelled, or
/// WriteFailed.
[[nodiscard]] ExitStatus fileUpdateExitCode(const FileUpdateResult& result);

}  // namespace quillon::refresh
