// The font of the text windows whose reports are laid out in columns.
#pragma once

#include <QFont>

namespace quillon::app {

/// A font that resolves to a fixed-pitch face: the system's fixed font when the face it
/// resolves to is fixed-pitch, otherwise the first installed fixed-pitch family at the same
/// size. Where no family is fixed-pitch, the system's fixed font asking for a typewriter face.
[[nodiscard]] QFont fixedPitchFont();

}  // namespace quillon::app
