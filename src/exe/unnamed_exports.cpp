// Finding the exports that have no name.
#include "exe/unnamed_exports.h"

#include <algorithm>

#include "exe/ne_format.h"
#include "exe/pe_export_reader.h"
#include "exe/pe_format.h"
#include "io/byte_reader.h"

namespace quillon::exe {

namespace {

constexpr std::uint64_t kNewHeaderPointer = 0x3C;
constexpr std::uint64_t kNeEntryTable = 0x04;         // 16-bit, relative to the NE header
constexpr std::uint64_t kNeEntryTableLength = 0x06;   // 16-bit
constexpr std::uint64_t kNeNonResidentLength = 0x20;  // 16-bit
constexpr std::size_t kModuleNameLength = 254;

template <typename T>
T valueOr(const Result<T>& r, T fallback)
{
    return r.ok() ? *r : fallback;
}

std::string cutName(std::string name)
{
    if (name.size() > kModuleNameLength)
        name.resize(kModuleNameLength);
    return name;
}

UnnamedExports peUnnamed(const io::ByteReader& in, std::uint64_t nh)
{
    UnnamedExports out;
    const std::uint16_t sectionCount =
        valueOr(in.u16le(nh + pe::kCoffHeaderOffset + pe::kCoffNumberOfSections), std::uint16_t{0});
    const std::uint16_t optionalSize = valueOr(
        in.u16le(nh + pe::kCoffHeaderOffset + pe::kCoffSizeOfOptionalHeader), std::uint16_t{0});
    const std::uint64_t optional = nh + pe::kOptionalHeaderOffset;
    const std::uint16_t magic = valueOr(in.u16le(optional), std::uint16_t{0});
    const pe::OptionalHeaderLayout layout =
        magic == pe::kMagicPe32Plus ? pe::kPe32PlusLayout : pe::kPe32Layout;
    if (valueOr(in.u32le(optional + layout.NumberOfRvaAndSizes), std::uint32_t{0}) == 0)
        return out;
    const std::uint32_t exportRva =
        valueOr(in.u32le(optional + layout.DataDirectory), std::uint32_t{0});
    if (exportRva == 0)
        return out;
    std::vector<PeSection> sections;
    const std::uint64_t table = optional + optionalSize;
    for (std::uint64_t i = 0; i < sectionCount; ++i) {
        const Result<std::span<const std::byte>> h =
            in.bytes(table + i * pe::kSectionHeaderSize, pe::kSectionHeaderSize);
        if (!h)
            break;
        PeSection s;
        s.VirtualAddress = io::loadU32le(*h, pe::kSectionVirtualAddress);
        s.SizeOfRawData = io::loadU32le(*h, pe::kSectionSizeOfRawData);
        s.PointerToRawData = io::loadU32le(*h, pe::kSectionPointerToRawData);
        sections.push_back(s);
    }
    const PeSectionMap map(sections);
    const std::uint32_t fallback = map.deltaFor(exportRva, 0);
    auto offsetOf = [&](std::uint32_t rva) -> std::uint64_t {
        return static_cast<std::uint32_t>(rva - map.deltaFor(rva, fallback));
    };
    const Result<std::span<const std::byte>> dir =
        in.bytes(offsetOf(exportRva), pe::kExportDirectorySize);
    if (!dir)
        return out;
    if (const std::uint32_t nameRva = io::loadU32le(*dir, pe::kExportName); nameRva != 0)
        out.moduleName =
            cutName(valueOr(in.cstring(offsetOf(nameRva), pe::kMaxNameLength), std::string()));
    const std::uint32_t base = io::loadU32le(*dir, pe::kExportBase);
    const std::uint64_t functionsAt = offsetOf(io::loadU32le(*dir, pe::kExportAddressOfFunctions));
    const std::uint64_t ordinalsAt =
        offsetOf(io::loadU32le(*dir, pe::kExportAddressOfNameOrdinals));
    // The counts are claims: only what the file holds is looked at.
    const std::uint64_t functions =
        std::min<std::uint64_t>(io::loadU32le(*dir, pe::kExportNumberOfFunctions),
                                functionsAt <= in.size() ? (in.size() - functionsAt) / 4 : 0);
    const std::uint64_t names =
        std::min<std::uint64_t>(io::loadU32le(*dir, pe::kExportNumberOfNames),
                                ordinalsAt <= in.size() ? (in.size() - ordinalsAt) / 2 : 0);
    std::vector<bool> named(functions, false);
    for (std::uint64_t i = 0; i < names; ++i) {
        const std::uint16_t index = valueOr(in.u16le(ordinalsAt + i * 2), std::uint16_t{0xFFFF});
        if (index < functions)
            named[index] = true;
    }
    for (std::uint64_t i = 0; i < functions; ++i) {
        const std::uint64_t ordinal = std::uint64_t{base} + i;
        if (named[i] || ordinal > 0xFFFF)
            continue;
        if (valueOr(in.u32le(functionsAt + i * 4), std::uint32_t{0}) != 0)
            out.ordinals.push_back(static_cast<std::uint16_t>(ordinal));
    }
    return out;
}

/// Adds the ordinals of a name table; the first entry of the resident table names the module.
void readNames(const io::ByteReader& in, std::uint64_t at, std::uint64_t end,
               std::vector<bool>& named, std::string* moduleName)
{
    while (at < end) {
        const std::uint8_t length = valueOr(in.u8(at), std::uint8_t{0});
        if (length == 0)
            return;
        const Result<std::uint16_t> ordinal = in.u16le(at + 1 + length);
        if (!ordinal)
            return;
        if (moduleName != nullptr) {
            const Result<std::span<const std::byte>> name = in.bytes(at + 1, length);
            if (name)
                *moduleName =
                    cutName(std::string(reinterpret_cast<const char*>(name->data()), name->size()));
            moduleName = nullptr;
        } else {
            named[*ordinal] = true;
        }
        at += 1 + length + ne::kOrdinalSize;
    }
}

UnnamedExports neUnnamed(const io::ByteReader& in, std::uint64_t nh)
{
    UnnamedExports out;
    std::vector<bool> named(65536, false);
    const std::uint16_t resident = valueOr(in.u16le(nh + ne::kResidentNameTable), std::uint16_t{0});
    if (resident != 0)
        readNames(in, nh + resident, in.size(), named, &out.moduleName);
    const std::uint32_t nonResident =
        valueOr(in.u32le(nh + ne::kNonResidentNameTable), std::uint32_t{0});
    const std::uint16_t nonResidentLength =
        valueOr(in.u16le(nh + kNeNonResidentLength), std::uint16_t{0});
    if (nonResident != 0) {
        // Its first entry is the module's description, not an export.
        std::string description;
        readNames(in, nonResident, std::uint64_t{nonResident} + nonResidentLength, named,
                  &description);
    }
    std::uint64_t at = nh + valueOr(in.u16le(nh + kNeEntryTable), std::uint16_t{0});
    const std::uint64_t end = at + valueOr(in.u16le(nh + kNeEntryTableLength), std::uint16_t{0});
    std::uint32_t ordinal = 1;
    while (at + 2 <= end && ordinal <= 0xFFFF) {
        const std::uint8_t count = valueOr(in.u8(at), std::uint8_t{0});
        if (count == 0)
            break;
        const std::uint8_t type = valueOr(in.u8(at + 1), std::uint8_t{0});
        at += 2;
        if (type == 0) {
            ordinal += count;
            continue;
        }
        const std::uint64_t size = type == 0xFF ? 6 : 3;
        for (std::uint8_t i = 0; i < count && ordinal <= 0xFFFF; ++i, ++ordinal, at += size) {
            if (at + size > end || !in.contains(at, size))
                return out;
            if (!named[ordinal])
                out.ordinals.push_back(static_cast<std::uint16_t>(ordinal));
        }
    }
    return out;
}

}  // namespace

UnnamedExports findUnnamedExports(std::span<const std::byte> file)
{
    const io::ByteReader in(file);
    const Result<std::span<const std::byte>> mz = in.bytes(0, 2);
    if (!mz || (*mz)[0] != std::byte{'M'} || (*mz)[1] != std::byte{'Z'})
        return {};
    const std::uint32_t nh = valueOr(in.u32le(kNewHeaderPointer), std::uint32_t{0});
    const Result<std::span<const std::byte>> sig = in.bytes(nh, 4);
    if (!sig)
        return {};
    if ((*sig)[0] == std::byte{'P'} && (*sig)[1] == std::byte{'E'} && (*sig)[2] == std::byte{0} &&
        (*sig)[3] == std::byte{0})
        return peUnnamed(in, nh);
    if ((*sig)[0] == std::byte{'N'} && (*sig)[1] == std::byte{'E'})
        return neUnnamed(in, nh);
    return {};
}

}  // namespace quillon::exe
