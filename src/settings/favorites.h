// The favourites of section Favorites: the favourite files, their menu casing and the Clarion
// API libraries offered with them.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace quillon::platform {
class FileSystem;
}

namespace quillon::settings {

class SettingsStore;

inline constexpr std::string_view kFavoritesSection = "Favorites";
/// The longest `UseFavoritesFiles` value that reads back whole (values are read up to 1024
/// characters).
inline constexpr std::size_t kFavoritesCapacity = 1024;

/// The menu casings of `UseFavoritesCase`, in their order (1 to 4).
inline constexpr const char* kFavoritesCasings[] = {"Default casing", "Initial caps",
                                                    "Lower casing", "Upper casing"};

/// The keys of section Favorites.
struct Favorites {
    /// `UseFavoritesFiles`, split at "|".
    std::vector<std::string> files;
    /// `UseFavoritesCase`: 1 default, 2 initial caps, 3 lower, 4 upper.
    int UseFavoritesCase = 1;
    bool UseFavoritesAPI = true;
    bool UseFavorites16Default = true;
    bool UseFavorites32Default = true;
    std::string UseFavorites16File;
    std::string UseFavorites32File;

    friend bool operator==(const Favorites&, const Favorites&) = default;
};

/// Splits a `UseFavoritesFiles` text at "|"; blanks around each file are removed and empty
/// entries dropped.
[[nodiscard]] std::vector<std::string> parseFavoriteFiles(std::string_view text);
/// Joins the files with "|".
[[nodiscard]] std::string formatFavoriteFiles(const std::vector<std::string>& files);

/// Reads section Favorites; a casing out of 1..4 reads as 1.
[[nodiscard]] Favorites loadFavorites(SettingsStore& store);
/// Writes every key of section Favorites (a blank file name deletes its key).
void saveFavorites(SettingsStore& store, const Favorites& favorites);

/// `path` in the menu casing `casing` (1..4): as stored, initial caps (each part of the path
/// lower case with its first letter upper case), lower or upper case. ASCII letters only.
[[nodiscard]] std::string favoriteMenuText(std::string_view path, int casing);

/// What `addFavorite` did.
enum class AddFavorite { Added, AlreadyPresent, Blank, Full };

/// Appends `path` to the favourites unless it is blank, already there, or would make the
/// stored text longer than `kFavoritesCapacity` (or holds "|", which the stored text cannot
/// keep apart).
[[nodiscard]] AddFavorite addFavorite(Favorites& favorites, std::string_view path);

/// The API library of `bits` (16 or 32): the default "WIN16.LIB" or "WIN32.LIB" in `libFolder`
/// (spelled as on disk when a file of that name exists, letter case ignored), or the chosen
/// file when the default is not used. Empty when there is no folder and no chosen file.
[[nodiscard]] std::string apiLibraryPath(const Favorites& favorites, int bits,
                                         std::string_view libFolder, platform::FileSystem& files);

}  // namespace quillon::settings
