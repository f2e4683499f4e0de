// The Clarion LIB file format: record frame, import definition layout, the record walk, the
// module rebuild rule and the record encoder.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "base/result.h"

namespace quillon::lib {

// Record frame: type byte, then a 2-byte length counting the bytes that follow it.
inline constexpr std::size_t kFrameSize = 3;
inline constexpr std::size_t kTypeOffset = 0;
inline constexpr std::size_t kLengthOffset = 1;

// Import definition record (OMF comment class A0h, subtype 01h, by ordinal).
inline constexpr std::uint8_t kImportDefinitionType = 0x88;
inline constexpr std::size_t kCommentWordOffset = 3;  // bytes 00h A0h read as one word
inline constexpr std::uint16_t kImportCommentWord = 0xA000;
inline constexpr std::size_t kSubtypeOffset = 5;
inline constexpr std::uint8_t kImportDefinitionSubtype = 0x01;
inline constexpr std::size_t kOrdinalFlagOffset = 6;
inline constexpr std::uint8_t kByOrdinal = 0x01;
inline constexpr std::size_t kSymbolLengthOffset = 7;
/// The 7 bytes of type, length, 00h, A0h, subtype and ordinal flag.
inline constexpr std::size_t kRecordHeaderSize = 7;
/// Record length = symbol length + module length + this.
inline constexpr std::size_t kLengthOverhead = 8;
/// Whole record = symbol length + module length + this.
inline constexpr std::size_t kRecordOverhead = kLengthOverhead + kFrameSize;
inline constexpr std::size_t kOrdinalSize = 2;

/// The longest names the system writes and keeps when reading.
inline constexpr std::size_t kMaxSymbolLength = 254;
inline constexpr std::size_t kMaxModuleLength = 254;

/// One import definition by ordinal as the readers take it: names cut to 254 characters with
/// trailing blanks removed. The names view the walked bytes.
struct ImportDefinition {
    std::string_view symbol;
    std::string_view module;
    std::uint16_t ordinal = 0;
    /// Position of the record in the file.
    std::uint64_t position = 0;
};

/// Walks the records of a LIB file held in memory (its raw bytes as characters). The walk ends at
/// the end of the bytes, at a zero type byte or at a zero record length; the next record starts at
/// position + length + 3. Records other than import definitions by ordinal are skipped whole, and
/// so is an import definition whose names and ordinal do not fit inside its record and the file.
class RecordWalker {
public:
    explicit RecordWalker(std::string_view bytes) : m_bytes(bytes) {}

    /// Moves to the next import definition by ordinal: true with `out` filled, false when the
    /// records end. Fails with 33 when the file ends inside a record's type and length bytes.
    [[nodiscard]] Result<bool> next(ImportDefinition& out);

    /// Where the walk stands: the position of the record after the last one found.
    [[nodiscard]] std::uint64_t position() const { return m_position; }

private:
    [[nodiscard]] bool readImport(std::uint64_t at, std::uint64_t recordEnd,
                                  ImportDefinition& out) const;

    std::string_view m_bytes;
    std::uint64_t m_position = 0;
    bool m_ended = false;
};

/// True when the bytes hold at least one import definition by ordinal; fails like the walk.
[[nodiscard]] Result<bool> containsImportDefinition(std::string_view bytes);

/// The rule that rebuilds modules from the record order: a record opens a new module when its
/// module name differs (case counting) from that of the previous record taken, or when it
/// repeats that record's ordinal and symbol name. Keeps views of the previous record's names,
/// so the walked bytes must outlive it.
class ModuleSplitter {
public:
    /// Takes `record` and tells whether it opens a new module.
    [[nodiscard]] bool opensModule(const ImportDefinition& record);

private:
    std::string_view m_module;
    std::string_view m_symbol;
    std::uint16_t m_ordinal = 0;
    bool m_any = false;
};

/// The most bytes one import definition record takes (both names 254 characters).
inline constexpr std::size_t kMaxRecordSize =
    kMaxSymbolLength + kMaxModuleLength + kRecordOverhead;

/// Writes the bytes of one import definition record at `out`, which has room for
/// `kMaxRecordSize` bytes: symbol and module names cut to 254 characters. Returns the bytes
/// written.
std::size_t writeImportRecord(char* out, std::string_view symbol, std::string_view module,
                              std::uint16_t ordinal);

/// Appends the bytes of one import definition record to `out`, as `writeImportRecord` writes
/// them.
void encodeImportRecord(std::string& out, std::string_view symbol, std::string_view module,
                        std::uint16_t ordinal);

/// `text` cut to `maxLength` characters, then without trailing blanks.
[[nodiscard]] std::string_view cutName(std::string_view text, std::size_t maxLength);

}  // namespace quillon::lib
