// The result messages of a silent command-line run.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "core/ui/ui_interface.h"

namespace quillon {

/// How a silent run ended.
enum class BatchOutcome { Saved, OpenFileError, WriteFailed, NoNames, NotLocated, Cancelled };

/// Where the result message is shown: a message box holds the whole command line and points
/// to the options dialog; a terminal names the first `kTerminalInputsShown` input files and
/// points to the command line's own way of suppressing the message.
enum class ResultForm { MessageBox, Terminal };
inline constexpr std::size_t kTerminalInputsShown = 5;

/// The one message a silent run shows. `commandLine` is CMDLINE, `libPath` the target LIB
/// file, `code` and `errorText` the writer's result where it failed.
[[nodiscard]] ui::MessageBox batchResultMessage(BatchOutcome outcome, std::string_view commandLine,
                                                std::string_view libPath, int code = 0,
                                                std::string_view errorText = {},
                                                ResultForm form = ResultForm::MessageBox);

/// The message shown when the interactive import is called during a silent run.
[[nodiscard]] ui::MessageBox internalErrorMessage();

}  // namespace quillon
