// The "System Information" message: program versions, display and operating system.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/ui/ui_interface.h"

namespace quillon::app {

/// What the system information box reports.
struct SystemFacts {
    std::string runtimeVersion;    // the run-time library's version (Qt)
    std::string buildVersion;      // the program's own version
    std::string installedClarion;  // empty when no installed Clarion was found
    std::uint64_t colours = 0;     // 2 to the power of the screen's bits per pixel
    int screenWidth = 0;
    int screenHeight = 0;
    /// The operating system lines, each without the leading blanks.
    std::vector<std::string> systemLines;
};

/// The facts of the running system (screen of the primary display, distribution and kernel).
[[nodiscard]] SystemFacts currentSystemFacts();

/// The message box titled "CLARION QUILLON 32 - System Information".
[[nodiscard]] ui::MessageBox systemInformationBox(const SystemFacts& facts);

}  // namespace quillon::app
