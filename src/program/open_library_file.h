// Opening one file as the library: the library it replaces stays until the file has loaded.
#pragma once

#include <string>

#include "program/file_loader.h"

namespace quillon {

/// What opening a file did.
struct OpenFileOutcome {
    /// The counts of the load (its summary has been shown).
    LoadCounts counts;
    /// The file replaced the library.
    bool opened = false;
};

/// Opens `file` alone as the library ("&Open...", a recent file, a favourite, the present file
/// at start-up): the file is loaded into an empty library with the loader's messages and
/// summary, and a LIB file that loads becomes the target with the library unchanged. A file
/// that is missing, cannot be read, gives no names or whose load is cancelled leaves the
/// library with its rows, target and changed flag as they were.
[[nodiscard]] OpenFileOutcome openLibraryFile(Workspace& ws, const std::string& file,
                                              const LoaderHooks& hooks = {});

}  // namespace quillon
