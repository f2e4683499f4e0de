// Clock: the time of day in hundredths of a second, replaceable in tests.
#pragma once

#include <cstdint>

namespace quillon {

/// A monotonic clock counting hundredths of a second.
class Clock {
public:
    virtual ~Clock() = default;
    [[nodiscard]] virtual std::int64_t hundredths() const = 0;
};

/// The system's steady clock.
class SteadyClock final : public Clock {
public:
    [[nodiscard]] std::int64_t hundredths() const override;
};

}  // namespace quillon
