// The favourites menus.
#include "app/recent/favorites_menus.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>

#include "app/widgets/qt_ui.h"
#include "base/text_encoding.h"
#include "core/workspace.h"
#include "platform/paths.h"
#include "settings/favorites.h"
#include "settings/settings_store.h"

namespace quillon::app {

namespace {

constexpr const char* kApiFilters = "Library files (*.lib)|*.lib|All files (*.*)|*.*";

/// A file name as a menu text: "&" in a name is no access key.
QString menuText(std::string_view text)
{
    return fromPath(text).replace("&", "&&");
}

}  // namespace

FavoritesMenus::FavoritesMenus(Workspace& ws, QtUi& ui, OpenFile open, PresentFile present,
                               QObject* parent)
    : QObject(parent), m_ws(ws), m_ui(ui), m_open(std::move(open)), m_present(std::move(present))
{
}

void FavoritesMenus::fillOpenMenu(QMenu* menu)
{
    menu->clear();
    const settings::Favorites f = settings::loadFavorites(m_ws.settings());
    for (const std::string& file : f.files) {
        QAction* item =
            menu->addAction(menuText(settings::favoriteMenuText(file, f.UseFavoritesCase)));
        connect(item, &QAction::triggered, this, [this, file] { m_open(file); });
    }
    if (f.files.empty())
        menu->addAction("< None >")->setEnabled(false);
    if (!f.UseFavoritesAPI)
        return;
    menu->addSeparator();
    for (const int bits : {16, 32}) {
        const std::string path =
            settings::apiLibraryPath(f, bits, m_ws.options.LIBFolder, m_ws.files());
        QAction* item =
            menu->addAction(bits == 16 ? "Open 16-bit API library" : "Open 32-bit API library");
        item->setEnabled(!path.empty());
        item->setStatusTip(fromPath(path));
        connect(item, &QAction::triggered, this, [this, path] { m_open(path); });
    }
}

void FavoritesMenus::fillEditMenu(QMenu* menu)
{
    menu->clear();
    const settings::Favorites f = settings::loadFavorites(m_ws.settings());
    QAction* add = menu->addAction("&Add present file");
    add->setEnabled(!m_present().empty());
    connect(add, &QAction::triggered, this, [this] { addPresentFile(); });
    if (m_listEditor != nullptr)
        menu->addAction(m_listEditor);
    menu->addSeparator();

    QMenu* remove = menu->addMenu("&Remove");
    for (std::size_t i = 0; i < f.files.size(); ++i) {
        QAction* item =
            remove->addAction(menuText(settings::favoriteMenuText(f.files[i], f.UseFavoritesCase)));
        const std::string file = f.files[i];
        connect(item, &QAction::triggered, this, [this, file] {
            settings::Favorites now = settings::loadFavorites(m_ws.settings());
            std::erase_if(now.files, [&](const std::string& x) { return x == file; });
            settings::saveFavorites(m_ws.settings(), now);
        });
    }
    if (f.files.empty())
        remove->addAction("< None >")->setEnabled(false);

    QMenu* casing = menu->addMenu("Menu casing");
    auto* casings = new QActionGroup(casing);
    for (int c = 1; c <= 4; ++c) {
        QAction* item = casing->addAction(settings::kFavoritesCasings[c - 1]);
        item->setCheckable(true);
        item->setChecked(f.UseFavoritesCase == c);
        casings->addAction(item);
        connect(item, &QAction::triggered, this, [this, c] {
            settings::Favorites now = settings::loadFavorites(m_ws.settings());
            now.UseFavoritesCase = c;
            settings::saveFavorites(m_ws.settings(), now);
        });
    }

    QMenu* api = menu->addMenu("Clarion API libraries");
    QAction* include = api->addAction("Include API libraries");
    include->setCheckable(true);
    include->setChecked(f.UseFavoritesAPI);
    connect(include, &QAction::triggered, this, [this](bool on) {
        settings::Favorites now = settings::loadFavorites(m_ws.settings());
        now.UseFavoritesAPI = on;
        settings::saveFavorites(m_ws.settings(), now);
    });
    api->addSeparator();
    for (const int bits : {16, 32}) {
        QAction* useDefault = api->addAction(bits == 16 ? "Use default 16-bit library"
                                                        : "Use default 32-bit library");
        useDefault->setCheckable(true);
        useDefault->setChecked(bits == 16 ? f.UseFavorites16Default : f.UseFavorites32Default);
        connect(useDefault, &QAction::triggered, this, [this, bits] {
            settings::Favorites now = settings::loadFavorites(m_ws.settings());
            (bits == 16 ? now.UseFavorites16Default : now.UseFavorites32Default) = true;
            settings::saveFavorites(m_ws.settings(), now);
        });
        QAction* change =
            api->addAction(bits == 16 ? "Change 16-bit library..." : "Change 32-bit library...");
        connect(change, &QAction::triggered, this, [this, bits] { changeApiLibrary(bits); });
    }
}

void FavoritesMenus::changeApiLibrary(int bits)
{
    const std::string name = bits == 16 ? "WIN16.LIB" : "WIN32.LIB";
    const std::string folder = m_ws.options.LIBFolder;
    const ui::FileDialogRequest request{
        bits == 16 ? "Change 16-bit API library" : "Change 32-bit API library",
        folder.empty() ? name : platform::joinPath(folder, name), kApiFilters};
    const auto chosen = m_ui.openFileDialog(request);
    if (!chosen || chosen->empty())
        return;
    settings::Favorites now = settings::loadFavorites(m_ws.settings());
    (bits == 16 ? now.UseFavorites16File : now.UseFavorites32File) = *chosen;
    (bits == 16 ? now.UseFavorites16Default : now.UseFavorites32Default) = false;
    settings::saveFavorites(m_ws.settings(), now);
}

void FavoritesMenus::addPresentFile()
{
    const std::string file = m_present();
    settings::Favorites now = settings::loadFavorites(m_ws.settings());
    switch (settings::addFavorite(now, file)) {
        case settings::AddFavorite::Added:
            settings::saveFavorites(m_ws.settings(), now);
            break;
        case settings::AddFavorite::Full: {
            ui::MessageBox box;
            box.title = "CLARION QUILLON 32 - Favorites list full!";
            box.icon = ui::MessageIcon::Exclamation;
            box.text =
                "    The favorites list cannot hold this file.|    Remove a favorite "
                "first.|" +
                std::string(90, kNonBreakingSpace) + "|    File:|    " + file;
            (void)m_ui.message(box);
            break;
        }
        case settings::AddFavorite::AlreadyPresent:
        case settings::AddFavorite::Blank:
            break;
    }
}

}  // namespace quillon::app
