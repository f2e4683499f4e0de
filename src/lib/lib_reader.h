// LibReader: the LIB test, the library loader, the reference loader into SavedLibSymbols and
// the file test of the compare dialog.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

#include "base/result.h"
#include "core/workspace.h"

namespace quillon::lib {

/// The LIB test: true when the file holds an import definition by ordinal. Sets `ErrorText`
/// to empty for a LIB file and to "NoLib" otherwise, showing "NOT a library file!" unless
/// `QuietLoad` is on. An open or read error fails with its code, its text in `ErrorText`.
[[nodiscard]] Result<bool> libTest(Workspace& ws, const std::string& fileName);

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
};

/// How a load ended when no error was posted.
enum class LibLoadEnd {
    Loaded,          // rows were appended
    NotLibrary,      // the LIB test failed; `ErrorText` is "NoLib"
    Empty,           // "Empty library file!"; `ErrorText` is "NoLib"
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
/// text (also left in `ReadStatus` and `ErrorText`); rows appended before a read error stay.
[[nodiscard]] Result<LibLoadOutcome> loadLibrary(Workspace& ws, const LibLoadRequest& request);

/// Removes the rows a load appended when it appended only one (a module row without symbols):
/// clears status pane 3 when progress was shown, shows "Empty library file!" unless
/// `QuietLoad` is on, and sets `ErrorText` to "NoLib". Returns true when it removed the row.
[[nodiscard]] bool dropEmptyLoad(Workspace& ws, std::size_t firstNewRow,
                                 const std::string& fileName, bool progressShown);

/// The reference loader: fills `SavedLibSymbols` from the library's own LIB file
/// (`LibraryFileName`) when the first module of `ModuleTable` came from a LIB file. No
/// progress, no messages; an open or read error fails with its code, keeping what was read.
[[nodiscard]] Status loadSavedLibSymbols(Workspace& ws);

/// The test the compare dialog runs on a candidate file: for a name ending in ".LIB" the LIB
/// file test, for any other name `executableTest`. Sets `ErrorText` as the LIB test does (an
/// unreadable file gives its error text and no message) and keeps `CurrentFileName`.
using ExecutableTest = std::function<bool(Workspace& ws, const std::string& fileName)>;
[[nodiscard]] bool fileTest(Workspace& ws, const std::string& fileName,
                            const ExecutableTest& executableTest);

}  // namespace quillon::lib
