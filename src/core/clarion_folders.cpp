// The lookup of the installed Clarion product and its BIN and LIB folders.
#include "core/clarion_folders.h"

#include <algorithm>

#include "core/workspace.h"
#include "locate/folder_cache.h"
#include "locate/locate_module.h"
#include "locate/path_parts.h"
#include "platform/file_system.h"
#include "settings/settings_store.h"

namespace quillon {

namespace {

using locate::trimBlanks;
using locate::upperAscii;

constexpr std::size_t kProfileValueMax = 1024;

std::string cut(std::string_view text, std::size_t capacity)
{
    if (capacity == 0)
        return {};
    return std::string(text.substr(0, std::min(text.size(), capacity - 1)));
}

bool equalNoCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && upperAscii(a) == upperAscii(b);
}

/// The LIB folder beside a BIN folder: "...\BIN\" becomes "...\LIB\". A folder not ending in
/// "BIN" gives nothing, so that no unrelated folder is taken for Clarion's LIB folder.
std::string libFolderFromBin(std::string_view bin, const ClarionFolderServices& services)
{
    bin = trimBlanks(bin);
    if (bin.size() < 4 || !locate::isSeparator(bin.back()))
        return {};
    const std::string_view last = bin.substr(bin.size() - 4, 3);
    if (upperAscii(last) != "BIN")
        return {};
    const std::string parent(bin.substr(0, bin.size() - 4));
    for (const char* name : {"LIB", "lib", "Lib"}) {
        const std::string folder = services.normalizeFolder(parent + name + locate::kSeparator);
        if (!folder.empty())
            return folder;
    }
    return {};
}

struct Folders {
    std::string bin;
    std::string lib;
};

Folders detect(int mode, ClarionProduct& product,
               const ClarionFolderServices& services)
{
    product = {};
    Folders folders;
    std::string workdir;
    for (const KnownProduct& known : kKnownProducts) {
        workdir = std::string(trimBlanks(services.readWinIni(known.section, "workdir")));
        if (!workdir.empty()) {
            product.section = std::string(known.section);
            product.versionText = std::string(known.versionText);
            product.code = known.code;
            break;
        }
    }
    if (product.code != 0) {
        const std::string exename(trimBlanks(services.readWinIni(product.section, "exename")));
        folders.bin = services.normalizeFolder(services.hostPath(workdir));
        if (!folders.bin.empty() && !exename.empty())
            product.idePath = services.findFile(folders.bin, exename + ".EXE");
    }
    if (mode == 0) {
        folders.lib = services.normalizeFolder(services.readFolderSetting("LIBFolder"));
        if (folders.lib.empty() && !folders.bin.empty())
            folders.lib = libFolderFromBin(folders.bin, services);
    } else if (!folders.bin.empty()) {
        folders.lib = libFolderFromBin(folders.bin, services);
    }
    return folders;
}

}  // namespace

ClarionFoldersOutcome FindClarionFolders(int mode, Options& options, ClarionProduct& product,
                                         const ClarionFolderServices& services,
                                         std::size_t firstCapacity, std::size_t secondCapacity)
{
    ClarionFoldersOutcome outcome;
    if (mode < 0 || mode > 3)
        return outcome;
    if (mode == 0) {
        const std::string bin = services.normalizeFolder(services.readFolderSetting("BINFolder"));
        const std::string lib = services.normalizeFolder(services.readFolderSetting("LIBFolder"));
        if (!bin.empty() && !lib.empty()) {
            options.BINFolder = bin;
            options.LIBFolder = lib;
            outcome.result = 1;
            outcome.first = cut(bin, firstCapacity);
            outcome.second = cut(lib, secondCapacity);
            return outcome;
        }
    }

    const Folders before{options.BINFolder, options.LIBFolder};
    const Folders found = detect(mode, product, services);
    options.BINFolder = found.bin;
    options.LIBFolder = found.lib;

    switch (mode) {
    case 0:
    case 1:
        outcome.result = !found.bin.empty() && !found.lib.empty() ? 2 : 0;
        outcome.first = cut(found.bin, firstCapacity);
        outcome.second = cut(found.lib, secondCapacity);
        break;
    case 2: {
        std::string win32;
        if (!found.lib.empty()) {
            if (!services.findFile(found.lib, "WIN16.LIB").empty())
                outcome.result = 1;
            win32 = services.findFile(found.lib, "WIN32.LIB");
            if (!win32.empty())
                outcome.result = 2;
        }
        if (win32.empty())
            win32 = found.lib + "WIN32.LIB";
        outcome.first = cut(win32, firstCapacity);
        break;
    }
    default:
        options.BINFolder = before.bin;
        options.LIBFolder = before.lib;
        outcome.result = product.code;
        outcome.first = cut(product.versionText, firstCapacity);
        break;
    }
    return outcome;
}

