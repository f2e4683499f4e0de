// ExecutableReader and ExecutableTest: opening an executable, deciding its kind, reading its
// exports into the library, and rejecting what cannot be read with a message that says why.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

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

/// What one `executableReader` call did, for the caller's post-processing.
struct ExecutableLoad {
    /// `ReadStatus`: 0, or the code of the file error.
    int readStatus = 0;
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

/// ExecutableReader: reads `ws.CurrentFileName`, a module-definition file when its name ends in
/// ".DEF" (letter case ignored). Sets `ReadStatus` and `ErrorText` ("NoLib"
/// after a rejection, reported by a message box unless `QuietLoad`), appends one module row and
/// its symbol rows per export table, removes a module left without names, and shows progress
/// when `showProgress`, not `suppressProgress`, and `UseStatusBar` is on. Open and read errors
/// other than 33 show no message: the caller reports them from `ReadStatus` and `ErrorText`.
[[nodiscard]] ExecutableLoad executableReader(Workspace& ws, bool showProgress = false,
                                              bool suppressProgress = false);

/// ExecutableTest: the header checks of `ws.CurrentFileName` without reading names.
/// `ErrorText` is emptied when the file is a PE or NE file, holds the error text when opening
/// or the first read failed, and keeps its value after a rejection, which is reported by a
/// message box whatever `QuietLoad` says.
void executableTest(Workspace& ws);

}  // namespace quillon::exe
