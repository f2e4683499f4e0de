// Windows folders and profile files, and the Wine prefix that stands in for them off Windows.
#include "platform/wine_prefix.h"

#include "base/ascii_text.h"
#include "platform/environment.h"
#include "platform/file_system.h"
#include "platform/native_path.h"
#include "platform/paths.h"

#ifdef _WIN32
#include <windows.h>

#include <vector>
#endif

namespace quillon::platform {

namespace {

std::string existingFolder(const FileSystem& files, const std::string& folder)
{
    if (folder.empty() || !files.isFolder(folder))
        return {};
    return withTrailingSeparator(folder);
}

#ifdef _WIN32
template <typename FolderFunction>
std::string windowsFolderCall(FolderFunction function)
{
    std::vector<wchar_t> buffer(MAX_PATH + 1);
    UINT n = function(buffer.data(), static_cast<UINT>(buffer.size()));
    if (n >= buffer.size()) {
        buffer.resize(static_cast<std::size_t>(n) + 1);
        n = function(buffer.data(), static_cast<UINT>(buffer.size()));
    }
    if (n == 0 || n >= buffer.size())
        return {};
    return pathFromWide(std::wstring_view(buffer.data(), n));
}
#endif

}  // namespace

std::string winePrefixFolder(const Environment& env)
{
    const std::string prefix = env.value("WINEPREFIX");
    if (!isBlank(prefix))
        return withTrailingSeparator(prefix);
    const std::string home = env.value("HOME");
    if (isBlank(home))
        return {};
    return joinPath(home, ".wine") + kPathSeparator;
}

WindowsLocations windowsLocations(const FileSystem& files, const Environment& env)
{
    WindowsLocations where;
#ifdef _WIN32
    (void)env;
    const std::string windows =
        windowsFolderCall([](wchar_t* out, UINT size) { return GetWindowsDirectoryW(out, size); });
    const std::string system =
        windowsFolderCall([](wchar_t* out, UINT size) { return GetSystemDirectoryW(out, size); });
    where.windowsFolder = existingFolder(files, windows);
    where.systemFolder = existingFolder(files, system);
    if (!where.windowsFolder.empty()) {
        where.winIni = where.windowsFolder + "WIN.INI";
        where.systemIni = where.windowsFolder + "SYSTEM.INI";
    }
#else
    const std::string prefix = winePrefixFolder(env);
    if (prefix.empty())
        return where;
    const std::string windows = prefix + "drive_c/windows/";
    where.windowsFolder = existingFolder(files, windows);
    where.systemFolder = existingFolder(files, windows + "system32/");
    where.winIni = windows + "win.ini";
    where.systemIni = windows + "system.ini";
#endif
    return where;
}

std::string hostPathOfWindowsPath(const FileSystem& files, const Environment& env,
                                  std::string_view windowsPath)
{
#ifdef _WIN32
    (void)files;
    (void)env;
    return std::string(windowsPath);
#else
    const bool drive = windowsPath.size() >= 2 && windowsPath[1] == ':' &&
                       ((windowsPath[0] >= 'A' && windowsPath[0] <= 'Z') ||
                        (windowsPath[0] >= 'a' && windowsPath[0] <= 'z'));
    const std::string prefix = winePrefixFolder(env);
    if (!drive || prefix.empty())
        return std::string(windowsPath);
    const char letter = static_cast<char>(windowsPath[0] | 0x20);
    std::string root = prefix + "dosdevices/" + letter + ":/";
    if (!files.isFolder(root) && letter == 'c')
        root = prefix + "drive_c/";
    std::string rest(windowsPath.substr(2));
    for (char& c : rest) {
        if (c == '\\')
            c = '/';
    }
    return joinPath(root, rest);
#endif
}

}  // namespace quillon::platform
