// Placement of the program's tool windows by their sections of the settings file.
#pragma once

#include <string_view>

class QWidget;

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

}  // namespace quillon::app
