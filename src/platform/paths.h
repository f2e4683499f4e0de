// Path helpers: separators, folder endings, long and short forms, full paths, the program's own
// folder, and NormalizeFolderPath for every folder and file name taken from the settings.
#pragma once

#include <string>
#include <string_view>

namespace quillon::platform {

class FileSystem;

#ifdef _WIN32
inline constexpr char kPathSeparator = '\\';
/// Names on the file system compare without regard to letter case.
inline constexpr bool kCaseSensitivePaths = false;
#else
inline constexpr char kPathSeparator = '/';
inline constexpr bool kCaseSensitivePaths = true;
#endif

/// The platform's separator; on Windows "/" is accepted as well.
[[nodiscard]] bool isPathSeparator(char c);
[[nodiscard]] bool containsPathSeparator(std::string_view path);
[[nodiscard]] bool endsWithPathSeparator(std::string_view path);
/// True when `path` names its file from a root rather than from the current folder: "/..." on
/// Linux; on Windows a drive letter, ":" and a separator ("C:\\x"), or a network path
/// ("\\\\server\\share").
[[nodiscard]] bool isFullPath(std::string_view path);
/// `path` ending in one separator; empty text stays empty.
[[nodiscard]] std::string withTrailingSeparator(std::string_view path);
/// `path` without its trailing separators; a root ("/", "C:\") keeps its separator.
[[nodiscard]] std::string withoutTrailingSeparator(std::string_view path);
/// Everything up to and including the last separator; empty when there is none.
[[nodiscard]] std::string folderOf(std::string_view path);
/// Everything after the last separator.
[[nodiscard]] std::string fileNameOf(std::string_view path);
/// `folder` and `name` joined by exactly one separator.
[[nodiscard]] std::string joinPath(std::string_view folder, std::string_view name);

/// The long-name form of an existing path (Windows); elsewhere, and when the path cannot be
/// resolved, the path itself.
[[nodiscard]] std::string longPathForm(std::string_view path);
/// The short (8.3) form of an existing path (Windows); elsewhere, and when the path cannot be
/// resolved, the path itself.
[[nodiscard]] std::string shortPathForm(std::string_view path);
/// The absolute form of `path`, relative paths taken against the current folder, "." and ".."
/// resolved; empty text stays empty.
[[nodiscard]] std::string fullPath(std::string_view path);
/// The current folder, without a trailing separator (unless it is a root).
[[nodiscard]] std::string currentFolder();

/// The full path of the running program; empty when the system does not tell it.
[[nodiscard]] std::string programPath();
/// The program folder: everything of `programPath` up to and including its last separator, or
/// `currentFolder` followed by a separator when the path holds none.
[[nodiscard]] std::string programFolder(std::string_view programPath,
                                        std::string_view currentFolder);

/// Whether `NormalizeFolderPath` requires the path to exist.
enum class ExistenceCheck { Required, Skipped };

/// NormalizeFolderPath: blank gives empty text; leading and trailing blanks are removed, a
/// short-name component ("~") is replaced by the long form, a drive letter ("x:") is upper-cased,
/// doubled separators are collapsed (a Windows UNC prefix "\\" is kept), and the long form
/// (`useLongAdd` 1) or the short form (otherwise; upper-cased first where names ignore case) is
/// taken. Returns the result, or empty text when the path does not exist on disk (unless the
/// check is skipped).
[[nodiscard]] std::string NormalizeFolderPath(const FileSystem& files, std::string_view path,
                                              int useLongAdd,
                                              ExistenceCheck check = ExistenceCheck::Required);

}  // namespace quillon::platform
