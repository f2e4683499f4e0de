// PE32 and PE32+ images written byte by byte for the tests and benchmarks.
#include "support/exe_builder.h"
#include "support/byte_writer.h"

#include <algorithm>

namespace quillon::testing {

namespace {

constexpr std::uint32_t kFileAlignment = 0x200;

std::uint32_t alignUp(std::uint64_t value, std::uint32_t alignment)
{
    return static_cast<std::uint32_t>((value + alignment - 1) / alignment * alignment);
}

/// The export data in two blocks: A (directory, address table, forwarder strings) and B (name
/// pointers, ordinal indexes, DLL name, names). Offsets are relative to their block.
struct ExportData {
    ByteWriter a;
    ByteWriter b;
    std::uint32_t addressTable = 40;
    std::uint32_t namePointers = 0;
    std::uint32_t ordinalIndexes = 0;
    std::uint32_t dllName = 0;
    std::vector<std::uint32_t> names;
};

ExportData exportData(const PeSpec& spec, std::uint32_t aRva, std::uint32_t bRva,
                      std::uint32_t textRva)
{
    ExportData d;
    const std::size_t n = spec.exports.size();
    std::uint32_t namedFunctions = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const std::uint32_t index =
            spec.exports[i].ordinalIndex.value_or(static_cast<std::uint16_t>(i));
        namedFunctions = std::max(namedFunctions, index + 1);
    }
    const std::uint32_t functions = namedFunctions + spec.ordinalOnlyExports;

    // Block B first: its layout does not depend on block A.
    d.namePointers = 0;
    d.ordinalIndexes = static_cast<std::uint32_t>(4 * n);
    d.dllName = static_cast<std::uint32_t>(6 * n);
    std::vector<std::uint32_t> nameAt(n);
    std::uint32_t at = d.dllName + static_cast<std::uint32_t>(spec.dllName.size()) + 1;
    for (std::size_t i = 0; i < n; ++i) {
        nameAt[i] = at;
        at += static_cast<std::uint32_t>(spec.exports[i].name.size()) + 1;
    }
    for (std::size_t i = 0; i < n; ++i)
        d.b.u32(bRva + nameAt[i]);
    for (std::size_t i = 0; i < n; ++i)
        d.b.u16(spec.exports[i].ordinalIndex.value_or(static_cast<std::uint16_t>(i)));
    d.b.text(spec.dllName);
    d.b.u8(0);
    for (std::size_t i = 0; i < n; ++i) {
        d.b.text(spec.exports[i].name);
        d.b.u8(0);
    }
    d.names = nameAt;

    // Block A: directory, address table, forwarder strings.
    std::vector<std::uint32_t> address(functions, 0);
    for (std::uint32_t i = namedFunctions; i < functions; ++i)
        address[i] = textRva + 4 * i;
    const std::uint32_t forwarderAt = 40 + 4 * functions;
    ByteWriter forwarders;
    for (std::size_t i = 0; i < n; ++i) {
        const PeExport& e = spec.exports[i];
        const std::uint32_t index = e.ordinalIndex.value_or(static_cast<std::uint16_t>(i));
        if (e.forwarder.empty()) {
            address[index] = textRva + 4 * index;
        } else {
            address[index] = aRva + forwarderAt + static_cast<std::uint32_t>(forwarders.size());
            forwarders.text(e.forwarder);
            forwarders.u8(0);
        }
    }
    d.a.u32(0);                              // Characteristics
    d.a.u32(0x5F000000);                     // TimeDateStamp
    d.a.u32(0);                              // MajorVersion, MinorVersion
    d.a.u32(bRva + d.dllName);               // Name
    d.a.u32(spec.ordinalBase);               // Base
    d.a.u32(functions);                      // NumberOfFunctions
    d.a.u32(static_cast<std::uint32_t>(n));  // NumberOfNames
    d.a.u32(aRva + 40);                      // AddressOfFunctions
    d.a.u32(bRva + d.namePointers);          // AddressOfNames
    d.a.u32(bRva + d.ordinalIndexes);        // AddressOfNameOrdinals
    for (std::uint32_t v : address)
        d.a.u32(v);
    d.a.append(forwarders.vec());
    return d;
}

struct Section {
    std::string name;
    ByteWriter data;
    std::uint32_t rva = 0;
    std::uint32_t raw = 0;
    std::uint32_t characteristics = 0;
};

}  // namespace

// ---- BuiltImage ----

void BuiltImage::putU8(std::uint64_t offset, std::uint8_t value)
{
    if (offset >= bytes.size())
        bytes.resize(static_cast<std::size_t>(offset) + 1);
    bytes[static_cast<std::size_t>(offset)] = std::byte{value};
}

