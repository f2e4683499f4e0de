// Message boxes as plain text for terminals and logs.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/ui/ui_interface.h"

namespace quillon::ui {

/// The title line, then the text's lines ("|" breaks), each without its four-blank indent
/// kept as is; lines made only of non-breaking spaces (padding) are dropped, and
/// Windows-1252 is converted to UTF-8. Ends with a newline.
[[nodiscard]] std::string messageAsText(const MessageBox& box);

/// The button labels of a button list, without their "&" access-key marks.
[[nodiscard]] std::vector<std::string> buttonLabels(const std::string& buttons);

/// The buttons as a terminal offers them, the access key in brackets and the default marked:
/// "[Y]es (Enter), [N]o".
[[nodiscard]] std::string answerChoices(const std::string& buttons, int defaultButton);

/// The 1-based button an answer typed on a terminal picks: its number, its access key ("y" for
/// "&Yes") or its whole label, letter case ignored. Nothing when the answer picks none.
[[nodiscard]] std::optional<int> answeredButton(const std::string& buttons,
                                                std::string_view answer);

}  // namespace quillon::ui
