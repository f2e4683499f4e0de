// Revert (Ctrl+R; "&Recall last file" on an empty library): the whole library reloaded from
// its file, unsaved changes dropped.
#pragma once

#include <string>

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
};

struct RevertResult {
    RevertEnd end = RevertEnd::MissingData;
    std::string file;
};

/// Revert: chooses the file, reports a missing one before anything is removed, then empties
/// the library as "Clear all modules" does and loads the file whole with the single-file open
/// routine. A library without a target takes the loaded LIB file as its target (or the name
/// derived from an executable, as adding one does). `LibraryChanged` is clear afterwards.
RevertResult revertLibrary(Workspace& ws);

}  // namespace quillon::refresh