void BuiltImage::putU16(std::uint64_t offset, std::uint16_t value)
{
    putU8(offset, static_cast<std::uint8_t>(value));
    putU8(offset + 1, static_cast<std::uint8_t>(value >> 8));
}

void BuiltImage::putU32(std::uint64_t offset, std::uint32_t value)
{
    putU16(offset, static_cast<std::uint16_t>(value));
    putU16(offset + 2, static_cast<std::uint16_t>(value >> 16));
}

void BuiltImage::putBytes(std::uint64_t offset, std::string_view data)
{
    for (std::size_t i = 0; i < data.size(); ++i)
        putU8(offset + i, static_cast<std::uint8_t>(data[i]));
}

std::uint16_t BuiltImage::u16(std::uint64_t offset) const
{
    return static_cast<std::uint16_t>(std::to_integer<unsigned>(bytes.at(offset)) |
                                      (std::to_integer<unsigned>(bytes.at(offset + 1)) << 8));
}

std::uint32_t BuiltImage::u32(std::uint64_t offset) const
{
    return u16(offset) | (std::uint32_t{u16(offset + 2)} << 16);
}

std::vector<std::byte> BuiltImage::cut(std::size_t length) const
{
    return {bytes.begin(),
            bytes.begin() + static_cast<std::ptrdiff_t>(std::min(length, bytes.size()))};
}

std::string BuiltImage::text() const
{
    std::string s(bytes.size(), '\0');
    for (std::size_t i = 0; i < bytes.size(); ++i)
        s[i] = static_cast<char>(std::to_integer<unsigned char>(bytes[i]));
    return s;
}

// ---- PE ----

