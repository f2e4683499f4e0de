// The exceptions and favourites lists of the list editor.
#include "maintenance/edit_list.h"

#include <algorithm>
#include <array>

#include "base/ascii_text.h"
#include "maintenance/exceptions.h"
#include "platform/error_codes.h"
#include "platform/paths.h"
#include "platform/wine_prefix.h"
#include "settings/favorites.h"
#include "settings/profile_file.h"
#include "settings/settings_store.h"

namespace quillon::maintenance {

namespace {

/// The file name without its folder ("/" and "\" end a folder, "X:" a drive).
std::string_view nameOnly(std::string_view path)
{
    const auto cut = path.find_last_of("/\\:");
    return cut == std::string_view::npos ? path : path.substr(cut + 1);
}

std::string_view baseName(std::string_view name)
{
    const auto dot = name.rfind('.');
    return dot == std::string_view::npos ? name : name.substr(0, dot);
}

bool sameKey(EditListKind kind, const EditListEntry& a, const EditListEntry& b)
{
    return kind == EditListKind::Exceptions ? a.moduleName == b.moduleName
                                            : a.fileName == b.fileName;
}

bool hasControlCharacter(std::string_view text)
{
    return std::any_of(text.begin(), text.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte < 0x20 || byte == 0x7F;
    });
}

Error notTaken()
{
    return {platform::kAccessDenied, platform::errorCodeText(platform::kAccessDenied)};
}

/// The [boot] keys of SYSTEM.INI that name the system's drivers.
constexpr std::array<std::string_view, 7> kBootDrivers = {
    "comm.drv",    "display.drv", "keyboard.drv", "mouse.drv",
    "network.drv", "sound.drv",   "system.drv"};

}  // namespace

EditListEntry normalizeEntry(EditListKind kind, std::string_view moduleName,
                             std::string_view fileName)
{
    EditListEntry entry;
    const std::string_view file = trimBlanks(fileName);
    if (kind == EditListKind::Favorites) {
        entry.fileName = std::string(file);
        entry.moduleName = std::string(nameOnly(file));
        return entry;
    }
    std::string module = upperCase(trimBlanks(moduleName));
    std::erase_if(module, [](char c) { return c == '\'' || c == '"'; });
    entry.moduleName = std::string(trimBlanks(module));
    entry.fileName = upperCase(trimBlanks(nameOnly(file)));
    return entry;
}

EntryRefusal checkEntry(EditListKind kind, const std::vector<EditListEntry>& list,
                        const EditListEntry& entry, std::optional<std::size_t> editing)
{
    if (kind == EditListKind::Exceptions && entry.moduleName.empty())
        return EntryRefusal::BlankModule;
    if (entry.fileName.empty() || trimBlanks(nameOnly(entry.fileName)).empty())
        return EntryRefusal::BlankFile;
    if (entry.moduleName.size() > kModuleNameCapacity - 1 && kind == EditListKind::Exceptions)
        return EntryRefusal::ModuleTooLong;
    if (entry.fileName.size() > kPathCapacity - 1)
        return EntryRefusal::FileTooLong;
    // A line break would end the settings line inside the name, and other control characters
    // make names no file system or module table holds.
    if (hasControlCharacter(entry.moduleName) || hasControlCharacter(entry.fileName))
        return EntryRefusal::ControlCharacter;
    if (kind == EditListKind::Favorites && entry.fileName.find('|') != std::string::npos)
        return EntryRefusal::BadCharacter;
    // The menus open a favourite from any current folder: only a fully qualified name works.
    if (kind == EditListKind::Favorites && !platform::isFullPath(entry.fileName))
        return EntryRefusal::NotFullPath;
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (i != editing && sameKey(kind, list[i], entry))
            return EntryRefusal::Duplicate;
    }
    if (!editing && list.size() >= kMaxListEntries)
        return EntryRefusal::Full;
    if (kind == EditListKind::Favorites) {
        std::vector<std::string> files;
        for (std::size_t i = 0; i < list.size(); ++i)
            files.push_back(i == editing ? entry.fileName : list[i].fileName);
        if (!editing)
            files.push_back(entry.fileName);
        if (settings::formatFavoriteFiles(files).size() > settings::kFavoritesCapacity)
            return EntryRefusal::FavoritesFull;
    }
    return EntryRefusal::None;
}

