// The local time of day.
#include "base/time_of_day.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>

namespace quillon {
namespace {

TEST(TimeOfDay, IsTheLocalClockTimeInHundredths)
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    const std::int64_t expected = ((local.tm_hour * 60 + local.tm_min) * 60 + local.tm_sec) * 100;
    const std::int64_t day = localTimeOfDay();
    ASSERT_GE(day, 0);
    ASSERT_LT(day, 8'640'000);
    // Within two seconds of the clock read here (or just past midnight).
    EXPECT_TRUE(std::llabs(day - expected) <= 200 || day < 200) << day << " " << expected;
}

}  // namespace
}  // namespace quillon
