// Builders of small executable images for tests and benchmarks: PE32 and PE32+ DLLs with
// chosen exports, NE modules with chosen name tables, LE and DOS files, and the positions of
// their structures so that a test can damage any field or cut the file anywhere.
//
// Typical use:
//     PeSpec spec;
//     spec.exports = {{"Alpha"}, {"Beta"}};
//     BuiltImage dll = buildPe(spec);
//     dll.putU32(dll.exportDirectory + 24, 0xFFFFFFFF);   // NumberOfNames far too large
//     folder.write("damaged.dll", dll.bytes);
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillon::testing {

/// A built image: its bytes and the file offsets of its structures (0 when absent).
struct BuiltImage {
    std::vector<std::byte> bytes;

    std::uint64_t newHeader = 0;  // "PE\0\0", "NE", "LE" or "MZ" (the e_lfanew value)
    // PE
    std::uint64_t optionalHeader = 0;
    std::uint64_t sectionTable = 0;     // first 40-byte section header
    std::uint64_t exportDirectory = 0;  // the 40-byte IMAGE_EXPORT_DIRECTORY
    std::uint64_t addressTable = 0;     // AddressOfFunctions array
    std::uint64_t namePointers = 0;     // AddressOfNames array
    std::uint64_t ordinalIndexes = 0;   // AddressOfNameOrdinals array
    std::uint64_t dllName = 0;          // the DLL name string
    /// PE: each export name string, in name-pointer order. NE: each name entry (its length
    /// byte), resident names first, without the module-name and description entries.
    std::vector<std::uint64_t> names;
    // NE
    std::uint64_t residentTable = 0;     // the module-name entry
    std::uint64_t nonResidentTable = 0;  // the description entry (0 when the file has none)

    [[nodiscard]] std::size_t size() const { return bytes.size(); }
    /// Little-endian writes at a file offset; the image grows when the offset lies past its end.
    void putU8(std::uint64_t offset, std::uint8_t value);
    void putU16(std::uint64_t offset, std::uint16_t value);
    void putU32(std::uint64_t offset, std::uint32_t value);
    void putBytes(std::uint64_t offset, std::string_view data);
    /// Little-endian reads of the built bytes (for computing patches).
    [[nodiscard]] std::uint32_t u32(std::uint64_t offset) const;
    [[nodiscard]] std::uint16_t u16(std::uint64_t offset) const;
    /// The first `length` bytes: the file cut short.
    [[nodiscard]] std::vector<std::byte> cut(std::size_t length) const;
    /// The bytes as a string, for `TempFolder::write`.
    [[nodiscard]] std::string text() const;
};

/// Where the export data of a PE image lies.
enum class ExportPlacement {
    /// The export directory opens a section named ".edata" (the data directory points there).
    EdataSection,
    /// A ".edata" section whose first 16 bytes hold something else; the data directory points
    /// at the directory inside it.
    EdataAtOffset,
    /// The directory lies 32 bytes into ".rdata" and is found only through the data directory.
    RdataSection,
    /// The directory and address table lie in ".rdata", the name pointers, ordinal indexes,
    /// DLL name and names in a following ".names" section with another RVA-to-file delta.
    NamesInOtherSection,
};

/// One named export.
struct PeExport {
    std::string name;
    /// Index into the address table (ordinal = base + index); default: the export's position.
    std::optional<std::uint16_t> ordinalIndex;
    /// Non-empty: a forwarded export ("OTHER.Function"); its address points at this text.
    std::string forwarder;
};

/// What `buildPe` writes.
struct PeSpec {
    bool pe32Plus = false;
    std::string dllName = "TEST.dll";
    std::uint32_t ordinalBase = 1;
    /// Named exports in name-pointer order (the order the reader lists them).
    std::vector<PeExport> exports;
    /// Further address-table entries without a name (exports by ordinal only).
    std::uint32_t ordinalOnlyExports = 0;
    /// With no exports and no ordinal-only exports the image has no export directory at all.
    ExportPlacement placement = ExportPlacement::EdataSection;
    /// NumberOfRvaAndSizes (0 gives an optional header without data directories).
    std::uint32_t numberOfRvaAndSizes = 16;
    std::uint32_t newHeaderOffset = 0x80;
    /// RVA of the first section; with 0x200 (below its file offset 0x400) the sections' deltas
    /// VirtualAddress - PointerToRawData wrap around 32 bits.
    std::uint32_t firstSectionRva = 0x1000;
};

/// A PE32 (or PE32+) DLL with a ".text" section and the export data placed as asked. The
/// image is valid: independent PE tools read the same exports.
[[nodiscard]] BuiltImage buildPe(const PeSpec& spec);
/// A PE32 DLL exporting `names` (ordinals 1, 2, ...) from an ".edata" section.
[[nodiscard]] BuiltImage buildPeWithNames(const std::vector<std::string>& names,
                                          std::string dllName = "TEST.dll");

/// One NE name-table entry. Names longer than 255 bytes are cut to 255 (the length byte).
struct NeName {
    std::string name;
    std::uint16_t ordinal = 0;
};

/// What `buildNe` writes.
struct NeSpec {
    std::string moduleName = "TESTMOD";
    std::string description = "Test module";
    std::vector<NeName> residentNames;
    std::vector<NeName> nonResidentNames;
    /// false: the non-resident-name table offset is 0 (no table in the file).
    bool hasNonResidentTable = true;
    /// The movable entry count; default the number of names.
    std::optional<std::uint16_t> movableEntryCount;
    std::uint32_t newHeaderOffset = 0x80;
};

/// A 16-bit NE module with the two name tables as asked; each table ends with a zero length.
[[nodiscard]] BuiltImage buildNe(const NeSpec& spec);

/// An "MZ" file whose new-header offset (e_lfanew) is `newHeaderOffset`, with `newHeader`
/// written there (when it fits in the file), padded with zero bytes to `size` (at least 64).
[[nodiscard]] BuiltImage buildMz(std::uint32_t newHeaderOffset, std::string_view newHeader,
                                 std::size_t size);
/// An LE executable (a VxD-like "LE" new header at 0x80).
[[nodiscard]] BuiltImage buildLe();
/// An old DOS program: new-header offset 0, so the new header is the DOS header itself.
[[nodiscard]] BuiltImage buildDos();

}  // namespace quillon::testing