std::string_view entryRefusalText(EditListKind kind, EntryRefusal refusal)
{
    switch (refusal) {
        case EntryRefusal::None:
            return {};
        case EntryRefusal::BlankModule:
            return "The module name can not be blank!";
        case EntryRefusal::BlankFile:
            return "The file name can not be blank!";
        case EntryRefusal::ModuleTooLong:
            return "A module name holds at most 254 characters!";
        case EntryRefusal::FileTooLong:
            return "A file name holds at most 259 characters!";
        case EntryRefusal::Duplicate:
            return kind == EditListKind::Exceptions ? "The list already holds this module name!"
                                                    : "The list already holds this file!";
        case EntryRefusal::Full:
            return "The list holds at most 255 entries!";
        case EntryRefusal::FavoritesFull:
            return "The favorites hold at most 1024 characters of file names!";
        case EntryRefusal::BadCharacter:
            return "A favorite file name can not hold the character \"|\"!";
        case EntryRefusal::NotFullPath:
            return "A favorite file needs its full path: drive or root, folders and name!";
        case EntryRefusal::ControlCharacter:
            return "A name can not hold a control character (tab, line break...)!";
    }
    return {};
}

std::vector<EditListEntry> loadEditList(Workspace& ws, EditListKind kind)
{
    std::vector<EditListEntry> list;
    if (kind == EditListKind::Favorites) {
        for (const std::string& file : settings::loadFavorites(ws.settings()).files)
            list.push_back(normalizeEntry(kind, {}, file));
        return list;
    }
    loadExceptList(ws);
    for (const ExceptEntry& e : ws.exceptQ.entries)
        list.push_back({e.MODULENAME, e.FILENAME});
    return list;
}

Status saveEditList(Workspace& ws, EditListKind kind, const std::vector<EditListEntry>& list)
{
    settings::SettingsStore& store = ws.settings();
    if (kind == EditListKind::Favorites) {
        settings::Favorites favorites = settings::loadFavorites(store);
        favorites.files.clear();
        for (const EditListEntry& e : list)
            favorites.files.push_back(e.fileName);
        settings::saveFavorites(store, favorites);
        if (settings::loadFavorites(store).files != favorites.files)
            return notTaken();
        return {};
    }
    const std::size_t count = std::min(list.size(), kMaxListEntries);
    ws.exceptQ.entries.clear();
    for (std::size_t i = 0; i < count; ++i)
        ws.exceptQ.entries.push_back(makeExceptEntry(list[i].moduleName, list[i].fileName));
    saveExceptList(ws);
    const std::vector<ExceptEntry> written = ws.exceptQ.entries;
    loadExceptList(ws);
    const bool taken = ws.exceptQ.entries == written &&
                       store.readNumber("Exceptlist", "ListNum", -1) == static_cast<int>(count);
    return taken ? Status{} : Status{notTaken()};
}

std::vector<EditListEntry> systemIniExceptions(const std::string& systemIni)
{
    std::vector<EditListEntry> found;
    for (const std::string_view key : kBootDrivers) {
        std::string value = settings::readProfileString(systemIni, "boot", key);
        // A value may carry a comment or options after the file name.
        value = std::string(trimBlanks(value.substr(0, value.find_first_of(" \t;,"))));
        const EditListEntry entry = normalizeEntry(EditListKind::Exceptions, baseName(key), value);
        if (entry.fileName.empty() || baseName(entry.fileName) == entry.moduleName)
            continue;
        found.push_back(entry);
    }
    return found;
}

std::size_t mergeEntries(std::vector<EditListEntry>& list, const std::vector<EditListEntry>& more)
{
    std::size_t added = 0;
    for (const EditListEntry& entry : more) {
        if (list.size() >= kMaxListEntries)
            break;
        const bool known = std::any_of(list.begin(), list.end(), [&](const EditListEntry& e) {
            return e.moduleName == entry.moduleName;
        });
        if (known)
            continue;
        list.push_back(entry);
        ++added;
    }
    return added;
}

std::string defaultSystemIni(const platform::FileSystem& files, const platform::Environment& env)
{
    std::string systemIni = platform::windowsLocations(files, env).systemIni;
    if (systemIni.empty())
        systemIni = "\\SYSTEM.INI";
    return systemIni;
}

SystemIniImport importSystemIni(Workspace& ws, std::vector<EditListEntry>& list,
                                const std::string& systemIni)
{
    SystemIniImport result;
    result.found = ws.files().isFile(systemIni);
    if (result.found)
        result.added = mergeEntries(list, systemIniExceptions(systemIni));
    return result;
}

std::string systemIniImportText(const SystemIniImport& import, std::string_view systemIni)
{
    if (!import.found)
        return "SYSTEM.INI was not found: " + std::string(systemIni);
    if (import.added == 0)
        return "No new entries found in SYSTEM.INI";
    return std::to_string(import.added) + (import.added == 1 ? " entry" : " entries") +
           " imported from SYSTEM.INI";
}

}  // namespace quillon::maintenance
