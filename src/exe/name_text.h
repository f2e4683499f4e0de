// Names inside a file's bytes: NUL-terminated and length-prefixed, as views.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "base/result.h"
#include "exe/image_source.h"

namespace quillon::exe {

/// The bytes as text (names are Windows-1252 bytes). The view aliases the buffer.
[[nodiscard]] inline std::string_view asText(std::span<const std::byte> bytes)
{
    // char may alias any object, so viewing the bytes as characters is well defined.
    return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

/// `text` up to its first NUL.
[[nodiscard]] inline std::string_view untilNul(std::string_view text)
{
    const std::size_t nul = text.find('\0');
    return nul == std::string_view::npos ? text : text.substr(0, nul);
}

/// A NUL-terminated name at `offset` read as a 255-byte block: at most `maxLength` characters.
/// The block may be cut short by the end of the file when the name's terminator lies inside
/// it; a name that runs into the end of the file before its terminator (and before
/// `maxLength` characters) fails with 33, as does an offset at or beyond the end.
[[nodiscard]] Result<std::string_view> readTerminatedName(ImageSource& file, std::uint64_t offset,
                                                          std::uint64_t maxLength);

}  // namespace quillon::exe
