// Bounds-checked reads over a byte buffer.
#include "io/byte_reader.h"

#include "platform/error_codes.h"

namespace quillon::io {

Error readPastEnd()
{
    return Error{platform::kReadPastEnd, platform::errorCodeText(platform::kReadPastEnd)};
}

Result<std::uint8_t> ByteReader::u8(std::uint64_t offset) const
{
    if (!contains(offset, 1))
        return readPastEnd();
    return std::to_integer<std::uint8_t>(m_bytes[offset]);
}

Result<std::uint16_t> ByteReader::u16le(std::uint64_t offset) const
{
    if (!contains(offset, 2))
        return readPastEnd();
    return loadU16le(m_bytes, offset);
}

Result<std::uint32_t> ByteReader::u32le(std::uint64_t offset) const
{
    if (!contains(offset, 4))
        return readPastEnd();
    return loadU32le(m_bytes, offset);
}

Result<std::span<const std::byte>> ByteReader::bytes(std::uint64_t offset, std::uint64_t n) const
{
    if (!contains(offset, n))
        return readPastEnd();
    return m_bytes.subspan(offset, n);
}

Result<std::string> ByteReader::cstring(std::uint64_t offset, std::uint64_t maxLen) const
{
    if (offset >= m_bytes.size())
        return readPastEnd();
    std::string text;
    const std::uint64_t end =
        (maxLen < m_bytes.size() - offset) ? offset + maxLen : m_bytes.size();
    for (std::uint64_t i = offset; i < end; ++i) {
        const char c = static_cast<char>(std::to_integer<unsigned char>(m_bytes[i]));
        if (c == '\0')
            break;
        text.push_back(c);
    }
    return text;
}

}  // namespace quillon::io
