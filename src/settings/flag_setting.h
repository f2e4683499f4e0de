// Flags of the settings file: read as on or off, written as 1 or 0.
#pragma once

#include <string_view>

namespace quillon::settings {

class SettingsStore;

/// Reads the flag `key` of `section`: on when the stored number is not 0; an absent key gives
/// `fallback`, a value that is no number reads as off.
[[nodiscard]] bool readFlag(SettingsStore& store, std::string_view section, std::string_view key,
                            bool fallback);

/// Writes the flag `key` of `section` as "1" or "0".
void writeFlag(SettingsStore& store, std::string_view section, std::string_view key, bool on);

}  // namespace quillon::settings
