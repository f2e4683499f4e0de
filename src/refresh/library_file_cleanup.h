// Cleaning a LIB file up without a window: load it, run the chosen cleanup steps, write it back
// through the silent save.
#pragma once

#include <string>

#include "maintenance/library_cleanup.h"
#include "refresh/library_file_update.h"

namespace quillon::refresh {

struct FileCleanupRequest {
    /// The LIB file to clean up.
    std::string libFile;
    /// Where to write; empty writes the LIB file itself. A name without folder goes into the
    /// LIB file's folder.
    std::string target;
    maintenance::CleanupSteps steps;
    /// Only find what the steps would remove: nothing is written.
    bool preview = false;
};

struct FileCleanupResult : LibFileResult {
    /// The LIB file was loaded and the steps ran (or were stopped).
    bool loaded = false;
    maintenance::CleanupRecord record;
    /// Nothing was removed and the target is the LIB file itself: it was left untouched.
    bool unchanged = false;
    /// The steps ran for a preview: nothing was written.
    bool previewed = false;
};

/// Loads `request.libFile`, runs the cleanup steps on it and writes the library that remains
/// with the sort and writer of a silent run, without any other cleanup (the old file stays
/// whole until the new one is complete and takes its place). A file or target not named as a
/// LIB file is refused before anything is read. Nothing is written when nothing was removed and
/// the target is the LIB file itself, when nothing would be left, or for a preview.
FileCleanupResult cleanupLibraryFile(Workspace& ws, const FileCleanupRequest& request,
                                     const RunMode& mode = {});

/// The exit status of `quillon cleanup`: Success when written, left unchanged or previewed;
/// otherwise as `libFileExitCode`.
[[nodiscard]] ExitStatus fileCleanupExitCode(const FileCleanupResult& result);

}  // namespace quillon::refresh
