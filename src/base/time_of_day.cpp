// The local time of day.
#include "base/time_of_day.h"

#include <chrono>
#include <ctime>

namespace quillon {

std::int64_t localTimeOfDay()
{
    const auto now = std::chrono::system_clock::now();
    const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &seconds);
#else
    localtime_r(&seconds, &local);
#endif
    const auto millis =
        std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() %
        1000;
    return ((local.tm_hour * 60 + local.tm_min) * 60 + local.tm_sec) * std::int64_t{100} +
           millis / 10;
}

}  // namespace quillon
