// IconSet: the pictures of the list display, the buttons and the program, by icon number.
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

#include <array>
#include <cstdint>

#include "core/library_row.h"

namespace quillon::app {

/// The icon resource of a list icon number (1 to 26, 101 to 113, 151 to 153), such as
/// "QNShutFold16"; empty for an unknown number. With `osIcons` off, the bitness forms show the
/// plain and plain-exclamation folders.
[[nodiscard]] QString iconName(int number, bool osIcons = true);

/// Loads and keeps the icons of the program's resources.
class IconSet {
public:
    IconSet();

    /// The icon of a list icon number; a null icon for an unknown number.
    [[nodiscard]] const QIcon& listIcon(int number) const;
    /// The icon of a row's picture.
    [[nodiscard]] const QIcon& listIcon(RowIcon icon) const
    {
        return listIcon(static_cast<int>(icon));
    }
    /// Any icon by its resource name ("QNQuillon", "QNBitButton16", "QNTopMost").
    [[nodiscard]] static QIcon named(const QString& name);
    [[nodiscard]] const QIcon& program() const { return m_program; }

    /// Switches the bitness forms of the folders on or off (`UseOsIcons`).
    void setOsIcons(bool on);

private:
    bool m_osIcons = true;
    mutable std::array<QIcon, 154> m_icons;
    mutable std::array<bool, 154> m_loaded{};
    QIcon m_none;
    QIcon m_program;
};

}  // namespace quillon::app
