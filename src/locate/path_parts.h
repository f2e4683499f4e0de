// Path pieces the search works with: separators, folder and name parts, the PATH list.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quillon::locate {

#ifdef _WIN32
inline constexpr char kSeparator = '\\';
inline constexpr char kPathListSeparator = ';';
#else
inline constexpr char kSeparator = '/';
inline constexpr char kPathListSeparator = ':';
#endif

/// "/" everywhere, and "\" as well on Windows.
[[nodiscard]] bool isSeparator(char c);
/// `path` ending in one separator; blank text gives empty text.
[[nodiscard]] std::string withTrailingSeparator(std::string_view path);
/// Everything up to and including the last separator; empty when there is none.
[[nodiscard]] std::string folderPart(std::string_view path);
/// Everything after the last separator.
[[nodiscard]] std::string namePart(std::string_view path);
/// Whether `path` names a place without reference to the current folder.
[[nodiscard]] bool isAbsolutePath(std::string_view path);
/// The folders of a PATH value, split at ";" (Windows) or ":" (elsewhere), in their order;
/// empty entries are left out, surrounding blanks and quotes removed.
[[nodiscard]] std::vector<std::string> splitPathList(std::string_view value);
/// Surrounding blanks removed.
[[nodiscard]] std::string_view trimBlanks(std::string_view text);
/// Upper-cases ASCII letters only (names are Windows-1252 bytes).
[[nodiscard]] std::string upperAscii(std::string_view text);

}  // namespace quillon::locate
