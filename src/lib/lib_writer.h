// LibWriter: writes the library, or the flat list of extracted functions, as a Clarion LIB
// file that replaces the old one whole once it is complete and on disk.
#pragma once

#include <string>

#include "base/result.h"
#include "core/workspace.h"

namespace quillon::lib {

struct WriteOptions {
    bool showProgress = true;
    /// Switches progress off whatever `showProgress` says.
    bool quiet = false;
};

/// The library writer: writes one import definition record for every row of `LibraryList`
/// whose ordinal is not 0, in list order, to the file `CurrentFileName`. The records go to a new file
/// beside the target, which is flushed to stable storage, closed and renamed over the target in
/// one step: at every moment the target's name holds the complete old file or the complete new
/// one, and of two writers of one target the one that renames last wins whole. On any failure
/// the new file is removed and the target is left as it was; the failure is reported ("Open
/// file error!" when the new file cannot be created or put in place, "Disk full!", "Error
/// while saving file!"; none for code 2) and the posted error is returned.
[[nodiscard]] Status writeLibrary(Workspace& ws, const std::string& CurrentFileName,
                                  const WriteOptions& options = {});

/// The flat-list writer: the same for every row of `QueryResultList`, whatever its ordinal,
/// with trailing blanks removed from the names; code 2 is reported like any other error.
[[nodiscard]] Status writeQueryResults(Workspace& ws, const std::string& CurrentFileName,
                                       const WriteOptions& options = {});

}  // namespace quillon::lib
