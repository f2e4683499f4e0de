// The colours of the information windows (tool tips), kept in WIN.INI section Colors.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace quillon::settings {

/// A colour as red, green and blue.
struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    friend bool operator==(const Rgb&, const Rgb&) = default;
};

/// Background and text colour of the information windows.
struct InfoWindowColours {
    Rgb background{255, 255, 225};
    Rgb text{0, 0, 0};

    friend bool operator==(const InfoWindowColours&, const InfoWindowColours&) = default;
};

/// A colour written as three numbers 0..255 separated by blanks ("255 255 225"); `fallback` for
/// anything else.
[[nodiscard]] Rgb parseRgb(std::string_view text, Rgb fallback);

/// The colours from section `Colors` of the WIN.INI file `winIni`: keys `InfoWindow` (the
/// background) and `InfoTextColors` (the text); a missing file or key, or a value that is not a
/// colour, keeps the default.
[[nodiscard]] InfoWindowColours readInfoWindowColours(const std::string& winIni);

}  // namespace quillon::settings
