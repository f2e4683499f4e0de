// LibWriter: writes the library, or the flat list of extracted functions, as a Clarion LIB
// file, keeping the old file as a backup until the new one is complete and on disk.
#pragma once

#include <string>
#include <string_view>

#include "base/result.h"
#include "core/workspace.h"

namespace quillon::lib {

struct WriteOptions {
    bool showProgress = true;
    /// Switches progress off whatever `showProgress` says.
    bool quiet = false;
};

/// The backup name of a target: the name without its last character, then "_"
/// (MYLIB.LIB gives MYLIB.LI_), in the same folder.
[[nodiscard]] std::string backupName(std::string_view target);

/// The library writer: writes one import definition record for every row of `LibraryList`
/// whose ordinal is not 0, in list order, to `CurrentFileName`. An existing target is renamed
/// to its backup name first, and the backup is deleted only after the new file has been
/// flushed to stable storage and closed. On any failure the new file is deleted, the backup
/// is renamed back, the failure is reported ("Open file error!", "Disk full!", "Error while
/// saving file!"; none for code 2 after closing) and the posted error is returned.
[[nodiscard]] Status writeLibrary(Workspace& ws, const WriteOptions& options = {});

/// The flat-list writer: the same for every row of `QueryResultList`, whatever its ordinal,
/// with trailing blanks removed from the names; code 2 is reported like any other error.
[[nodiscard]] Status writeQueryResults(Workspace& ws, const WriteOptions& options = {});

}  // namespace quillon::lib
