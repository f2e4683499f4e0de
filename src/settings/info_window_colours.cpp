// The colours of the information windows (tool tips), kept in WIN.INI section Colors.
#include "settings/info_window_colours.h"

#include <array>

#include "settings/profile_file.h"

namespace quillon::settings {

Rgb parseRgb(std::string_view text, Rgb fallback)
{
    std::array<int, 3> parts{};
    std::size_t count = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        if (text[i] == ' ' || text[i] == '\t') {
            ++i;
            continue;
        }
        if (text[i] < '0' || text[i] > '9' || count == parts.size())
            return fallback;
        int value = 0;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
            value = value * 10 + (text[i] - '0');
            if (value > 255)
                return fallback;
            ++i;
        }
        parts[count++] = value;
    }
    if (count != parts.size())
        return fallback;
    return Rgb{static_cast<std::uint8_t>(parts[0]), static_cast<std::uint8_t>(parts[1]),
               static_cast<std::uint8_t>(parts[2])};
}

InfoWindowColours readInfoWindowColours(const std::string& winIni)
{
    InfoWindowColours colours;
    colours.background =
        parseRgb(readProfileString(winIni, "Colors", "InfoWindow"), colours.background);
    colours.text = parseRgb(readProfileString(winIni, "Colors", "InfoTextColors"), colours.text);
    return colours;
}

}  // namespace quillon::settings
