// How paths are spelled on the file system and in the texts that show them.
#pragma once

#include <string>
#include <string_view>

namespace quillon::platform {

class FileSystem;

/// A path as the texts show it: upper-cased where names ignore letter case (Windows), as it is
/// spelled where letter case names another file.
[[nodiscard]] std::string shownPath(std::string_view path);

/// The spelling on disk of a file name that was made up rather than picked: where names are
/// case-sensitive and `path` does not exist, the one file of its folder whose name differs from
/// it only in letter case; otherwise (Windows, an existing path, no such file, or more than one)
/// `path` itself.
[[nodiscard]] std::string existingSpelling(FileSystem& files, const std::string& path);

}  // namespace quillon::platform
