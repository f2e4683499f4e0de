// LibReader: the LIB test, the library loader, the reference loader into SavedLibSymbols and
// the file test of the compare dialog.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

#include "base/read_outcome.h"
#include "base/result.h"
#include "core/workspace.h"

namespace quillon::lib {

/// The LIB test: true when the file holds an import definition by ordinal; otherwise false,
/// after "NOT a library file!" unless `QuietLoad`. An open or read error fails with its code
/// and text, unreported.
[[nodiscard]] Result<bool> libTest(Workspace& ws, const std::string& fileName,
                                   bool QuietLoad = false);

/// What the library loader is asked to do.
struct LibLoadRequest {
    std::string fileName;
    bool showProgress = true;
    /// Switches progress off whatever `showProgress` says.
    bool quiet = false;
    /// Search mode when not empty: only the first module of this name (any letter case).
    std::string moduleName;
    /// Progress follows the file position; otherwise, with a `symbolTotal`, counts symbols.
    bool bySize = true;
    std::uint32_t symbolTotal = 0;
    /// `QuietLoad`: "NOT a library file!" and "Empty library file!" are not shown.
    bool QuietLoad = false;
};

/// How a load ended when no error was posted.
enum class LibLoadEnd {
    Loaded,          // rows were appended
    NotLibrary,      // the LIB test failed: rejected
    Empty,           // "Empty library file!": rejected
    ModuleNotFound,  // search mode found no module of that name
    Cancelled,       // Escape: everything the load appended is gone again
};

struct LibLoadOutcome {
    LibLoadEnd end = LibLoadEnd::Loaded;
    std::size_t rowsAdded = 0;

    friend bool operator==(const LibLoadOutcome&, const LibLoadOutcome&) = default;
};

/// The library loader: appends the modules and symbols of a LIB file (or of one module of it)
/// to `LibraryList` and post-processes them. An open or read error fails with its code and
/// text, unreported; rows appended before a read error stay.
[[nodiscard]] Result<LibLoadOutcome> loadLibrary(Workspace& ws, const LibLoadRequest& request);

/// Removes the rows a load appended when it appended only one (a module row without symbols):
/// clears status pane 3 when progress was shown and shows "Empty library file!" unless
/// `QuietLoad`. Returns true when it removed the row (the file counts as rejected).
[[nodiscard]] bool dropEmptyLoad(Workspace& ws, std::size_t firstNewRow,
                                 const std::string& fileName, bool progressShown, bool QuietLoad);

/// The reference loader: fills `SavedLibSymbols` from the library's own LIB file
/// (`LibraryFileName`) when the first module of `ModuleTable` came from a LIB file. No
/// progress, no messages; an open or read error fails with its code, keeping what was read.
[[nodiscard]] Status loadSavedLibSymbols(Workspace& ws);

/// The test the compare dialog runs on a candidate file: for a name ending in ".LIB" the LIB
/// file test, for any other name `executableTest` (without one, any other file is rejected
/// unreported). An unreadable file fails with its error text and no message.
using ExecutableTest = std::function<ReadOutcome(Workspace& ws, const std::string& fileName)>;
[[nodiscard]] ReadOutcome fileTest(Workspace& ws, const std::string& fileName,
                                   const ExecutableTest& executableTest, bool QuietLoad = false);

}  // namespace quillon::lib
