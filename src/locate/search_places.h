// The places the search looks in: the system's folders and PATH, the default source folder,
// and the lists built once per pass from the settings (known files, history folders).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "locate/locate_state.h"

namespace quillon {
class Workspace;
}

namespace quillon::platform {
class Environment;
class FileSystem;
}  // namespace quillon::platform

namespace quillon::locate {

/// An existing folder, normalized (`NormalizeFolderPath` with `useLongAdd`) to a full path with
/// a trailing separator; empty text when the folder is blank or missing.
[[nodiscard]] std::string existingFolder(const platform::FileSystem& files, std::string_view folder,
                                         int useLongAdd = 1);

/// The places the search looks in for an environment: the PATH variable, the current folder,
/// and the Windows folders and WIN.INI (those of the Wine prefix off Windows: `WINEPREFIX`, or
/// ".wine" in `HOME`).
[[nodiscard]] LocateEnvironment locateEnvironment(const platform::FileSystem& files,
                                                  const platform::Environment& env);

/// The PATH folders as full paths with a trailing separator, in their order; empty entries
/// left out, relative ones taken from the current folder.
[[nodiscard]] std::vector<std::string> pathFolders(const platform::FileSystem& files,
                                                   std::string_view pathVariable);

/// The default source folder of `OptionAddFolder`: 1 the start-up folder, 2 `LastAddFolder`,
/// 3 `AddFolder`, 4 `BINFolder`, 5 the system folder, 6 `LIBFolder`, else the current folder;
/// empty when that folder does not exist.
[[nodiscard]] std::string defaultSourceFolder(const Workspace& ws, const LocateEnvironment& env);

/// The known files: the recent files ("Filelist<n>") and the compare files ("CompareFile" and
/// "CompareFile<n>"), n up to `UseRecentFiles`.
[[nodiscard]] KnownFiles buildKnownFiles(Workspace& ws);

/// The history folders, without duplicates and up to `limit`: "AddFolderDrop<n>",
/// "SaveFolderDrop<n>" and "FirstFolderDrop<n>" (n up to `UseRecentFolders`), the library
/// file's folder, the folders of the modules' files, `AddFolder` and `BINFolder`; only folders
/// that exist. Upper-cased where names ignore case (Windows), as they are elsewhere.
[[nodiscard]] std::vector<std::string> buildHistoryFolders(Workspace& ws, std::size_t limit);

}  // namespace quillon::locate