std::string readProfileValue(platform::FileSystem& files, const std::string& iniPath,
                             std::string_view section, std::string_view key)
{
    if (iniPath.empty())
        return {};
    const Result<std::vector<std::byte>> bytes = files.readWholeFile(iniPath);
    if (!bytes)
        return {};
    const std::string_view text(reinterpret_cast<const char*>(bytes->data()), bytes->size());
    bool inSection = false;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = text.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        line = trimBlanks(line);
        if (line.empty() || line.front() == ';')
            continue;
        if (line.front() == '[') {
            const std::size_t close = line.find(']');
            inSection = close != std::string_view::npos &&
                        equalNoCase(trimBlanks(line.substr(1, close - 1)), section);
            continue;
        }
        if (!inSection)
            continue;
        const std::size_t eq = line.find('=');
        if (eq == std::string_view::npos || !equalNoCase(trimBlanks(line.substr(0, eq)), key))
            continue;
        std::string_view value = trimBlanks(line.substr(eq + 1));
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
            value = value.substr(1, value.size() - 2);
        return std::string(value.substr(0, std::min(value.size(), kProfileValueMax)));
    }
    return {};
}

std::string windowsPathOnHost(std::string_view windowsPath, const std::string& winePrefix,
                              const std::function<bool(const std::string&)>& isFolder)
{
    std::string path(trimBlanks(windowsPath));
#ifdef _WIN32
    (void)winePrefix;
    (void)isFolder;
    return path;
#else
    std::replace(path.begin(), path.end(), '\\', '/');
    const bool hasDrive = path.size() >= 2 && path[1] == ':' &&
                          ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z'));
    if (winePrefix.empty() || !hasDrive)
        return path;
    const char drive = static_cast<char>(path[0] >= 'A' && path[0] <= 'Z' ? path[0] - 'A' + 'a'
                                                                           : path[0]);
    std::string rest = path.substr(2);
    while (!rest.empty() && rest.front() == '/')
        rest.erase(rest.begin());
    const std::string prefix = locate::withTrailingSeparator(winePrefix);
    const std::string link = prefix + "dosdevices/" + drive + ":/";
    if (isFolder && isFolder(link))
        return link + rest;
    if (drive == 'c')
        return prefix + "drive_c/" + rest;
    return link + rest;
#endif
}

ClarionFolderServices clarionFolderServices(Workspace& ws)
{
    if (!ws.locate.environment)
        ws.locate.environment = locate::locateEnvironmentFromProcess(ws.files());
    const locate::LocateEnvironment env = *ws.locate.environment;
    platform::FileSystem& files = ws.files();
    settings::SettingsStore& store = ws.settings();

    ClarionFolderServices s;
    s.readFolderSetting = [&store](std::string_view key) {
        return store.readSetting("Folders", key);
    };
    s.readWinIni = [&files, ini = env.winIni](std::string_view section, std::string_view key) {
        return readProfileValue(files, ini, section, key);
    };
    s.hostPath = [&files, prefix = env.winePrefix](std::string_view path) {
        return windowsPathOnHost(path, prefix,
                                 [&files](const std::string& p) { return files.isFolder(p); });
    };
    s.normalizeFolder = [&files](std::string_view folder) -> std::string {
        folder = trimBlanks(folder);
        if (folder.empty())
            return {};
        const std::string full = files.fullPath(std::string(folder));
        return files.isFolder(full) ? locate::withTrailingSeparator(full) : std::string();
    };
    s.findFile = [&files](const std::string& folder, std::string_view name) {
        locate::FolderCache cache;
        return cache.find(files, locate::withTrailingSeparator(folder), name).path;
    };
    return s;
}

}  // namespace quillon
