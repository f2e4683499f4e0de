// The "System Information" message: program versions, display and operating system.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/ui/ui_interface.h"

namespace quillon {
class Workspace;
}

namespace quillon::app {

/// What the system information box reports.
struct SystemFacts {
    std::string clarionRuntime;    // the installed Clarion's version; empty when none was found
    std::string qtVersion;         // the version of the Qt libraries the program runs on
    std::string buildVersion;      // the program's own version
    std::string installedClarion;  // empty when no installed Clarion was found
    std::uint64_t colours = 0;     // 2 to the power of the screen's bits per pixel
    int screenWidth = 0;
    int screenHeight = 0;
    /// The operating system lines, each without the leading blanks.
    std::vector<std::string> systemLines;
};

/// The facts of the running system (screen of the primary display, distribution and kernel),
/// with the Clarion installation found through the workspace's WIN.INI (or Wine prefix).
[[nodiscard]] SystemFacts currentSystemFacts(Workspace& ws);

/// The message box titled "CLARION QUILLON 32 - System Information".
[[nodiscard]] ui::MessageBox systemInformationBox(const SystemFacts& facts);

}  // namespace quillon::app
