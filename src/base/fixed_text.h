// cutToCapacity: a text cut to the capacity of the field that holds it.
#pragma once

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>

namespace quillon {

/// Cuts `text` to a field of `capacity` (capacity minus one characters).
[[nodiscard]] inline std::string cutToCapacity(std::string_view text, std::size_t capacity)
{
    return std::string(text.substr(0, std::min(text.size(), capacity - 1)));
}

}  // namespace quillon
