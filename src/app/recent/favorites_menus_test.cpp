// The favourites buttons of the library tab and their menus.
#include "app/recent/favorites_menus.h"

#include <QAction>
#include <QMenu>
#include <QToolButton>

#include "app/testing/gui_fixture.h"
#include "support/lib_builder.h"

namespace quillon::app {
namespace {

class FavoritesMenusTest : public testing::GuiFixture {
protected:
    QMenu* menu(const char* button)
    {
        auto* b = window().findChild<QToolButton*>(button);
        EXPECT_NE(b, nullptr);
        EXPECT_TRUE(b->isEnabled());
        emit b->menu()->aboutToShow();
        return b->menu();
    }
    static QStringList texts(const QMenu* m)
    {
        QStringList out;
        for (const QAction* a : m->actions()) {
            QString text = a->isSeparator() ? "-" : a->text();
            if (a->isCheckable() && a->isChecked())
                text.prepend("+");
            if (!a->isEnabled())
                text.prepend("~");
            out << text;
        }
        return out;
    }
    static QAction* find(const QMenu* m, const QString& text)
    {
        for (QAction* a : m->actions()) {
            if (a->text() == text)
                return a;
        }
        ADD_FAILURE() << text.toStdString();
        return nullptr;
    }
    std::string favorites() { return settings.readSetting("Favorites", "UseFavoritesFiles"); }
};

TEST_F(FavoritesMenusTest, OpenMenuListsTheFavouritesInTheirCasingAndTheApiLibraries)
{
    settings.writeSetting("Favorites", "UseFavoritesFiles", "/libs/my tools.LIB|/libs/R&D.dll");
    settings.writeNumber("Favorites", "UseFavoritesCase", 2);
    ws.options.LIBFolder = folder.path().string() + "/";
    EXPECT_EQ(texts(menu("favoritesButton")),
              QStringList({"/Libs/My tools.lib", "/Libs/R&&d.dll", "-", "Open 16-bit API library",
                           "Open 32-bit API library"}));
    settings.writeNumber("Favorites", "UseFavoritesAPI", 0);
    settings.writeSetting("Favorites", "UseFavoritesFiles", "");
    EXPECT_EQ(texts(menu("favoritesButton")), QStringList({"~< None >"}));
}

TEST_F(FavoritesMenusTest, ChoosingAFavouriteOpensIt)
{
    const std::string lib =
        folder.write("fav.lib", quillon::testing::libBytes({{"FAV", "Alpha", 1}}));
    settings.writeSetting("Favorites", "UseFavoritesFiles", lib);
    menu("favoritesButton")->actions().front()->trigger();
    EXPECT_EQ(ws.library.LibraryFileName, lib);
    EXPECT_EQ(settings.readSetting("Filelist", "PresentFile"), lib);
}

TEST_F(FavoritesMenusTest, EditMenuHoldsItsSubMenusWithTheCurrentChoicesChecked)
{
    settings.writeSetting("Favorites", "UseFavoritesFiles", "/a/x.lib");
    QMenu* edit = menu("editFavoritesButton");
    EXPECT_EQ(texts(edit), QStringList({"~&Add present file", "Edit favorites &list...", "-",
                                        "&Remove", "Menu casing", "Clarion API libraries"}));
    QMenu* casing = find(edit, "Menu casing")->menu();
    EXPECT_EQ(texts(casing),
              QStringList({"+Default casing", "Initial caps", "Lower casing", "Upper casing"}));
    QMenu* api = find(edit, "Clarion API libraries")->menu();
    EXPECT_EQ(texts(api), QStringList({"+Include API libraries", "-", "+Use default 16-bit library",
                                       "Change 16-bit library...", "+Use default 32-bit library",
                                       "Change 32-bit library..."}));
    find(casing, "Upper casing")->trigger();
    EXPECT_EQ(settings.readSetting("Favorites", "UseFavoritesCase"), "4");
    find(api, "Include API libraries")->trigger();
    EXPECT_EQ(settings.readSetting("Favorites", "UseFavoritesAPI"), "0");
}

TEST_F(FavoritesMenusTest, RemovingAFavouriteIsWrittenAtOnce)
{
    settings.writeSetting("Favorites", "UseFavoritesFiles", "/a/x.lib|/b/y.lib|/c/z.lib");
    QMenu* remove = find(menu("editFavoritesButton"), "&Remove")->menu();
    EXPECT_EQ(texts(remove), QStringList({"/a/x.lib", "/b/y.lib", "/c/z.lib"}));
    remove->actions()[1]->trigger();
    EXPECT_EQ(favorites(), "/a/x.lib|/c/z.lib");
    settings.writeSetting("Favorites", "UseFavoritesFiles", "");
    remove = find(menu("editFavoritesButton"), "&Remove")->menu();
    EXPECT_EQ(texts(remove), QStringList({"~< None >"}));
}

TEST_F(FavoritesMenusTest, ChangingAnApiLibraryAsksForTheFileAndClearsTheDefault)
{
    std::vector<ui::FileDialogRequest> requests;
    qtUi.setDialogSeam([&](const ui::FileDialogRequest& request, const char*) {
        requests.push_back(request);
        return std::vector<std::string>{"/c/my16.lib"};
    });
    ws.options.LIBFolder = "/clarion/lib/";
    QMenu* api = find(menu("editFavoritesButton"), "Clarion API libraries")->menu();
    find(api, "Change 16-bit library...")->trigger();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].title, "Change 16-bit API library");
    EXPECT_EQ(requests[0].start, "/clarion/lib/WIN16.LIB");
    EXPECT_EQ(requests[0].filters, "Library files (*.lib)|*.lib|All files (*.*)|*.*");
    EXPECT_EQ(settings.readSetting("Favorites", "UseFavorites16File"), "/c/my16.lib");
    EXPECT_EQ(settings.readSetting("Favorites", "UseFavorites16Default"), "0");
    api = find(menu("editFavoritesButton"), "Clarion API libraries")->menu();
    EXPECT_FALSE(find(api, "Use default 16-bit library")->isChecked());
    find(api, "Use default 16-bit library")->trigger();
    EXPECT_EQ(settings.readSetting("Favorites", "UseFavorites16Default"), "1");
}

TEST_F(FavoritesMenusTest, AddPresentFileAddsTheLibraryFileOnce)
{
    const std::string lib =
        folder.write("fav.lib", quillon::testing::libBytes({{"FAV", "Alpha", 1}}));
    ASSERT_TRUE(window().openFile(lib));
    for (int i = 0; i < 2; ++i)
        find(menu("editFavoritesButton"), "&Add present file")->trigger();
    EXPECT_EQ(favorites(), lib);
    EXPECT_TRUE(messages.empty());
}

TEST_F(FavoritesMenusTest, ButtonsFollowUseFavorites)
{
    MainWindow& w = window();
    ws.options.UseFavorites = false;
    w.applyOptions();
    EXPECT_FALSE(w.findChild<QToolButton*>("favoritesButton")->isVisible());
    ws.options.UseFavorites = true;
    w.applyOptions();
    EXPECT_TRUE(w.findChild<QToolButton*>("editFavoritesButton")->isVisible());
}

}  // namespace
}  // namespace quillon::app
