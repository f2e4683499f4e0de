// The main window's recent files sub-menu, recent files window and favourites buttons.
#include <QAction>
#include <QMenu>
#include <QToolButton>

#include "app/recent/favorites_menus.h"
#include "app/recent/recent_files_window.h"
#include "app/widgets/qt_ui.h"
#include "app/window/main_window.h"
#include "settings/recent_files.h"
#include "settings/settings_store.h"

namespace quillon::app {

void MainWindow::fillRecentMenu(QMenu* menu)
{
    menu->clear();
    const std::vector<settings::RecentMenuEntry> entries =
        settings::recentMenuEntries(m_ws.settings(), m_ws.files(), m_ws.options);
    for (const settings::RecentMenuEntry& entry : entries) {
        QAction* item = menu->addAction(fromPath(entry.text).replace("&", "&&"));
        const std::string file = entry.path;
        connect(item, &QAction::triggered, this, [this, file] { openRecentFile(file); });
    }
    if (entries.empty())
        menu->addAction("< None >")->setEnabled(false);
    menu->addSeparator();
    QAction* window = menu->addAction("Recent &files...");
    window->setObjectName("recentFilesWindowAction");
    connect(window, &QAction::triggered, this, [this] { showRecentFilesWindow(); });
}

void MainWindow::openRecentFile(const std::string& file)
{
    if (file.empty() || !saveQuestion())
        return;
    (void)openFile(file);
}

void MainWindow::showRecentFilesWindow()
{
    RecentFilesWindow window(m_ws, m_ui, this);
    if (window.exec() == QDialog::Accepted && window.chosenFile())
        openRecentFile(*window.chosenFile());
}

void MainWindow::createFavoritesMenus()
{
    m_favoritesMenus = new FavoritesMenus(
        m_ws, m_ui, [this](const std::string& file) { openRecentFile(file); },
        [this]() -> std::string {
            const std::string& target = m_ws.library.LibraryFileName;
            if (!target.empty() && m_ws.files().isFile(target))
                return target;
            const std::string present =
                m_ws.settings().readPath(settings::kFilelistSection, settings::kPresentFileKey);
            return m_ws.files().isFile(present) ? present : std::string();
        },
        this);
    auto attach = [this](QToolButton* button, auto fill) {
        auto* menu = new QMenu(button);
        button->setMenu(menu);
        button->setPopupMode(QToolButton::InstantPopup);
        connect(menu, &QMenu::aboutToShow, this,
                [this, menu, fill] { (m_favoritesMenus->*fill)(menu); });
    };
    m_favoritesMenus->setListEditor(m_actions.favoritesList);
    attach(m_favoritesButton, &FavoritesMenus::fillOpenMenu);
    attach(m_editFavoritesButton, &FavoritesMenus::fillEditMenu);
}

}  // namespace quillon::app
