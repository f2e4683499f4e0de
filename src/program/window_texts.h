// The main window's texts: caption, status panes of the library tab, the save question.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "core/workspace.h"

namespace quillon {

/// "Clarion Quillon 32", or "Clarion Quillon 32 - TARGET:" and the target name as paths are
/// shown.
[[nodiscard]] std::string captionText(std::string_view libraryFileName);

/// The letter casing of `UseStatusCaps` by its first three letters (upper-cased): "DEF", "INI",
/// "LOW" or "UPP". Any other value is replaced by "Default casing" in the options and in the
/// settings file, and "DEF" is returned.
[[nodiscard]] std::string statusCaps(Workspace& ws);

/// `text` in the casing `caps` ("INI" upper-cases the first letter of each part split by "/").
[[nodiscard]] std::string applyCaps(std::string_view text, std::string_view caps);

/// The three status texts of the library tab for the row at `row` (all empty on an empty
/// library or without a selection).
[[nodiscard]] std::array<std::string, 3> libraryStatusTexts(Workspace& ws,
                                                            std::optional<std::size_t> row);

/// The "Library file changed" question asked before closing, New and Close.
[[nodiscard]] ui::MessageBox libraryChangedQuestion(const Workspace& ws);

/// The message shown when the main window, restored from the tray, was still hidden.
[[nodiscard]] ui::MessageBox exceptionalSplashMessage();

/// What the user chose when asked to save the changes.
enum class SaveAnswer { Save, Discard, Cancel };

/// Asks the "Library file changed" question when the library is changed and not empty (and
/// messages are not suppressed); otherwise the changes are dropped without a question (an
/// empty library also clears `LibraryChanged`).
[[nodiscard]] SaveAnswer askSaveChanges(Workspace& ws);

}  // namespace quillon
