// The places the search looks in.
#include "locate/search_places.h"

#include <unordered_set>

#include "core/workspace.h"
#include "locate/path_parts.h"
#include "platform/environment.h"
#include "platform/file_system.h"
#include "platform/paths.h"
#include "platform/wine_prefix.h"
#include "settings/setting_history.h"
#include "settings/settings_store.h"

namespace quillon::locate {

namespace {

#ifdef _WIN32
constexpr bool kNamesIgnoreCase = true;
#else
constexpr bool kNamesIgnoreCase = false;
#endif

}  // namespace

std::string existingFolder(const platform::FileSystem& files, std::string_view folder,
                           int useLongAdd)
{
    folder = trimBlanks(folder);
    if (folder.empty())
        return {};
    const std::string normal =
        platform::NormalizeFolderPath(files, files.fullPath(std::string(folder)), useLongAdd);
    if (normal.empty() || !files.isFolder(normal))
        return {};
    return platform::withTrailingSeparator(normal);
}

KnownFiles buildKnownFiles(Workspace& ws)
{
    KnownFiles known;
    settings::SettingsStore& store = ws.settings();
    const settings::SettingsStore::Batch batch(store);
    const int count = settings::clampCount(ws.options.UseRecentFiles);
    auto add = [&](std::string_view value) {
        value = trimBlanks(value);
        if (value.empty())
            return;
        known.byName[upperAscii(platform::fileNameOf(value))].push_back(known.entries.size());
        known.entries.emplace_back(value);
    };
    for (const std::string& file : settings::readHistory(store, {"Filelist", "Filelist", count}))
        add(file);
    add(store.readPath("Compare", "CompareFile"));
    for (const std::string& file : settings::readHistory(store, {"Compare", "CompareFile", count}))
        add(file);
    return known;
}

std::vector<std::string> buildHistoryFolders(Workspace& ws, std::size_t limit)
{
    std::vector<std::string> folders;
    std::unordered_set<std::string> seen;
    const platform::FileSystem& files = ws.files();
    auto add = [&](std::string_view value) {
        if (folders.size() >= limit)
            return;
        std::string folder = std::string(trimBlanks(value));
        if (kNamesIgnoreCase)
            folder = upperAscii(folder);
        folder = existingFolder(files, folder, ws.options.UseLongAdd);
        if (folder.empty())
            return;
        if (seen.insert(kNamesIgnoreCase ? upperAscii(folder) : folder).second)
            folders.push_back(std::move(folder));
    };
    settings::SettingsStore& store = ws.settings();
    const settings::SettingsStore::Batch batch(store);
    const int count = settings::clampCount(ws.options.UseRecentFolders);
    for (const char* stem : {"AddFolderDrop", "SaveFolderDrop", "FirstFolderDrop"}) {
        for (const std::string& folder : settings::readHistory(store, {"Folders", stem, count}))
            add(folder);
    }
    add(platform::folderOf(ws.library.LibraryFileName));
    std::unordered_set<std::string> moduleFolders;
    for (const LibraryRow& row : ws.library.rows) {
        if (!row.isModule() || folders.size() >= limit)
            continue;
        std::string folder = platform::folderOf(row.fileName());
        if (moduleFolders.insert(folder).second)
            add(folder);
    }
    add(ws.options.AddFolder);
    add(ws.options.BINFolder);
    return folders;
}

std::string defaultSourceFolder(const Workspace& ws, const LocateEnvironment& env)
{
    const Options& o = ws.options;
    const auto folder = [&](const std::string& value) {
        return existingFolder(ws.files(), value, o.UseLongAdd);
    };
    switch (o.OptionAddFolder) {
        case SourceFolderChoice::SystemDefault:
            return folder(env.startupFolder);
        case SourceFolderChoice::LastUsed:
            return folder(o.LastAddFolder);
        case SourceFolderChoice::Fixed:
            return folder(o.AddFolder);
        case SourceFolderChoice::ClarionBin:
            return folder(o.BINFolder);
        case SourceFolderChoice::WindowsSystem:
            return folder(env.systemFolder);
        case SourceFolderChoice::ClarionLib:
            return folder(o.LIBFolder);
    }
    return folder(ws.files().currentFolder());
}

std::vector<std::string> pathFolders(const platform::FileSystem& files,
                                     std::string_view pathVariable)
{
    std::vector<std::string> folders;
    for (const std::string& entry : splitPathList(pathVariable))
        folders.push_back(platform::withTrailingSeparator(files.fullPath(entry)));
    return folders;
}

LocateEnvironment locateEnvironment(const platform::FileSystem& files,
                                    const platform::Environment& env)
{
    const platform::WindowsLocations where = platform::windowsLocations(files, env);
    LocateEnvironment located;
    located.systemFolder = where.systemFolder;
    located.windowsFolder = where.windowsFolder;
    located.winIni = where.winIni;
    located.pathVariable = env.value("PATH");
    located.startupFolder = existingFolder(files, files.currentFolder());
    located.variables = env;
    return located;
}

}  // namespace quillon::locate
