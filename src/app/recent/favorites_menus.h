// FavoritesMenus: the menus of the "Open favorites" and "Edit favorites" buttons.
#pragma once

#include <QObject>

#include <functional>
#include <string>

class QAction;
class QMenu;

namespace quillon {
class Workspace;
}

namespace quillon::app {

class QtUi;

/// Fills the two favourites menus each time they open, from section Favorites of the settings;
/// every change made through them is written to that section at once.
class FavoritesMenus final : public QObject {
    Q_OBJECT
public:
    /// Opens a file as the library (with the window's save question).
    using OpenFile = std::function<void(const std::string& file)>;
    /// The file "&Add present file" adds; empty when there is none.
    using PresentFile = std::function<std::string()>;

    FavoritesMenus(Workspace& ws, QtUi& ui, OpenFile open, PresentFile present,
                   QObject* parent = nullptr);

    /// The favourite files (in the menu casing), "< None >" when there are none, and with
    /// `UseFavoritesAPI` the two API library entries.
    void fillOpenMenu(QMenu* menu);
    /// "&Add present file", "&Remove", "Menu casing" and "Clarion API libraries".
    void fillEditMenu(QMenu* menu);

    /// "Change 16-bit library..." (16) and "Change 32-bit library..." (32).
    void changeApiLibrary(int bits);
    void addPresentFile();
    /// The command that opens the favourites list editor, offered in the edit menu.
    void setListEditor(QAction* action) { m_listEditor = action; }

private:
    Workspace& m_ws;
    QtUi& m_ui;
    OpenFile m_open;
    PresentFile m_present;
    QAction* m_listEditor = nullptr;
};

}  // namespace quillon::app
