// ExecutableReader and ExecutableTest: opening an executable, deciding its kind, reading its
// exports into the library, and rejecting what cannot be read with a message that says why.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "base/read_outcome.h"
#include "core/workspace.h"
#include "exe/executable_image.h"

namespace quillon::exe {

/// `ExecutableExtensions`: upper-case extensions of files that should be executables.
inline constexpr std::array<std::string_view, 23> kExecutableExtensions = {
    "EXE", "DLL", "VBX", "OCX", "VXD", "386", "AX",  "ACM", "ACV", "BPL", "CPL", "DIL",
    "DRV", "MOD", "NLS", "OCA", "QTS", "QTX", "SCR", "TLB", "TDR", "TSP", "VWP"};

/// The extension after the last "." of the file's name, upper-cased (the whole name when it
/// has no "."), as the new-header decision compares it.
[[nodiscard]] std::string lastExtensionUpper(std::string_view path);
/// The text after the first "." of the file's name, as written (empty when it has none), as
/// the decision for files without "MZ" compares it.
[[nodiscard]] std::string firstExtensionAsWritten(std::string_view path);

/// How one read is made.
struct ReadMode {
    /// Progress in the status bar (when "UseStatusBar" is on too).
    bool showProgress = false;
    /// `QuietLoad`: rejections are not shown (a multi-file load reports them in its summary).
    bool QuietLoad = false;
};

/// What one `executableReader` call did, for the caller's post-processing.
struct ExecutableLoad {
    /// How the read ended: read, rejected (and reported unless quiet), or failed with a file
    /// error the caller reports.
    ReadOutcome outcome;
    ExecutableKind kind = ExecutableKind::Unreadable;
    /// The number of rows before the call; rows from here on were appended by it.
    std::size_t firstNewRow = 0;
    /// NE: the names taken from the resident-name table (for `LoadedFile::residentCount`).
    std::uint16_t residentCount = 0;
    /// Escape was pressed; everything the call appended has been removed.
    bool cancelled = false;
    /// An export table gave fewer names than it declares.
    bool namesMissing = false;
    /// A module-definition file: its entries left out for want of an ordinal, and for NONAME.
    std::size_t withoutOrdinal = 0;
    std::size_t withoutName = 0;
};

/// ExecutableReader: reads the file `CurrentFileName`, a module-definition file when its name
/// ends in ".DEF" (letter case ignored): appends one module row and its symbol rows per export
/// table, removes a module left without names, and returns how the read ended. A rejection is
/// reported by a message box unless `QuietLoad` or "UseNoMessages"; open and read errors other
/// than 33 show no message: the caller reports them from the outcome.
[[nodiscard]] ExecutableLoad executableReader(Workspace& ws, const std::string& CurrentFileName,
                                              const ReadMode& mode = {});

/// ExecutableTest: the header checks of the file `CurrentFileName` without reading names. A PE
/// or NE file is read; a file that is neither is rejected, reported by a message box whatever
/// `QuietLoad` says; an open error or a failed first read is returned unreported.
[[nodiscard]] ReadOutcome executableTest(Workspace& ws, const std::string& CurrentFileName);

}  // namespace quillon::exe
