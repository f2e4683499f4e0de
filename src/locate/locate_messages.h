// The texts of the search: the failure message, the status texts of the whole-library pass
// and its summary.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "core/ui/ui_interface.h"

namespace quillon::locate {

inline constexpr std::string_view kFileNotFound = "<File not found>";
inline constexpr std::string_view kFailedTitle = "CLARION QUILLON 32 - Failed to locate DLL-file!";

inline constexpr std::string_view kLocatingText = "Locating...";
inline constexpr std::string_view kUpdatingText = "Updating data...";
inline constexpr std::string_view kVerifyingText = "Verifying files...";
inline constexpr std::string_view kCancelledText = "Cancelled!";
inline constexpr std::string_view kAbortingText = "Aborting...";
inline constexpr std::string_view kFilesLocatedText = "Files located";
inline constexpr std::string_view kDoneText = "Done";
inline constexpr std::string_view kInterruptedText = "Interrupted!";

/// The failure message for `moduleName`. During a multi-file add the short form (tips only);
/// otherwise the long form with the compare-dialog hint, the tips, the exceptions block and,
/// when relaxed matching was off, the relaxed-match block.
[[nodiscard]] ui::MessageBox failedToLocateMessage(std::string_view moduleName, bool multiFileAdd,
                                                   bool relaxed);

/// "{N} empty module(s) aborted".
[[nodiscard]] std::string emptyModulesAbortedText(std::size_t count);

/// The first pane after a pass over `total` modules of which `located` were found.
[[nodiscard]] std::string locateSummaryText(std::size_t located, std::size_t total);

/// The third pane after a pass: "Interrupted!" after a cancel, "Done" when every module was
/// located, else "{N} file(s) checked".
[[nodiscard]] std::string locateEndText(std::size_t located, std::size_t checked, bool cancelled);

}  // namespace quillon::locate
