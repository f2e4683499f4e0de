// Message boxes as plain text for terminals and logs.
#pragma once

#include <string>
#include <vector>

#include "core/ui/ui_interface.h"

namespace quillon::ui {

/// The title line, then the text's lines ("|" breaks), each without its four-blank indent
/// kept as is; lines made only of non-breaking spaces (padding) are dropped, and
/// Windows-1252 is converted to UTF-8. Ends with a newline.
[[nodiscard]] std::string messageAsText(const MessageBox& box);

/// The button labels of a button list, without their "&" access-key marks.
[[nodiscard]] std::vector<std::string> buttonLabels(const std::string& buttons);

}  // namespace quillon::ui
