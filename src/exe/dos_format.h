// The DOS ("MZ") header and the new-header signatures that tell the executable formats apart.
#pragma once

#include <cstdint>

namespace quillon::exe::dos {

/// The DOS header as read: 64 bytes at offset 0.
inline constexpr std::uint64_t kHeaderSize = 64;
/// Offset of `e_lfanew`, the 32-bit file offset of the new header.
inline constexpr std::uint64_t kNewHeaderOffsetField = 0x3C;
/// The bytes read at the new header to decide the format.
inline constexpr std::uint64_t kNewHeaderProbeSize = 24;

/// "MZ", the first two bytes of every DOS and Windows executable.
inline constexpr std::uint8_t kMagic0 = 'M';
inline constexpr std::uint8_t kMagic1 = 'Z';

/// The 32-bit value "PE\0\0" that opens a PE new header.
inline constexpr std::uint32_t kPeSignature = 0x00004550;

}  // namespace quillon::exe::dos
