// The target name rules: a typed library file name made into the full name of the target.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "core/workspace.h"

namespace quillon {

/// What the target name dialog knows when OK is pressed.
struct TargetNameInput {
    std::string typed;          // the name in the field
    std::string presentName;    // the present `LibraryFileName` (may be empty)
    std::string defaultFolder;  // the default target folder
    bool keepPresentFolder = false;
};

/// The outcome: `accepted` with the full name, or the dialog stays open.
struct TargetNameOutcome {
    bool accepted = false;
    std::string fullName;
    friend bool operator==(const TargetNameOutcome&, const TargetNameOutcome&) = default;
};

/// Checks the typed name (a blank or unusable name shows "Not a valid name!" in status pane 1),
/// adds ".LIB" or ".lib" by the name's letter case, puts a name without a folder into the
/// present or the default target folder, and asks about a folder that does not exist
/// ("&Yes" creates it, "&Present", "&Default", "&Cancel" returns to the dialog).
[[nodiscard]] TargetNameOutcome resolveTargetName(Workspace& ws, const TargetNameInput& input);

/// Opening `file` alone: a LIB file becomes the library's target name and the library counts as
/// unchanged; for any other file the loader's own derived target name stands.
void setTargetAfterOpen(Workspace& ws, const std::string& file);

/// The folder part of a path ("" when it has none), without the trailing separator.
[[nodiscard]] std::string folderPart(std::string_view path);

/// The default target folder: with `UseSameAddSave` 1 the default source folder (when it
/// exists), else by `OptionSaveFolder` (1 the start-up folder, 2 the last used target folder,
/// 3 `SaveFolder`, 4 the Clarion LIB folder, otherwise the current folder).
[[nodiscard]] std::string defaultTargetFolder(const Workspace& ws, std::string_view startupFolder);

}  // namespace quillon
