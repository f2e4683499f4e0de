// ByteReader: bounds-checked little-endian reads over a file's bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "base/result.h"

namespace quillon::io {

/// Reads values at absolute offsets of a byte buffer. Every read is checked against the
/// buffer's size in 64 bits; a read that does not fit fails with code 33 (read past end).
class ByteReader {
public:
    explicit ByteReader(std::span<const std::byte> bytes) : m_bytes(bytes) {}

    [[nodiscard]] std::uint64_t size() const { return m_bytes.size(); }
    [[nodiscard]] std::span<const std::byte> all() const { return m_bytes; }

    /// True when `n` bytes starting at `offset` lie inside the buffer.
    [[nodiscard]] bool contains(std::uint64_t offset, std::uint64_t n) const
    {
        return offset <= m_bytes.size() && n <= m_bytes.size() - offset;
    }

    [[nodiscard]] Result<std::uint8_t> u8(std::uint64_t offset) const;
    [[nodiscard]] Result<std::uint16_t> u16le(std::uint64_t offset) const;
    [[nodiscard]] Result<std::uint32_t> u32le(std::uint64_t offset) const;
    [[nodiscard]] Result<std::span<const std::byte>> bytes(std::uint64_t offset,
                                                           std::uint64_t n) const;
    /// The bytes from `offset` up to the first NUL, at most `maxLen` of them. A string that
    /// reaches the end of the buffer or `maxLen` without a NUL is returned as far as it goes;
    /// only an offset at or past the end fails.
    [[nodiscard]] Result<std::string> cstring(std::uint64_t offset, std::uint64_t maxLen) const;

private:
    std::span<const std::byte> m_bytes;
};

/// The error posted for a read outside the buffer.
[[nodiscard]] Error readPastEnd();

/// Little-endian helpers for buffers already checked by the caller.
[[nodiscard]] inline std::uint16_t loadU16le(std::span<const std::byte> b, std::size_t at)
{
    return static_cast<std::uint16_t>(std::to_integer<unsigned>(b[at]) |
                                      (std::to_integer<unsigned>(b[at + 1]) << 8));
}

[[nodiscard]] inline std::uint32_t loadU32le(std::span<const std::byte> b, std::size_t at)
{
    return std::to_integer<std::uint32_t>(b[at]) | (std::to_integer<std::uint32_t>(b[at + 1]) << 8) |
           (std::to_integer<std::uint32_t>(b[at + 2]) << 16) |
           (std::to_integer<std::uint32_t>(b[at + 3]) << 24);
}

}  // namespace quillon::io