BuiltImage buildPe(const PeSpec& spec)
{
    const bool plus = spec.pe32Plus;
    const bool hasExports = !spec.exports.empty() || spec.ordinalOnlyExports > 0;
    const bool split = spec.placement == ExportPlacement::NamesInOtherSection;
    // Low RVAs go with a section alignment equal to the file alignment.
    const std::uint32_t sectionAlignment =
        spec.firstSectionRva % 0x1000 == 0 ? 0x1000 : kFileAlignment;
    std::uint32_t prefix = 0;
    std::string exportSection = ".edata";
    switch (spec.placement) {
        case ExportPlacement::EdataSection:
            break;
        case ExportPlacement::EdataAtOffset:
            prefix = 16;
            break;
        case ExportPlacement::RdataSection:
        case ExportPlacement::NamesInOtherSection:
            prefix = 32;
            exportSection = ".rdata";
            break;
    }

    // Sizes first (they do not depend on the RVAs), then the RVAs, then the real data.
    const ExportData dry = exportData(spec, 0, 0, 0);
    const std::uint32_t functions = (static_cast<std::uint32_t>(dry.a.size()) - 40) / 4;
    std::vector<Section> sections;
    sections.push_back(Section{".text", {}, 0, 0, 0x60000020});
    const std::uint32_t textSize = std::max<std::uint32_t>(16, 4 * functions + 16);
    if (hasExports) {
        sections.push_back(Section{exportSection, {}, 0, 0, 0x40000040});
        if (split)
            sections.push_back(Section{".names", {}, 0, 0, 0x40000040});
    }
    std::vector<std::uint32_t> sizes = {textSize};
    if (hasExports) {
        sizes.push_back(prefix + static_cast<std::uint32_t>(dry.a.size()) +
                        (split ? 0 : static_cast<std::uint32_t>(dry.b.size())));
        if (split)
            sizes.push_back(static_cast<std::uint32_t>(dry.b.size()));
    }

    const std::uint32_t optionalSize = (plus ? 112u : 96u) + 8 * spec.numberOfRvaAndSizes;
    const std::uint64_t headersEnd =
        std::uint64_t{spec.newHeaderOffset} + 24 + optionalSize + 40 * sections.size();
    const std::uint32_t sizeOfHeaders =
        std::max<std::uint32_t>(alignUp(headersEnd, kFileAlignment), 0x400);
    std::uint32_t rva = spec.firstSectionRva;
    std::uint32_t raw = sizeOfHeaders;
    for (std::size_t i = 0; i < sections.size(); ++i) {
        sections[i].rva = rva;
        sections[i].raw = raw;
        rva = alignUp(std::uint64_t{rva} + std::max<std::uint32_t>(sizes[i], 1), sectionAlignment);
        raw += alignUp(std::max<std::uint32_t>(sizes[i], 1), kFileAlignment);
    }
    const std::uint32_t sizeOfImage = rva;

    BuiltImage image;
    std::uint32_t exportRva = 0;
    std::uint32_t exportSize = 0;
    sections[0].data.fill(textSize, 0xC3);
    if (hasExports) {
        const std::uint32_t aRva = sections[1].rva + prefix;
        const std::uint32_t bRva =
            split ? sections[2].rva : aRva + static_cast<std::uint32_t>(dry.a.size());
        ExportData d = exportData(spec, aRva, bRva, sections[0].rva);
        Section& first = sections[1];
        first.data.fill(prefix, 0xEE);
        first.data.append(d.a.vec());
        Section& names = split ? sections[2] : sections[1];
        if (!split)
            first.data.append(d.b.vec());
        else
            names.data.append(d.b.vec());
        exportRva = aRva;
        exportSize = static_cast<std::uint32_t>(d.a.size()) +
                     (split ? 0 : static_cast<std::uint32_t>(d.b.size()));
        const std::uint64_t aFile = first.raw + prefix;
        const std::uint64_t bFile = split ? names.raw : aFile + d.a.size();
        image.exportDirectory = aFile;
        image.addressTable = aFile + d.addressTable;
        image.namePointers = bFile + d.namePointers;
        image.ordinalIndexes = bFile + d.ordinalIndexes;
        image.dllName = bFile + d.dllName;
        for (std::uint32_t at : d.names)
            image.names.push_back(bFile + at);
    }

    ByteWriter out;
    // DOS header and stub.
    out.text("MZ");
    out.fill(0x3A, 0);
    out.u32(spec.newHeaderOffset);
    out.padTo(spec.newHeaderOffset, 0);
    image.newHeader = spec.newHeaderOffset;
    // Signature and COFF file header.
    out.text(std::string_view("PE\0\0", 4));
    out.u16(plus ? 0x8664 : 0x014C);
    out.u16(static_cast<std::uint16_t>(sections.size()));
    out.u32(0x5F000000);
    out.u32(0);
    out.u32(0);
    out.u16(static_cast<std::uint16_t>(optionalSize));
    out.u16(plus ? 0x2022 : 0x2102);
    // Optional header.
    image.optionalHeader = out.size();
    out.u16(plus ? 0x20B : 0x10B);
    out.u8(14);
    out.u8(0);
    out.u32(textSize);                // SizeOfCode
    out.u32(hasExports ? 0x200 : 0);  // SizeOfInitializedData
    out.u32(0);                       // SizeOfUninitializedData
    out.u32(0);                       // AddressOfEntryPoint
    out.u32(sections[0].rva);         // BaseOfCode
    if (plus) {
        out.u64(0x180000000ULL);  // ImageBase
    } else {
        out.u32(sections[0].rva);  // BaseOfData
        out.u32(0x10000000);       // ImageBase
    }
    out.u32(sectionAlignment);
    out.u32(kFileAlignment);
    out.u16(6);
    out.u16(0);
    out.u16(0);
    out.u16(0);
    out.u16(6);
    out.u16(0);
    out.u32(0);  // Win32VersionValue
    out.u32(sizeOfImage);
    out.u32(sizeOfHeaders);
    out.u32(0);  // CheckSum
    out.u16(3);  // Subsystem: console
    out.u16(0);  // DllCharacteristics
    for (int i = 0; i < 4; ++i) {
        if (plus)
            out.u64(0x100000);
        else
            out.u32(0x100000);
    }
    out.u32(0);  // LoaderFlags
    out.u32(spec.numberOfRvaAndSizes);
    for (std::uint32_t i = 0; i < spec.numberOfRvaAndSizes; ++i) {
        out.u32(i == 0 ? exportRva : 0);
        out.u32(i == 0 ? exportSize : 0);
    }
    // Section table.
    image.sectionTable = out.size();
    for (std::size_t i = 0; i < sections.size(); ++i) {
        const Section& s = sections[i];
        std::string name = s.name;
        name.resize(8, '\0');
        out.text(name);
        out.u32(sizes[i]);  // VirtualSize
        out.u32(s.rva);
        out.u32(alignUp(std::max<std::uint32_t>(sizes[i], 1), kFileAlignment));  // SizeOfRawData
        out.u32(s.raw);
        out.u32(0);
        out.u32(0);
        out.u16(0);
        out.u16(0);
        out.u32(s.characteristics);
    }
    // Section data.
    for (std::size_t i = 0; i < sections.size(); ++i) {
        out.padTo(sections[i].raw, 0);
        out.append(sections[i].data.vec());
        out.padTo(sections[i].raw + alignUp(std::max<std::uint32_t>(sizes[i], 1), kFileAlignment),
                  0);
    }
    image.bytes = std::move(out.vec());
    return image;
}

BuiltImage buildPeWithNames(const std::vector<std::string>& names, std::string dllName)
{
    PeSpec spec;
    spec.dllName = std::move(dllName);
    for (const std::string& name : names)
        spec.exports.push_back(PeExport{name, std::nullopt, {}});
    return buildPe(spec);
}

}  // namespace quillon::testing
