// Placement of the program's tool windows by their sections of the settings file.
#pragma once

#include <QWidget>

#include <string_view>

namespace quillon::settings {
class SettingsStore;
}

namespace quillon::app {

/// Moves and sizes the resizable `window` to the placement stored in `section`; without a
/// stored size the window keeps its design size. Returns whether it is to open maximized.
[[nodiscard]] bool applyStoredPlacement(QWidget& window, settings::SettingsStore& store,
                                        std::string_view section);

/// Writes the normal (not maximized) placement of `window` and its maximized state to
/// `section`.
void storePlacement(const QWidget& window, settings::SettingsStore& store,
                    std::string_view section);

/// Shows the one tool window of type `W` owned by `owner` (made with `W(source)` at first
/// use): a hidden window opens at its stored placement, a shown one is refreshed; either way it
/// comes to the front.
template <typename W, typename Source>
W* showToolWindow(QWidget& owner, Source& source, settings::SettingsStore& store,
                  std::string_view section)
{
    W* window = owner.findChild<W*>(QString(), Qt::FindDirectChildrenOnly);
    if (window == nullptr)
        window = new W(source);
    if (!window->isVisible()) {
        if (applyStoredPlacement(*window, store, section))
            window->setWindowState(window->windowState() | Qt::WindowMaximized);
        window->show();
    } else {
        window->refresh();
    }
    window->raise();
    window->activateWindow();
    return window;
}

}  // namespace quillon::app
