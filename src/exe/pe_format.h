// The PE (Portable Executable) structures the export reader uses: offsets and sizes.
#pragma once

#include <cstdint>

namespace quillon::exe::pe {

/// The COFF file header follows the 4-byte "PE\0\0" signature.
inline constexpr std::uint64_t kCoffHeaderOffset = 4;
inline constexpr std::uint64_t kCoffNumberOfSections = 2;       // 16-bit
inline constexpr std::uint64_t kCoffSizeOfOptionalHeader = 16;  // 16-bit
/// The optional header starts at new header + 24.
inline constexpr std::uint64_t kOptionalHeaderOffset = 24;

/// Optional header magic: PE32 (32-bit images) and PE32+ (64-bit images).
inline constexpr std::uint16_t kMagicPe32 = 0x10B;
inline constexpr std::uint16_t kMagicPe32Plus = 0x20B;

/// Where NumberOfRvaAndSizes and the first data directory lie in the optional header.
struct OptionalHeaderLayout {
    std::uint64_t NumberOfRvaAndSizes;
    std::uint64_t DataDirectory;
};
inline constexpr OptionalHeaderLayout kPe32Layout{92, 96};
inline constexpr OptionalHeaderLayout kPe32PlusLayout{108, 112};

/// One data directory entry: RVA and size. Entry 0 is the export directory.
inline constexpr std::uint64_t kDataDirectorySize = 8;

/// Section header: 40 bytes each, the table follows the optional header.
inline constexpr std::uint64_t kSectionHeaderSize = 40;
inline constexpr std::uint64_t kSectionNameSize = 8;
inline constexpr std::uint64_t kSectionVirtualAddress = 12;
inline constexpr std::uint64_t kSectionSizeOfRawData = 16;
inline constexpr std::uint64_t kSectionPointerToRawData = 20;

/// The export directory (IMAGE_EXPORT_DIRECTORY): 40 bytes.
inline constexpr std::uint64_t kExportDirectorySize = 40;
inline constexpr std::uint64_t kExportName = 12;               // RVA of the DLL name
inline constexpr std::uint64_t kExportBase = 16;               // ordinal base
inline constexpr std::uint64_t kExportNumberOfFunctions = 20;  // not used by the reader
inline constexpr std::uint64_t kExportNumberOfNames = 24;
inline constexpr std::uint64_t kExportAddressOfFunctions = 28;  // not used by the reader
inline constexpr std::uint64_t kExportAddressOfNames = 32;
inline constexpr std::uint64_t kExportAddressOfNameOrdinals = 36;

/// Names are read as 255-byte blocks: at most 254 characters before the terminator.
inline constexpr std::uint64_t kMaxNameLength = 254;

}  // namespace quillon::exe::pe
