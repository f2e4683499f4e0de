// DurationText: an elapsed time in hundredths of a second as the reports write it.
#pragma once

#include <cstdint>
#include <string>

namespace quillon {

/// "Less than 1/100 second", "00.25 seconds", "123.45 seconds", "000020.50 minutes",
/// "000002.78 h".
[[nodiscard]] std::string durationText(std::int64_t hundredths);
/// The seconds forms only, for the extraction and query reports.
[[nodiscard]] std::string durationSecondsText(std::int64_t hundredths);

}  // namespace quillon
