// The system's steady clock in hundredths of a second.
#include "base/clock.h"

#include <chrono>

namespace quillon {

std::int64_t SteadyClock::hundredths() const
{
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    return std::chrono::duration_cast<std::chrono::milliseconds>(now).count() / 10;
}

}  // namespace quillon
