// The lookup of the installed Clarion product and its BIN and LIB folders.
#include "locate/clarion_folders.h"

#include <algorithm>

#include "core/workspace.h"
#include "locate/folder_cache.h"
#include "locate/locate_module.h"
#include "locate/path_parts.h"
#include "platform/file_system.h"
#include "platform/paths.h"
#include "platform/wine_prefix.h"
#include "settings/profile_file.h"
#include "settings/settings_store.h"

namespace quillon {

namespace {

using locate::upperAscii;

std::string cut(std::string_view text, std::size_t capacity)
{
    if (capacity == 0)
        return {};
    return std::string(text.substr(0, std::min(text.size(), capacity - 1)));
}

/// The LIB folder beside a BIN folder: "...\BIN\" becomes "...\LIB\". A folder not ending in
/// "BIN" gives nothing, so that no unrelated folder is taken for Clarion's LIB folder.
std::string libFolderFromBin(std::string_view bin, const ClarionFolderServices& services)
{
    bin = trimBlanks(bin);
    if (bin.size() < 4 || !platform::isPathSeparator(bin.back()))
        return {};
    const std::string_view last = bin.substr(bin.size() - 4, 3);
    if (upperAscii(last) != "BIN")
        return {};
    const std::string parent(bin.substr(0, bin.size() - 4));
    for (const char* name : {"LIB", "lib", "Lib"}) {
        const std::string folder =
            services.normalizeFolder(parent + name + platform::kPathSeparator);
        if (!folder.empty())
            return folder;
    }
    return {};
}

struct Folders {
    std::string bin;
    std::string lib;
};

Folders detect(int mode, ClarionProduct& product, const ClarionFolderServices& services)
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

ClarionFolderServices clarionFolderServices(Workspace& ws)
{
    locate::prepareSearch(ws);
    const locate::LocateEnvironment& env = *locate::state(ws).environment;
    platform::FileSystem& files = ws.files();
    settings::SettingsStore& store = ws.settings();
    const int useLongAdd = ws.options.UseLongAdd;

    ClarionFolderServices s;
    s.readFolderSetting = [&store](std::string_view key) {
        return store.readPath("Folders", key);
    };
    s.readWinIni = [ini = env.winIni](std::string_view section, std::string_view key) {
        return settings::readProfileString(ini, section, key);
    };
    s.hostPath = [&files, variables = env.variables](std::string_view path) {
        return platform::hostPathOfWindowsPath(files, variables, trimBlanks(path));
    };
    s.normalizeFolder = [&files, useLongAdd](std::string_view folder) -> std::string {
        folder = trimBlanks(folder);
        if (folder.empty())
            return {};
        const std::string normal =
            platform::NormalizeFolderPath(files, files.fullPath(std::string(folder)), useLongAdd);
        return !normal.empty() && files.isFolder(normal) ? platform::withTrailingSeparator(normal)
                                                         : std::string();
    };
    s.findFile = [&files](const std::string& folder, std::string_view name) {
        locate::FolderCache cache;
        return cache.find(files, platform::withTrailingSeparator(folder), name).path;
    };
    return s;
}

}  // namespace quillon
