// NE, LE and DOS images written byte by byte for the tests.
#include <algorithm>

#include "support/byte_writer.h"
#include "support/exe_builder.h"

namespace quillon::testing {

namespace {

void neEntry(ByteWriter& out, std::string_view name, std::uint16_t ordinal)
{
    const std::size_t length = std::min<std::size_t>(name.size(), 255);
    out.u8(static_cast<std::uint8_t>(length));
    out.text(name.substr(0, length));
    out.u16(ordinal);
}

}  // namespace

BuiltImage buildNe(const NeSpec& spec)
{
    BuiltImage image;
    const std::uint32_t header = spec.newHeaderOffset;
    // Tables after the 64-byte NE header: resident names, entry table, imported names.
    ByteWriter resident;
    neEntry(resident, spec.moduleName, 0);
    std::vector<std::uint64_t> residentAt;
    for (const NeName& n : spec.residentNames) {
        residentAt.push_back(resident.size());
        neEntry(resident, n.name, n.ordinal);
    }
    resident.u8(0);
    const std::uint32_t residentRel = 0x40;
    const std::uint32_t moduleRefRel = residentRel + static_cast<std::uint32_t>(resident.size());
    const std::uint32_t importedRel = moduleRefRel;
    const std::uint32_t entryRel = importedRel + 1;
    const std::uint32_t entryLength = 2;
    const std::uint32_t nonResident = header + entryRel + entryLength;

    ByteWriter nonRes;
    std::vector<std::uint64_t> nonResAt;
    neEntry(nonRes, spec.description, 0);
    for (const NeName& n : spec.nonResidentNames) {
        nonResAt.push_back(nonRes.size());
        neEntry(nonRes, n.name, n.ordinal);
    }
    nonRes.u8(0);

    const std::size_t nameCount = spec.residentNames.size() + spec.nonResidentNames.size();
    ByteWriter out;
    out.text("MZ");
    out.fill(0x3A, 0);
    out.u32(header);
    out.padTo(header, 0);
    image.newHeader = header;
    out.text("NE");
    out.u8(5);   // linker version
    out.u8(10);  // linker revision
    out.u16(static_cast<std::uint16_t>(entryRel));
    out.u16(static_cast<std::uint16_t>(entryLength));
    out.u32(0);       // CRC
    out.u16(0x8000);  // flags: library module
    out.u16(0);       // automatic data segment
    out.u16(0);       // heap
    out.u16(0);       // stack
    out.u32(0);       // CS:IP
    out.u32(0);       // SS:SP
    out.u16(0);       // segment count
    out.u16(0);       // module references
    out.u16(spec.hasNonResidentTable ? static_cast<std::uint16_t>(nonRes.size()) : 0);
    out.u16(0x40);  // segment table
    out.u16(0x40);  // resource table
    out.u16(static_cast<std::uint16_t>(residentRel));
    out.u16(static_cast<std::uint16_t>(moduleRefRel));
    out.u16(static_cast<std::uint16_t>(importedRel));
    out.u32(spec.hasNonResidentTable ? nonResident : 0);
    out.u16(spec.movableEntryCount.value_or(static_cast<std::uint16_t>(nameCount)));
    out.u16(9);  // alignment shift
    out.u16(0);  // resource segments
    out.u8(2);   // target OS: Windows
    out.padTo(header + 0x3E, 0);
    out.u16(0x030A);  // expected Windows version
    image.residentTable = out.size();
    for (std::uint64_t at : residentAt)
        image.names.push_back(image.residentTable + at);
    out.append(resident.vec());
    out.u8(0);  // imported names: one empty entry
    out.u8(0);  // entry table: end
    out.u8(0);
    if (spec.hasNonResidentTable) {
        image.nonResidentTable = out.size();
        for (std::uint64_t at : nonResAt)
            image.names.push_back(image.nonResidentTable + at);
        out.append(nonRes.vec());
    }
    image.bytes = std::move(out.vec());
    return image;
}

// ---- LE and DOS ----

BuiltImage buildMz(std::uint32_t newHeaderOffset, std::string_view newHeader, std::size_t size)
{
    BuiltImage image;
    image.bytes.assign(std::max<std::size_t>(size, 64), std::byte{0});
    image.putBytes(0, "MZ");
    image.putU32(0x3C, newHeaderOffset);
    image.newHeader = newHeaderOffset;
    for (std::size_t i = 0; i < newHeader.size(); ++i) {
        if (std::uint64_t{newHeaderOffset} + i < image.bytes.size())
            image.putU8(newHeaderOffset + i, static_cast<std::uint8_t>(newHeader[i]));
    }
    return image;
}

BuiltImage buildLe()
{
    return buildMz(0x80, std::string_view("LE\0\0\0\0\0\0\x02\0\x04\0", 12), 0x180);
}

BuiltImage buildDos()
{
    // A stub that prints nothing and ends: mov ax,4C00h / int 21h.
    BuiltImage image = buildMz(0, {}, 0x80);
    image.putBytes(0x40, "\xB8\x00\x4C\xCD\x21");
    return image;
}

}  // namespace quillon::testing
