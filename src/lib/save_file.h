// SaveFile: the save command of the main window — target name, cleanup, sort, writer, status.
#pragma once

#include <functional>
#include <string>

#include "core/run_mode.h"
#include "core/workspace.h"

namespace quillon::lib {

/// What `SaveFile` writes.
enum class SaveWhat { Library = 1, QueryResults = 2 };

/// The operations of other subsystems that the save command calls. An empty function is a step
/// that does not run (its subsystem is not part of the program, or a test leaves it out).
struct SaveHooks {
    /// `UpdateLibraryData`: mode 2 locates every module, mode 0 refreshes the module data.
    std::function<void(Workspace&, int mode)> updateLibraryData;
    /// `RemoveInconsistentModules`, with the unlocated modules too when asked.
    std::function<void(Workspace&, bool removeUnlocated)> removeInconsistentModules;
    /// `RemoveDuplicateModules`, quietly.
    std::function<void(Workspace&)> removeDuplicateModules;
    /// `RemoveMarkedSymbols`, quietly.
    std::function<void(Workspace&)> removeMarkedSymbols;
    /// Adds a saved file to the recent files.
    std::function<void(Workspace&, const std::string& fileName)> addRecentFile;
    /// Refreshes the main window after the save.
    std::function<void(Workspace&)> refreshMainWindow;
};

/// The default name for saving the extracted functions: the library's name without folder and
/// extension, first letter upper case and the rest lower case, followed by "_extract.lib"
/// (with `UseLongAdd` on) or cut to 6 upper-case characters followed by "_E.LIB", in the
/// folder of the library's file.
[[nodiscard]] std::string extractFileName(const Workspace& ws);

/// `SaveFile`: saves `LibraryList` (after the cleanup steps the settings ask for and the sort
/// of `UseLIBSortOrder`) or `QueryResultList` under `LibraryFileName` or, with `askName`, under
/// a name chosen in the save dialog, and reports the outcome in the status bar. Returns 1 when
/// `LibraryList` was saved, 0 otherwise (nothing to save, dialog cancelled, failure, or the
/// extracted functions were saved).
[[nodiscard]] int saveFile(Workspace& ws, SaveWhat what = SaveWhat::Library, bool askName = false,
                           const SaveHooks& hooks = {}, const RunMode& mode = {});

}  // namespace quillon::lib
