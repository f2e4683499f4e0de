// The NE name-table reader.
#include "exe/ne_name_table_reader.h"

#include <algorithm>

#include "exe/name_text.h"
#include "exe/ne_format.h"

namespace quillon::exe {

namespace {

/// One name-table entry; `end` for the terminating zero length byte.
struct NameEntry {
    bool end = false;
    std::string_view name;
    std::uint16_t ordinal = 0;
    std::uint64_t next = 0;
};

Result<NameEntry> readNameEntry(ImageSource& file, std::uint64_t offset)
{
    const Result<std::uint8_t> length = file.u8(offset);
    if (!length)
        return length.error();
    NameEntry entry;
    if (*length == 0) {
        entry.end = true;
        return entry;
    }
    // The entry is read as a 255-byte block: a longer name keeps its first 254 bytes, and the
    // block may end with the file as long as those bytes lie inside it.
    const std::uint64_t taken = std::min<std::uint64_t>(*length, ne::kMaxNameLength);
    const Result<std::span<const std::byte>> name = file.bytes(offset + 1, taken);
    if (!name)
        return name.error();
    const Result<std::uint16_t> ordinal = file.u16le(offset + 1 + *length);
    if (!ordinal)
        return ordinal.error();
    entry.name = untilNul(asText(*name));
    entry.ordinal = *ordinal;
    entry.next = offset + 1 + *length + ne::kOrdinalSize;
    return entry;
}

/// Appends the names of the table from `offset` up to its terminator; returns the failure
/// that ended it early, or an empty error.
Error readNames(ImageSource& file, std::uint64_t offset, bool resident,
                std::vector<ExportedName>& names)
{
    for (;;) {
        const Result<NameEntry> entry = readNameEntry(file, offset);
        if (!entry)
            return entry.error();
        if (entry->end)
            return {};
        names.push_back(ExportedName{entry->name, entry->ordinal, resident});
        offset = entry->next;
    }
}

}  // namespace

ExportTable readNeNameTables(ImageSource& file, std::uint64_t newHeaderOffset)
{
    ExportTable table;
    table.os = kOs16;
    const Result<std::span<const std::byte>> header = file.bytes(newHeaderOffset, ne::kHeaderSize);
    if (!header) {
        table.error = header.error();
        return table;
    }
    const std::uint64_t residentTable =
        newHeaderOffset + io::loadU16le(*header, ne::kResidentNameTable);
    const std::uint64_t nonResidentTable = io::loadU32le(*header, ne::kNonResidentNameTable);
    table.progressTotal = io::loadU16le(*header, ne::kMovableEntryCount);

    const Result<NameEntry> moduleName = readNameEntry(file, residentTable);
    if (!moduleName) {
        table.error = moduleName.error();
        return table;
    }
    table.hasModule = true;
    if (moduleName->end)
        return table;  // no module name: nothing past the terminator is read
    table.moduleName = moduleName->name;

    if (Error e = readNames(file, moduleName->next, true, table.names); e.code != 0)
        table.error = std::move(e);
    table.residentCount =
        static_cast<std::uint16_t>(std::min<std::size_t>(table.names.size(), 0xFFFF));

    // An offset of 0 means the file has no non-resident-name table; reading at 0 would take
    // the DOS header for names.
    if (nonResidentTable == 0)
        return table;
    const Result<NameEntry> description = readNameEntry(file, nonResidentTable);
    if (!description) {
        table.error = description.error();
        return table;
    }
    if (description->end)
        return table;  // an empty table: its terminator is not a description
    if (Error e = readNames(file, description->next, false, table.names); e.code != 0)
        table.error = std::move(e);
    return table;
}

}  // namespace quillon::exe
