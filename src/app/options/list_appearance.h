// ListAppearance: the font and colours of the program's lists, kept in section "Appearance".
#pragma once

#include <QColor>
#include <QFont>
#include <QString>

#include <optional>

class QWidget;

namespace quillon::settings {
class SettingsStore;
}

namespace quillon::app {

/// The lists' font, text colour and background; an empty value is the platform's default.
struct ListAppearance {
    std::optional<QFont> font;
    std::optional<QColor> text;
    std::optional<QColor> background;
};

inline constexpr const char* kAppearanceSection = "Appearance";

/// Reads `ListFont` (a font description), `ListTextColor` and `ListBackColor` ("#rrggbb");
/// a blank or unreadable value gives the default.
[[nodiscard]] ListAppearance readListAppearance(settings::SettingsStore& store);
/// Writes the three keys; a default value deletes its key.
void writeListAppearance(settings::SettingsStore& store, const ListAppearance& appearance);

/// Gives every list and tree under `root` the font and colours; defaults restore the look
/// the list had before.
void applyListAppearance(QWidget* root, const ListAppearance& appearance);

}  // namespace quillon::app
