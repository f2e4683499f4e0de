// The favourites of section Favorites.
#include "settings/favorites.h"

#include "base/ascii_text.h"
#include "platform/file_system.h"
#include "platform/paths.h"
#include "settings/recent_files.h"
#include "settings/settings_store.h"

namespace quillon::settings {

namespace {

bool flag(SettingsStore& store, std::string_view key, int defaultValue)
{
    return store.readNumber(kFavoritesSection, key, defaultValue) != 0;
}

}  // namespace

std::vector<std::string> parseFavoriteFiles(std::string_view text)
{
    std::vector<std::string> files;
    while (!text.empty()) {
        const std::size_t bar = text.find('|');
        const std::string_view part = trimBlanks(text.substr(0, bar));
        if (!part.empty())
            files.emplace_back(part);
        if (bar == std::string_view::npos)
            break;
        text.remove_prefix(bar + 1);
    }
    return files;
}

std::string formatFavoriteFiles(const std::vector<std::string>& files)
{
    std::string text;
    for (const std::string& file : files) {
        if (!text.empty())
            text += '|';
        text += file;
    }
    return text;
}

Favorites loadFavorites(SettingsStore& store)
{
    const SettingsStore::Batch batch(store);
    Favorites f;
    f.files = parseFavoriteFiles(store.readPath(kFavoritesSection, "UseFavoritesFiles"));
    f.UseFavoritesCase = store.readNumber(kFavoritesSection, "UseFavoritesCase", 1);
    if (f.UseFavoritesCase < 1 || f.UseFavoritesCase > 4)
        f.UseFavoritesCase = 1;
    f.UseFavoritesAPI = flag(store, "UseFavoritesAPI", 1);
    f.UseFavorites16Default = flag(store, "UseFavorites16Default", 1);
    f.UseFavorites32Default = flag(store, "UseFavorites32Default", 1);
    f.UseFavorites16File = trimBlanks(store.readPath(kFavoritesSection, "UseFavorites16File"));
    f.UseFavorites32File = trimBlanks(store.readPath(kFavoritesSection, "UseFavorites32File"));
    return f;
}

void saveFavorites(SettingsStore& store, const Favorites& f)
{
    const SettingsStore::Batch batch(store);
    store.writePath(kFavoritesSection, "UseFavoritesFiles", formatFavoriteFiles(f.files));
    store.writeNumber(kFavoritesSection, "UseFavoritesCase", f.UseFavoritesCase);
    store.writeNumber(kFavoritesSection, "UseFavoritesAPI", f.UseFavoritesAPI ? 1 : 0);
    store.writeNumber(kFavoritesSection, "UseFavorites16Default", f.UseFavorites16Default ? 1 : 0);
    store.writeNumber(kFavoritesSection, "UseFavorites32Default", f.UseFavorites32Default ? 1 : 0);
    store.writePath(kFavoritesSection, "UseFavorites16File", f.UseFavorites16File);
    store.writePath(kFavoritesSection, "UseFavorites32File", f.UseFavorites32File);
}

std::string favoriteMenuText(std::string_view path, int casing)
{
    switch (casing) {
        case 2: {
            std::string text = lowerCase(path);
            bool partStart = true;
            for (char& c : text) {
                if (partStart && c >= 'a' && c <= 'z')
                    c = static_cast<char>(c - 'a' + 'A');
                partStart = c == '/' || c == '\\';
            }
            return text;
        }
        case 3:
            return lowerCase(path);
        case 4:
            return upperCase(path);
        default:
            return std::string(path);
    }
}

AddFavorite addFavorite(Favorites& favorites, std::string_view path)
{
    const std::string_view file = trimBlanks(path);
    if (file.empty())
        return AddFavorite::Blank;
    for (const std::string& existing : favorites.files) {
        if (sameFileName(existing, file))
            return AddFavorite::AlreadyPresent;
    }
    const std::size_t length = formatFavoriteFiles(favorites.files).size() +
                               (favorites.files.empty() ? 0 : 1) + file.size();
    if (length > kFavoritesCapacity || file.find('|') != std::string_view::npos)
        return AddFavorite::Full;
    favorites.files.emplace_back(file);
    return AddFavorite::Added;
}

std::string apiLibraryPath(const Favorites& favorites, int bits, std::string_view libFolder,
                           platform::FileSystem& files)
{
    const bool useDefault =
        bits == 16 ? favorites.UseFavorites16Default : favorites.UseFavorites32Default;
    const std::string& chosen =
        bits == 16 ? favorites.UseFavorites16File : favorites.UseFavorites32File;
    if (!useDefault && !chosen.empty())
        return chosen;
    const std::string folder(trimBlanks(libFolder));
    if (folder.empty())
        return {};
    const std::string name = bits == 16 ? "WIN16.LIB" : "WIN32.LIB";
    const std::string plain = platform::joinPath(folder, name);
    if (files.isFile(plain))
        return plain;
    if (const Result<std::vector<platform::FolderEntry>> listing = files.listFolder(folder)) {
        for (const platform::FolderEntry& entry : *listing) {
            if (!entry.isFolder && upperCase(entry.name) == name)
                return platform::joinPath(folder, entry.name);
        }
    }
    return plain;
}

}  // namespace quillon::settings
