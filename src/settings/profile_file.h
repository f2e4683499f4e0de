// Reading the Windows profile files (WIN.INI, SYSTEM.INI) that belong to the system, never
// changing them.
#pragma once

#include <string>
#include <string_view>

namespace quillon::settings {

/// The value of `key` in `section` of the profile file `iniPath`, or `defaultValue` when the file,
/// the section or the key is missing. The file is only read, never changed.
[[nodiscard]] std::string readProfileString(const std::string& iniPath, std::string_view section,
                                            std::string_view key,
                                            std::string_view defaultValue = {});

}  // namespace quillon::settings
