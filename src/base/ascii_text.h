// Plain-text helpers for names and settings values: ASCII letter casing and blank trimming.
#pragma once

#include <string>
#include <string_view>

namespace quillon {

/// Upper-cases ASCII letters, the way names are compared; other bytes are kept.
[[nodiscard]] std::string upperCase(std::string_view text);
/// Lower-cases ASCII letters; other bytes are kept.
[[nodiscard]] std::string lowerCase(std::string_view text);

/// `text` without trailing blanks: names and settings values compare blank-padded.
[[nodiscard]] inline std::string_view trimRight(std::string_view text)
{
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

/// Whether `text` holds nothing but blanks: a settings value or variable so is not set.
[[nodiscard]] inline bool isBlank(std::string_view text)
{
    return trimRight(text).empty();
}

/// `text` without leading and trailing blanks and tabs.
[[nodiscard]] inline std::string_view trimBlanks(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

}  // namespace quillon
