// LibBuilder: the bytes of LIB files for tests — import definitions and malformed records.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

namespace quillon::testing {

/// One import definition: module, symbol and ordinal.
struct LibEntry {
    std::string module;
    std::string symbol;
    std::uint16_t ordinal = 0;
};

/// Builds a LIB file record by record.
class LibBuilder {
public:
    /// An import definition by ordinal, as the writer makes it.
    LibBuilder& import(std::string_view module, std::string_view symbol, std::uint16_t ordinal);
    /// The same with one more byte counted in the length and a checksum byte after the body,
    /// as general OMF tools write it.
    LibBuilder& importWithChecksum(std::string_view module, std::string_view symbol,
                                   std::uint16_t ordinal);
    /// An import definition by name (ordinal flag 00h) with well-formed names.
    LibBuilder& importByName(std::string_view module, std::string_view symbol);
    /// A record of `type` around `body`, its length the body's size.
    LibBuilder& record(std::uint8_t type, std::string_view body);
    /// A record of `type` claiming `length` bytes, followed by `body` whatever its size.
    LibBuilder& recordWithLength(std::uint8_t type, std::uint16_t length, std::string_view body);
    /// Bytes as they are.
    LibBuilder& raw(std::string_view bytes);

    [[nodiscard]] const std::string& bytes() const { return m_bytes; }
    [[nodiscard]] std::size_t size() const { return m_bytes.size(); }

private:
    std::string m_bytes;
};

/// The body of an import definition by ordinal (from the comment type byte on), names uncut.
[[nodiscard]] std::string importBody(std::string_view module, std::string_view symbol,
                                     std::uint16_t ordinal, std::uint8_t ordinalFlag = 1);

/// A LIB file holding one import definition per entry, in order.
[[nodiscard]] std::string libBytes(std::initializer_list<LibEntry> entries);

}  // namespace quillon::testing
