// The texts of the LIB reader, the LIB writers and the save command: message boxes and
// status texts, built in one place.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "base/result.h"
#include "core/ui/ui_interface.h"

namespace quillon {
class Workspace;
}

namespace quillon::lib {

// Status and progress texts.
inline constexpr std::string_view kSearchingFileText = "Searching file...";
inline constexpr std::string_view kLoadingText = "Loading...";
inline constexpr std::string_view kModuleNotFoundText = "Module not found";
inline constexpr std::string_view kSymbolsUnit = " symbols";
inline constexpr std::string_view kBytesUnit = " bytes";
inline constexpr std::string_view kSavingText = "Saving...";
inline constexpr std::string_view kSavingLibraryText = "Saving library...";
inline constexpr std::string_view kSortingText = "Sorting...";
inline constexpr std::string_view kUpdatingDataText = "Updating data...";
inline constexpr std::string_view kDoneText = "Done";
inline constexpr std::string_view kSaveFailedText = "Save failed!";

// The save dialog.
inline constexpr std::string_view kSaveDialogTitle = "Save library file -";
inline constexpr std::string_view kSaveDialogFilters =
    "Library files (*.lib)|*.lib|All files (*.*)|*.*";

/// "CLARION QUILLON 32 - NOT a library file!"
[[nodiscard]] ui::MessageBox notLibraryFileMessage(std::string_view fileName);
/// "CLARION QUILLON 32 - Empty library file!"
[[nodiscard]] ui::MessageBox emptyLibraryFileMessage(std::string_view fileName);

/// The situations a writer reports.
enum class SaveFailure { OpenFile, DiskFull, Queue, Saving };

/// The writer's message box for `failure` with the posted `error`, the target `fileName` and,
/// for a list error, the number of the row that could not be read.
[[nodiscard]] ui::MessageBox saveFailureMessage(SaveFailure failure, const Error& error,
                                                std::string_view fileName,
                                                std::uint64_t recordNumber = 0);
/// "Error posted: #5 - Access denied"
[[nodiscard]] std::string errorPostedStatus(const Error& error);

/// "CLARION QUILLON 32 - Internal error!" for the save command called in command-line mode.
[[nodiscard]] ui::MessageBox saveFileInternalErrorMessage();

/// "Library: X.LIB saved to disk", or "... - Modules removed: 2" after a cleanup.
[[nodiscard]] std::string librarySavedStatus(std::string_view fileName,
                                             std::uint32_t modulesRemoved);
/// "1 symbol removed", "2 symbols removed"; empty for none.
[[nodiscard]] std::string symbolsRemovedStatus(std::uint32_t symbolsRemoved);
/// "Library: X.LIB - save failed"
[[nodiscard]] std::string librarySaveFailedStatus(std::string_view fileName);

/// Writes `text` into status pane `pane` when the status bar is on.
void showStatus(Workspace& ws, int pane, std::string_view text);
/// Shows `box` unless messages are suppressed (`UseNoMessages`).
void showMessage(Workspace& ws, const ui::MessageBox& box);

}  // namespace quillon::lib
