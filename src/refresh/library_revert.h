// Revert (Ctrl+R; "&Recall last file" on an empty library): the whole library reloaded from
// its file, unsaved changes dropped.
#pragma once

#include <string>

#include "core/run_mode.h"
#include "core/workspace.h"

namespace quillon::refresh {

/// The file a revert loads: the target LIB file; without one, the file of the only module;
/// otherwise the present file of the recent files ("File was not found on disk!" when none
/// is recorded).
[[nodiscard]] std::string revertFileName(const Workspace& ws);

/// How a revert ended.
enum class RevertEnd {
    /// The library was emptied and loaded again from `file`.
    Reverted,
    /// No file to load: "Missing data!"; the library is as it was.
    MissingData,
    /// The file is not on disk: "File not found!"; the library is as it was.
    FileNotFound,
    /// The file could not be read whole (damaged, cut short, no rights, no names) or its load
    /// was cancelled: the reader's message is shown and the library is as it was.
    NotRead,
};

struct RevertResult {
    RevertEnd end = RevertEnd::MissingData;
    std::string file;
};

/// Revert: chooses the file, reports a missing one before anything is removed, then loads the
/// file whole with the single-file open routine into an emptied library, as "Clear all
/// modules" leaves it; a file that is not read whole puts the library back as it was. A
/// library without a target takes the loaded LIB file as its target (or the name derived from
/// an executable, as adding one does). `LibraryChanged` is clear afterwards.
RevertResult revertLibrary(Workspace& ws, const RunMode& mode = {});

}  // namespace quillon::refresh
