// What a drop of files on the main window holds and what it does with them.
#pragma once

#include <string>
#include <vector>

class QMimeData;

namespace quillon::app {

/// The files (not folders, not remote addresses) of a drop, in the order dropped.
[[nodiscard]] std::vector<std::string> droppedFiles(const QMimeData& data);

/// True when the drop opens its file as the library: a single LIB file dropped on an empty
/// library. Otherwise the files are added as "Add file" adds them.
[[nodiscard]] bool dropOpensLibrary(const std::vector<std::string>& files, bool libraryEmpty);

}  // namespace quillon::app
