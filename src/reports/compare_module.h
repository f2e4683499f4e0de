// compareModule: one library module against a disk file (an executable, or a Clarion LIB file
// read in search mode), with its preparation, module verification, passes and status.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "core/workspace.h"
#include "platform/file_system.h"
#include "reports/compare_types.h"

namespace quillon::reports {

/// True when a name ends in ".LIB" (any letter case): the disk file is a Clarion LIB file.
[[nodiscard]] bool isLibDiskFile(std::string_view fileName);

/// Module names that are the same module under partial matching: equal ignoring letter case
/// and trailing blanks once the extension (from the last "." on) is dropped from each.
[[nodiscard]] bool partialModuleMatch(std::string_view a, std::string_view b);

/// Compares the module whose module row is `moduleRow` of `LibraryList` with `diskFile`.
/// Reads the disk file into a scratch library (so the workspace's library is left exactly as
/// it was), verifies the module name (asking "Module not found in disk file!" when it differs
/// beyond what the options allow), runs the passes and decides the status. Writes the status
/// texts (with the status bar on) and shows the failure messages (unless "UseNoMessages");
/// never stores anything: see `keepCompareResult`.
[[nodiscard]] CompareResult compareModule(Workspace& ws, std::size_t moduleRow,
                                          const std::string& diskFile,
                                          const CompareOptions& options);
/// The same with `diskFile` open already (an executable the search just found).
[[nodiscard]] CompareResult compareModule(Workspace& ws, std::size_t moduleRow,
                                          const std::string& diskFile,
                                          const CompareOptions& options, platform::File opened);


}  // namespace quillon::reports
