// ReportPostedError: the one message box for an error posted by the file and list layer.
#pragma once

#include <string_view>

#include "core/workspace.h"

namespace quillon {

/// Classifies `code` (out of memory, list, file or read error), writes the status text when the
/// status bar is on, shows the message box naming `fileName`, and returns 1 after an
/// out-of-memory report. Code 0 shows nothing and returns 0.
int reportPostedError(Workspace& ws, int code, std::string_view errorText,
                      std::string_view fileName);

}  // namespace quillon
