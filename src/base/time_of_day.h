// The local time of day in hundredths of a second, for the times shown to people.
#pragma once

#include <cstdint>

namespace quillon {

/// Hundredths of a second since local midnight (0 to 8639999).
[[nodiscard]] std::int64_t localTimeOfDay();

}  // namespace quillon
