// Path helpers and the normalization of folder and file names read from the settings.
#include "platform/paths.h"

#include <filesystem>
#include <system_error>
#include <vector>

#include "platform/file_system.h"
#include "platform/native_path.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace quillon::platform {

namespace {

char upperAscii(char c)
{
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

bool startsWithDriveLetter(std::string_view path)
{
    if (path.size() < 2 || path[1] != ':')
        return false;
    const char c = upperAscii(path[0]);
    return c >= 'A' && c <= 'Z';
}

/// The length of the root of `path` ("/", "C:\", "C:"), which no trailing-separator edit touches.
std::size_t rootLength(std::string_view path)
{
    if (startsWithDriveLetter(path))
        return path.size() > 2 && isPathSeparator(path[2]) ? 3 : 2;
    return !path.empty() && isPathSeparator(path[0]) ? 1 : 0;
}

std::string_view trimBlanks(std::string_view s)
{
    while (!s.empty() && s.front() == ' ')
        s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ')
        s.remove_suffix(1);
    return s;
}

#ifdef _WIN32
/// Calls one of the Windows path functions that fill a buffer and return the length needed.
template <typename PathFunction>
std::string windowsPathCall(std::string_view path, PathFunction function)
{
    const std::wstring in = widePath(path);
    // Wine copies the name into a buffer of MAX_PATH characters on its stack: a longer name,
    // which no folder of these files has, is given back as it is.
    if (in.size() >= MAX_PATH)
        return std::string(path);
    std::vector<wchar_t> buffer(MAX_PATH + 1);
    for (int attempt = 0; attempt < 3; ++attempt) {
        const DWORD n = function(in.c_str(), buffer.data(), static_cast<DWORD>(buffer.size()));
        if (n == 0)
            return std::string(path);
        if (n < buffer.size())
            return pathFromWide(std::wstring_view(buffer.data(), n));
        buffer.resize(static_cast<std::size_t>(n) + 1);
    }
    return std::string(path);
}
#endif

}  // namespace

bool isPathSeparator(char c)
{
#ifdef _WIN32
    return c == '\\' || c == '/';
#else
    return c == '/';
#endif
}

bool isFullPath(std::string_view path)
{
#ifdef _WIN32
    const auto letter = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); };
    if (path.size() >= 3 && letter(path[0]) && path[1] == ':' && isPathSeparator(path[2]))
        return true;
    return path.size() >= 3 && isPathSeparator(path[0]) && isPathSeparator(path[1]) &&
           !isPathSeparator(path[2]);
#else
    return !path.empty() && path.front() == '/';
#endif
}

bool containsPathSeparator(std::string_view path)
{
    for (const char c : path) {
        if (isPathSeparator(c))
            return true;
    }
    return false;
}

bool endsWithPathSeparator(std::string_view path)
{
    return !path.empty() && isPathSeparator(path.back());
}

std::string withTrailingSeparator(std::string_view path)
{
    std::string out(path);
    if (!out.empty() && !endsWithPathSeparator(out))
        out += kPathSeparator;
    return out;
}

std::string withoutTrailingSeparator(std::string_view path)
{
    const std::size_t root = rootLength(path);
    while (path.size() > root && endsWithPathSeparator(path))
        path.remove_suffix(1);
    return std::string(path);
}

std::string folderOf(std::string_view path)
{
    for (std::size_t i = path.size(); i > 0; --i) {
        if (isPathSeparator(path[i - 1]))
            return std::string(path.substr(0, i));
    }
    return {};
}

std::string fileNameOf(std::string_view path)
{
    for (std::size_t i = path.size(); i > 0; --i) {
        if (isPathSeparator(path[i - 1]))
            return std::string(path.substr(i));
    }
    return std::string(path);
}

std::string joinPath(std::string_view folder, std::string_view name)
{
    while (!name.empty() && isPathSeparator(name.front()))
        name.remove_prefix(1);
    if (folder.empty())
        return std::string(name);
    return withTrailingSeparator(folder) + std::string(name);
}

std::string longPathForm(std::string_view path)
{
#ifdef _WIN32
    return windowsPathCall(path, [](const wchar_t* in, wchar_t* out, DWORD size) {
        return GetLongPathNameW(in, out, size);
    });
#else
    return std::string(path);
#endif
}

std::string shortPathForm(std::string_view path)
{
#ifdef _WIN32
    return windowsPathCall(path, [](const wchar_t* in, wchar_t* out, DWORD size) {
        return GetShortPathNameW(in, out, size);
    });
#else
    return std::string(path);
#endif
}

std::string fullPath(std::string_view path)
{
    if (path.empty())
        return {};
    std::error_code ec;
    const std::filesystem::path absolute = std::filesystem::absolute(fileSystemPath(path), ec);
    if (ec)
        return std::string(path);
    return pathText(absolute.lexically_normal());
}

std::string currentFolder()
{
    std::error_code ec;
    const std::filesystem::path current = std::filesystem::current_path(ec);
    return ec ? std::string() : pathText(current);
}

std::string programPath()
{
#ifdef _WIN32
    std::vector<wchar_t> buffer(MAX_PATH + 1);
    for (int attempt = 0; attempt < 5; ++attempt) {
        const DWORD n =
            GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (n == 0)
            return {};
        if (n < buffer.size())
            return pathFromWide(std::wstring_view(buffer.data(), n));
        buffer.resize(buffer.size() * 2);
    }
    return {};
#else
    std::vector<char> buffer(4096);
    for (int attempt = 0; attempt < 5; ++attempt) {
        const ssize_t n = ::readlink("/proc/self/exe", buffer.data(), buffer.size());
        if (n < 0)
            return {};
        if (static_cast<std::size_t>(n) < buffer.size())
            return std::string(buffer.data(), static_cast<std::size_t>(n));
        buffer.resize(buffer.size() * 2);
    }
    return {};
#endif
}

std::string programFolder(std::string_view programPath, std::string_view currentFolder)
{
    std::string folder = folderOf(programPath);
    if (folder.empty())
        folder = withTrailingSeparator(currentFolder);
    return folder;
}

std::string NormalizeFolderPath(const FileSystem& files, std::string_view path, int useLongAdd,
                                ExistenceCheck check)
{
    path = trimBlanks(path);
    if (path.empty())
        return {};
    std::string out(path);
    if (out.find('~') != std::string::npos)
        out = longPathForm(out);

#ifdef _WIN32
    out[0] = upperAscii(out[0]);
#else
    if (startsWithDriveLetter(out))
        out[0] = upperAscii(out[0]);
#endif

    // A Windows network path keeps the two separators that open it.
    std::size_t keep = 0;
#ifdef _WIN32
    if (out.size() >= 2 && out[0] == kPathSeparator && out[1] == kPathSeparator)
        keep = 2;
#endif
    std::string collapsed = out.substr(0, keep);
    for (std::size_t i = keep; i < out.size(); ++i) {
        if (out[i] == kPathSeparator && !collapsed.empty() && collapsed.size() >= keep &&
            collapsed.back() == kPathSeparator)
            continue;
        collapsed += out[i];
    }
    out = std::move(collapsed);

    if (useLongAdd == 1) {
        out = longPathForm(out);
    } else {
        // Upper-casing a name where the file system tells letter cases apart would make the file
        // unreachable; there the short form is the path itself.
        if constexpr (!kCaseSensitivePaths) {
            for (char& c : out)
                c = upperAscii(c);
        }
        out = shortPathForm(out);
    }

    if (trimBlanks(out).empty())
        return {};
    if (check == ExistenceCheck::Required && !files.exists(out))
        return {};
    return out;
}

}  // namespace quillon::platform
