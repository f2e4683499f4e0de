// Path text at the system's boundary: UTF-8 inside the program, converted where a path goes to
// or comes from the system, an older settings file or a person.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace quillon::platform {

/// Paths inside the program are UTF-8 text. Where a text is not well-formed UTF-8 it is taken
/// in the system's ANSI code page (Windows; elsewhere as the bytes it holds), the form earlier
/// versions kept paths in.

#ifdef _WIN32
/// The UTF-16 form of a path for the wide-character Windows functions.
[[nodiscard]] std::wstring widePath(std::string_view path);
/// A path handed back by the wide-character Windows functions.
[[nodiscard]] std::string pathFromWide(std::wstring_view path);
#endif

/// A path as the standard library's file system functions take it, and back.
[[nodiscard]] std::filesystem::path fileSystemPath(std::string_view path);
[[nodiscard]] std::string pathText(const std::filesystem::path& path);

/// A path in the platform's own form: on Windows every "/" becomes "\" (the file dialogs and
/// people write either); elsewhere the path itself.
[[nodiscard]] std::string nativePath(std::string_view path);

/// A path as the settings file held it: on Windows a value that is not UTF-8 is converted from
/// the ANSI code page (older versions wrote that), and the path is put in native form.
/// Elsewhere the value itself.
[[nodiscard]] std::string pathFromSettings(std::string_view stored);
/// A path as the settings file is to hold it: on Windows in the ANSI code page when that holds
/// every character and reads back the same (so that an older version still reads it), else in
/// UTF-8. Elsewhere the path itself.
[[nodiscard]] std::string pathForSettings(std::string_view path);

}  // namespace quillon::platform
