// The result messages of a silent command-line run.
#pragma once

#include <string>
#include <string_view>

#include "core/ui/ui_interface.h"

namespace quillon {

/// How a silent run ended.
enum class BatchOutcome { Saved, OpenFileError, WriteFailed, NoNames, NotLocated, Cancelled };

/// The one message a silent run shows. `commandLine` is CMDLINE (upper-cased), `libPath` the
/// target LIB file, `code` and `errorText` the writer's result where it failed.
[[nodiscard]] ui::MessageBox batchResultMessage(BatchOutcome outcome, std::string_view commandLine,
                                                std::string_view libPath, int code = 0,
                                                std::string_view errorText = {});

/// The message shown when the interactive import is called during a silent run.
[[nodiscard]] ui::MessageBox internalErrorMessage();

}  // namespace quillon
