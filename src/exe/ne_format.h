// The NE (New Executable) header fields and name-table entries the name-table reader uses.
#pragma once

#include <cstdint>

namespace quillon::exe::ne {

/// The NE header as read: 64 bytes at the new-header offset.
inline constexpr std::uint64_t kHeaderSize = 64;
/// 16-bit offset of the resident-name table, relative to the NE header.
inline constexpr std::uint64_t kResidentNameTable = 0x26;
/// 32-bit offset of the non-resident-name table, relative to the start of the file.
inline constexpr std::uint64_t kNonResidentNameTable = 0x2C;
/// 16-bit count of movable entries (the progress total).
inline constexpr std::uint64_t kMovableEntryCount = 0x30;

/// A name-table entry: a length byte L, L name bytes, a 16-bit ordinal. L = 0 ends the table.
/// Entries are read as 255-byte blocks, so at most 254 name bytes are taken.
inline constexpr std::uint64_t kMaxNameLength = 254;
inline constexpr std::uint64_t kOrdinalSize = 2;

}  // namespace quillon::exe::ne
