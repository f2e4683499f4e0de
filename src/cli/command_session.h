// The session of one subcommand's run, and the LIB file a subcommand loads into it.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/ui/ui_interface.h"
#include "program/session.h"

namespace quillon::cli {

/// Sets up a subcommand's run as start-up does (settings located and read, options and the
/// exclusion list loaded), with `settingsDir` (from `--settings`, when not empty) as the folder of
/// the settings file. The workspace runs silently: no window asks anything.
[[nodiscard]] std::unique_ptr<Session> openCommandSession(ui::UiInterface& ui,
                                                          const std::string& settingsDir);

/// Loads the LIB file `file` (as typed) into the workspace, without progress. Nothing when it
/// loaded; otherwise why not, after the file name ("X.LIB: not a library file, or an empty one").
[[nodiscard]] std::optional<std::string> loadCommandLibFile(Workspace& ws, const std::string& file);

/// Loads the input files of a listing subcommand (those that exist) as a LIB-file run does,
/// without the cleanups. Returns 0 when the library holds rows, 3 when an existing file gave
/// none, 4 when no file was found, 5 when Ctrl+C cancelled the load.
[[nodiscard]] int loadCommandInputFiles(Workspace& ws, const std::vector<std::string>& files);

}  // namespace quillon::cli
