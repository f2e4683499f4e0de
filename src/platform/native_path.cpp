// Path text at the system's boundary.
#include "platform/native_path.h"

#include <algorithm>

#include "base/text_encoding.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace quillon::platform {

#ifdef _WIN32
namespace {

std::wstring toWide(std::string_view text, UINT codePage)
{
    if (text.empty())
        return {};
    const int size = static_cast<int>(text.size());
    const int n = MultiByteToWideChar(codePage, 0, text.data(), size, nullptr, 0);
    if (n <= 0)
        return {};
    std::wstring out(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), size, out.data(), n);
    return out;
}

/// `text` in `codePage`; empty when a character has no byte there.
std::string fromWide(std::wstring_view text, UINT codePage)
{
    if (text.empty())
        return {};
    const int size = static_cast<int>(text.size());
    BOOL lost = FALSE;
    BOOL* lostFlag = codePage == CP_UTF8 ? nullptr : &lost;
    const int n = WideCharToMultiByte(codePage, codePage == CP_UTF8 ? 0 : WC_NO_BEST_FIT_CHARS,
                                      text.data(), size, nullptr, 0, nullptr, lostFlag);
    if (n <= 0 || lost)
        return {};
    std::string out(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(codePage, codePage == CP_UTF8 ? 0 : WC_NO_BEST_FIT_CHARS, text.data(),
                        size, out.data(), n, nullptr, lostFlag);
    return lost ? std::string() : out;
}

}  // namespace

std::wstring widePath(std::string_view path)
{
    return toWide(path, isUtf8(path) ? CP_UTF8 : CP_ACP);
}

std::string pathFromWide(std::wstring_view path)
{
    return fromWide(path, CP_UTF8);
}
#endif

std::filesystem::path fileSystemPath(std::string_view path)
{
#ifdef _WIN32
    return std::filesystem::path(widePath(path));
#else
    return std::filesystem::path(std::string(path));
#endif
}

std::string pathText(const std::filesystem::path& path)
{
#ifdef _WIN32
    return pathFromWide(path.native());
#else
    return path.native();
#endif
}

std::string nativePath(std::string_view path)
{
    std::string out(path);
#ifdef _WIN32
    std::replace(out.begin(), out.end(), '/', '\\');
#endif
    return out;
}

std::string pathFromSettings(std::string_view stored)
{
#ifdef _WIN32
    if (!isUtf8(stored))
        return nativePath(pathFromWide(toWide(stored, CP_ACP)));
#endif
    return nativePath(stored);
}

std::string pathForSettings(std::string_view path)
{
#ifdef _WIN32
    if (!isUtf8(path))
        return std::string(path);
    const std::string ansi = fromWide(toWide(path, CP_UTF8), CP_ACP);
    // A value that reads back as UTF-8 would be taken for it: such a path stays in UTF-8.
    if (!ansi.empty() && (ansi == path || !isUtf8(ansi)))
        return ansi;
#endif
    return std::string(path);
}

}  // namespace quillon::platform
