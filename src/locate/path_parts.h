// Text pieces the search works with: the PATH list, blanks, upper case, absolute paths.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "base/ascii_text.h"

namespace quillon::locate {

/// The separator between the folders of the PATH variable.
#ifdef _WIN32
inline constexpr char kPathListSeparator = ';';
#else
inline constexpr char kPathListSeparator = ':';
#endif

/// Whether `path` names a place without reference to the current folder.
[[nodiscard]] bool isAbsolutePath(std::string_view path);
/// The folders of a PATH value, split at ";" (Windows) or ":" (elsewhere), in their order;
/// empty entries are left out, surrounding blanks and quotes removed.
[[nodiscard]] std::vector<std::string> splitPathList(std::string_view value);
/// Upper-cases ASCII letters only (names are Windows-1252 bytes).
[[nodiscard]] std::string upperAscii(std::string_view text);

}  // namespace quillon::locate
