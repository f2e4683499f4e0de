// The texts of the revert and update commands: status texts, the count line of an update and
// the "Module not found!" message.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "core/ui/ui_interface.h"

namespace quillon {
class Workspace;
}

namespace quillon::refresh {

inline constexpr std::string_view kRevertDoneText = "Revert done";
inline constexpr std::string_view kUpdateDoneText = "Update done";
inline constexpr std::string_view kNotInFileText = "NOT in file";
inline constexpr std::string_view kNotLocatedText = "NOT located";
inline constexpr std::string_view kModuleNotLocatedText = "Module was NOT located!";
inline constexpr std::string_view kRemovingText = "Removing...";
inline constexpr std::string_view kFromLibFileText = "From LIB file";
inline constexpr std::string_view kNoDataText = "No data on last opened file!";
inline constexpr std::string_view kNotFoundOnDiskText = "File was not found on disk!";
/// Why a reload kept a module as it was (the update list and pane 2).
inline constexpr std::string_view kKeptReadErrorText = "kept: <read error>";
inline constexpr std::string_view kKeptNoNamesText = "kept: <no names>";
inline constexpr std::string_view kKeptOtherModuleText = "kept: <another module>";

/// A module name as the status bar shows it while working on it: lower case with the first
/// letter upper-cased, followed by "..." ("KERNEL32" gives "Kernel32...").
[[nodiscard]] std::string workingName(std::string_view moduleName);

/// "Module: " + the name + "..." (pane 1 while one module is searched).
[[nodiscard]] std::string searchingModuleText(std::string_view moduleName);

/// "Module: " + the name + " not located..." (pane 1 while a module comes back from its LIB file).
[[nodiscard]] std::string fromLibFileText(std::string_view moduleName);

/// "File: " + the file (pane 1 after one module was reloaded).
[[nodiscard]] std::string fileText(std::string_view file);

/// `count` + " symbols".
[[nodiscard]] std::string symbolsText(std::size_t count);

/// Pane 1 after an update of the library: `updated` modules reloaded from their executables,
/// `notLocated` from the files they came from, and `unreadable` kept as they were because
/// their executable could not be read whole (told after the rest: " - 2 modules kept:
/// <read error>").
[[nodiscard]] std::string updateCountText(std::size_t updated, std::size_t notLocated,
                                          std::size_t unreadable = 0);

/// Writes `text` into status pane `pane` when the status bar is on.
void showStatus(Workspace& ws, int pane, std::string_view text);
/// Empties the three status panes (when the status bar is on).
void clearStatus(Workspace& ws);

/// "Module not found!": the module is not in the file it was reloaded from.
[[nodiscard]] ui::MessageBox moduleNotFoundMessage(std::string_view moduleName,
                                                   std::string_view file);

}  // namespace quillon::refresh
