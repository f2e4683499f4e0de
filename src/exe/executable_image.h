// readExecutable: what a file's headers say it is, and the exports of PE and NE files.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "base/result.h"
#include "exe/export_table.h"
#include "exe/image_source.h"

namespace quillon::exe {

/// The kind of file the DOS header and the new header show.
enum class ExecutableKind {
    /// The 64-byte DOS header could not be read (`error` tells why).
    Unreadable,
    /// The file does not begin with "MZ".
    NotMz,
    /// The new header lies beyond the end of the file; the header buffer still holds "MZ".
    NewHeaderMissing,
    /// The file ends inside the new header, whose bytes replaced the "MZ" in the buffer.
    NewHeaderDamaged,
    Pe,
    Ne,
    Le,
    /// The new header is "MZ" again (a new-header offset of 0, or pointing at another "MZ").
    Dos,
    Unknown,
    /// A module-definition (.def) file, told by its name: it is read as text.
    ModuleDefinition,
};

/// The finished result of reading a file's bytes.
struct ExecutableExports {
    ExecutableKind kind = ExecutableKind::Unreadable;
    std::uint32_t newHeaderOffset = 0;
    /// PE: one table per matching section; NE: one table.
    std::vector<ExportTable> tables;
    /// The header read that failed: the DOS header, the new header, the NE header, the
    /// optional header or the section table. Reads inside a table are that table's error.
    Error error;
};

/// Classifies the file by its headers and reads the exports of PE and NE files. Never fails
/// on content: every defect is a kind or an error in the result. Views point into the bytes
/// `source` gave (they live as long as it does).
[[nodiscard]] ExecutableExports readExecutable(ImageSource& source);
/// The same over a whole file in memory; views point into `bytes`.
[[nodiscard]] ExecutableExports readExecutable(std::span<const std::byte> bytes);
/// The result would view the bytes of a temporary.
ExecutableExports readExecutable(std::vector<std::byte>&& bytes) = delete;

}  // namespace quillon::exe
