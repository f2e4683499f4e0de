// The favourites: the stored text, menu casing, adding and the API libraries.
#include "settings/favorites.h"

#include <gtest/gtest.h>

#include "base/text_encoding.h"
#include "platform/native_path.h"
#include "platform/paths.h"
#include "support/test_workspace.h"

namespace quillon::settings {
namespace {

TEST(FavoriteFiles, ParseDropsBlanksAndFormatJoinsWithBars)
{
    EXPECT_EQ(parseFavoriteFiles(" /a/x.lib | |/b/y.dll|"),
              (std::vector<std::string>{"/a/x.lib", "/b/y.dll"}));
    EXPECT_TRUE(parseFavoriteFiles("").empty());
    EXPECT_EQ(formatFavoriteFiles({"/a/x.lib", "/b/y.dll"}), "/a/x.lib|/b/y.dll");
}

TEST(FavoriteFiles, MenuCasings)
{
    const std::string path = "c:\\CLARION\\lib\\win32.LIB";
    EXPECT_EQ(favoriteMenuText(path, 1), path);
    EXPECT_EQ(favoriteMenuText(path, 2), "C:\\Clarion\\Lib\\Win32.lib");
    EXPECT_EQ(favoriteMenuText("/usr/lib/my tools.lib", 2), "/Usr/Lib/My tools.lib");
    EXPECT_EQ(favoriteMenuText(path, 3), "c:\\clarion\\lib\\win32.lib");
    EXPECT_EQ(favoriteMenuText(path, 4), "C:\\CLARION\\LIB\\WIN32.LIB");
}

TEST(FavoriteFiles, AddRefusesBlanksCopiesAndWhatTheStoredTextCannotHold)
{
    Favorites f;
    EXPECT_EQ(addFavorite(f, "  "), AddFavorite::Blank);
    EXPECT_EQ(addFavorite(f, "/a/x.lib"), AddFavorite::Added);
    EXPECT_EQ(addFavorite(f, "/a/x.lib "), AddFavorite::AlreadyPresent);
    EXPECT_EQ(addFavorite(f, "/a/x|y.lib"), AddFavorite::Full);
    // "/a/x.lib" + "|" + 1015 characters is exactly 1024.
    EXPECT_EQ(addFavorite(f, "/" + std::string(1014, 'n')), AddFavorite::Added);
    EXPECT_EQ(addFavorite(f, "/b"), AddFavorite::Full);
    EXPECT_EQ(f.files.size(), 2u);
}

TEST(FavoritesSettings, DefaultsRoundTripAndEveryKeyInItsSection)
{
    quillon::testing::TestWorkspace t;
    EXPECT_EQ(loadFavorites(t.settings), Favorites{});
    Favorites f;
    f.files = {platform::nativePath("/a/x.lib"), platform::nativePath("/b/y.dll")};
    f.UseFavoritesCase = 3;
    f.UseFavoritesAPI = false;
    f.UseFavorites16Default = false;
    f.UseFavorites16File = platform::nativePath("/c/my16.lib");
    saveFavorites(t.settings, f);
    EXPECT_EQ(loadFavorites(t.settings), f);
    EXPECT_EQ(t.settings.readSetting("Favorites", "UseFavoritesFiles"),
              platform::nativePath("/a/x.lib|/b/y.dll"));
    EXPECT_EQ(t.settings.readSetting("Favorites", "UseFavoritesAPI"), "0");
    t.settings.writeNumber("Favorites", "UseFavoritesCase", 9);
    EXPECT_EQ(loadFavorites(t.settings).UseFavoritesCase, 1);
}

TEST(FavoritesSettings, ApiLibrariesComeFromTheLibFolderOrTheChosenFile)
{
    quillon::testing::TempFolder folder;
    platform::FileSystem files;
    const std::string libFolder = platform::withTrailingSeparator(folder.path().string());
    const std::string win32 = folder.write("Win32.lib", "x");
    Favorites f;
    // The file as it is spelled on disk; where names ignore case, the default spelling finds it.
    if (platform::kCaseSensitivePaths)
        EXPECT_EQ(apiLibraryPath(f, 32, libFolder, files), win32);
    else
        EXPECT_EQ(upperCase(apiLibraryPath(f, 32, libFolder, files)), upperCase(win32));
    EXPECT_EQ(apiLibraryPath(f, 16, libFolder, files), folder.file("WIN16.LIB"));
    EXPECT_EQ(apiLibraryPath(f, 16, "", files), "");
    f.UseFavorites16Default = false;
    f.UseFavorites16File = platform::nativePath("/c/my16.lib");
    EXPECT_EQ(apiLibraryPath(f, 16, "", files), f.UseFavorites16File);
    f.UseFavorites16File.clear();  // no chosen file: the default again
    EXPECT_EQ(apiLibraryPath(f, 16, libFolder, files), folder.file("WIN16.LIB"));
}

}  // namespace
}  // namespace quillon::settings
