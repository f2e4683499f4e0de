// ByteWriter: a growable little-endian byte buffer for the image builders.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace quillon::testing {

/// A growable little-endian byte buffer.
class ByteWriter {
public:
    void u8(std::uint8_t v) { m_bytes.push_back(std::byte{v}); }
    void u16(std::uint16_t v)
    {
        u8(static_cast<std::uint8_t>(v));
        u8(static_cast<std::uint8_t>(v >> 8));
    }
    void u32(std::uint32_t v)
    {
        u16(static_cast<std::uint16_t>(v));
        u16(static_cast<std::uint16_t>(v >> 16));
    }
    void u64(std::uint64_t v)
    {
        u32(static_cast<std::uint32_t>(v));
        u32(static_cast<std::uint32_t>(v >> 32));
    }
    void text(std::string_view s)
    {
        for (char c : s)
            u8(static_cast<std::uint8_t>(c));
    }
    void fill(std::size_t n, std::uint8_t v) { m_bytes.insert(m_bytes.end(), n, std::byte{v}); }
    void padTo(std::size_t size, std::uint8_t v = 0)
    {
        if (m_bytes.size() < size)
            fill(size - m_bytes.size(), v);
    }
    void append(const std::vector<std::byte>& more)
    {
        m_bytes.insert(m_bytes.end(), more.begin(), more.end());
    }
    [[nodiscard]] std::size_t size() const { return m_bytes.size(); }
    [[nodiscard]] std::vector<std::byte>& vec() { return m_bytes; }

private:
    std::vector<std::byte> m_bytes;
};

}  // namespace quillon::testing
