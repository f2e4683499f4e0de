// The section search and export directory reader of PE files.
#include "exe/pe_export_reader.h"

#include <algorithm>
#include <functional>
#include <queue>

#include "exe/name_text.h"
#include "exe/pe_format.h"

namespace quillon::exe {

namespace {

constexpr std::string_view kEdata = ".edata";

/// The export RVA of data directory 0, or 0 when the optional header has no data directory.
Result<std::uint32_t> readExportRva(ImageSource& file, std::uint64_t optionalHeader)
{
    // PE32+ moves NumberOfRvaAndSizes and the data directories 16 bytes further on (64-bit
    // ImageBase and stack and heap sizes), so the magic decides where to look.
    const Result<std::uint16_t> magic = file.u16le(optionalHeader);
    if (!magic)
        return magic.error();
    const pe::OptionalHeaderLayout layout =
        *magic == pe::kMagicPe32Plus ? pe::kPe32PlusLayout : pe::kPe32Layout;
    // The fixed part of the optional header is read whole, as far as the first directory.
    const Result<std::span<const std::byte>> fixedPart =
        file.bytes(optionalHeader, layout.DataDirectory);
    if (!fixedPart)
        return fixedPart.error();
    const std::uint32_t count =
        io::loadU32le(*fixedPart, static_cast<std::size_t>(layout.NumberOfRvaAndSizes));
    if (count == 0)
        return std::uint32_t{0};
    const Result<std::span<const std::byte>> entry =
        file.bytes(optionalHeader + layout.DataDirectory, pe::kDataDirectorySize);
    if (!entry)
        return entry.error();
    return io::loadU32le(*entry, 0);
}

/// The section headers that lie inside the file, and the read that ended the table early.
struct SectionTable {
    std::vector<PeSection> sections;
    Error error;
};

SectionTable readSectionTable(ImageSource& file, std::uint64_t tableOffset, std::uint16_t count)
{
    SectionTable table;
    table.sections.reserve(count);
    for (std::uint64_t i = 0; i < count; ++i) {
        const Result<std::span<const std::byte>> header =
            file.bytes(tableOffset + i * pe::kSectionHeaderSize, pe::kSectionHeaderSize);
        if (!header) {
            table.error = header.error();
            break;
        }
        PeSection section;
        section.name = untilNul(asText(header->first(pe::kSectionNameSize)));
        section.VirtualAddress = io::loadU32le(*header, pe::kSectionVirtualAddress);
        section.SizeOfRawData = io::loadU32le(*header, pe::kSectionSizeOfRawData);
        section.PointerToRawData = io::loadU32le(*header, pe::kSectionPointerToRawData);
        table.sections.push_back(section);
    }
    return table;
}

/// Converts RVAs to file offsets: through the section holding the RVA, else by the delta of
/// the section the export directory was found in.
class RvaMap {
public:
    RvaMap(const PeSectionMap& sections, std::uint32_t fallbackDelta)
        : m_sections(sections), m_fallbackDelta(fallbackDelta)
    {
    }

    [[nodiscard]] std::uint64_t offsetOf(std::uint32_t rva) const
    {
        // Linkers may put the names or the name tables in another section than the
        // directory; each RVA is therefore converted through its own section.
        return static_cast<std::uint32_t>(rva - m_sections.deltaFor(rva, m_fallbackDelta));
    }

private:
    const PeSectionMap& m_sections;
    std::uint32_t m_fallbackDelta;
};

/// A table of fixed-size entries read in order, a chunk of entries per read.
class EntryTable {
public:
    static constexpr std::uint64_t kChunkEntries = 1024;

    EntryTable(ImageSource& file, std::uint64_t offset, std::uint64_t entrySize,
               std::uint64_t count)
        : m_file(file), m_offset(offset), m_entrySize(entrySize), m_count(count)
    {
    }

    /// Entry `i` (called with i = 0, 1, 2, ...); 33 when the file ends before it.
    [[nodiscard]] Result<std::span<const std::byte>> entry(std::uint64_t i)
    {
        if (i < m_first || i >= m_first + m_entries) {
            const std::uint64_t wanted = std::min(kChunkEntries, m_count - i);
            const Result<std::span<const std::byte>> chunk =
                m_file.upTo(m_offset + i * m_entrySize, wanted * m_entrySize);
            if (!chunk)
                return chunk.error();
            m_chunk = *chunk;
            m_first = i;
            m_entries = m_chunk.size() / m_entrySize;
            if (m_entries == 0)
                return io::readPastEnd();  // the file ends inside the entry
        }
        return m_chunk.subspan(static_cast<std::size_t>((i - m_first) * m_entrySize),
                               static_cast<std::size_t>(m_entrySize));
    }

private:
    ImageSource& m_file;
    std::uint64_t m_offset;
    std::uint64_t m_entrySize;
    std::uint64_t m_count;
    std::span<const std::byte> m_chunk;
    std::uint64_t m_first = 0;
    std::uint64_t m_entries = 0;
};

}  // namespace

PeSectionMap::PeSectionMap(const std::vector<PeSection>& sections)
{
    // Sweep over the section boundaries, keeping the sections that cover the current point in
    // a heap ordered by table position; each piece between two boundaries belongs to the
    // first section in table order that covers it.
    struct Edge {
        std::uint64_t at;
        std::size_t section;
    };
    std::vector<Edge> starts;
    std::vector<std::uint64_t> points;
    for (std::size_t i = 0; i < sections.size(); ++i) {
        const PeSection& s = sections[i];
        if (s.SizeOfRawData == 0)
            continue;
        const std::uint64_t end = std::uint64_t{s.VirtualAddress} + s.SizeOfRawData;
        starts.push_back(Edge{s.VirtualAddress, i});
        points.push_back(s.VirtualAddress);
        points.push_back(end);
    }
    std::sort(starts.begin(), starts.end(),
              [](const Edge& a, const Edge& b) { return a.at < b.at; });
    std::sort(points.begin(), points.end());
    points.erase(std::unique(points.begin(), points.end()), points.end());

    std::priority_queue<std::size_t, std::vector<std::size_t>, std::greater<>> covering;
    std::size_t next = 0;
    for (std::size_t p = 0; p + 1 < points.size(); ++p) {
        const std::uint64_t at = points[p];
        while (next < starts.size() && starts[next].at == at)
            covering.push(starts[next++].section);
        while (!covering.empty()) {
            const PeSection& top = sections[covering.top()];
            if (std::uint64_t{top.VirtualAddress} + top.SizeOfRawData > at)
                break;
            covering.pop();  // ended before this piece
        }
        if (covering.empty())
            continue;
        const std::uint32_t delta = sections[covering.top()].delta();
        if (!m_spans.empty() && m_spans.back().end == at && m_spans.back().delta == delta)
            m_spans.back().end = points[p + 1];
        else
            m_spans.push_back(Span{at, points[p + 1], delta});
    }
}

std::uint32_t PeSectionMap::deltaFor(std::uint32_t rva, std::uint32_t fallback) const
{
    const auto after = std::upper_bound(m_spans.begin(), m_spans.end(), std::uint64_t{rva},
                                        [](std::uint64_t v, const Span& s) { return v < s.start; });
    if (after == m_spans.begin())
        return fallback;
    const Span& span = *(after - 1);
    return rva < span.end ? span.delta : fallback;
}

ExportTable readPeExportDirectory(ImageSource& file, const PeSectionMap& sections,
                                  std::uint32_t directoryRva, std::uint32_t delta,
                                  std::uint64_t nameBudget)
{
    ExportTable table;
    table.os = kOs32;
    const std::uint64_t directoryOffset = static_cast<std::uint32_t>(directoryRva - delta);
    const Result<std::span<const std::byte>> directory =
        file.bytes(directoryOffset, pe::kExportDirectorySize);
    if (!directory) {
        table.error = directory.error();
        return table;
    }
    const std::uint32_t numberOfNames = io::loadU32le(*directory, pe::kExportNumberOfNames);
    if (numberOfNames == 0)
        return table;
    const std::uint32_t base = io::loadU32le(*directory, pe::kExportBase);
    const RvaMap map(sections, delta);
    const std::uint64_t namePointers =
        map.offsetOf(io::loadU32le(*directory, pe::kExportAddressOfNames));
    const std::uint64_t ordinalIndexes =
        map.offsetOf(io::loadU32le(*directory, pe::kExportAddressOfNameOrdinals));

    const Result<std::string_view> dllName = readTerminatedName(
        file, map.offsetOf(io::loadU32le(*directory, pe::kExportName)), pe::kMaxNameLength);
    if (!dllName) {
        table.error = dllName.error();
        return table;
    }
    table.hasModule = true;
    table.moduleName = *dllName;
    table.progressTotal = numberOfNames;
    table.declaredNames = numberOfNames;

    // NumberOfNames is only a claim: reserve no more than the name pointers present.
    const std::uint64_t pointersPresent =
        namePointers < file.size() ? (file.size() - namePointers) / 4 : 0;
    table.names.reserve(
        static_cast<std::size_t>(std::min<std::uint64_t>(numberOfNames, pointersPresent)));
    const std::uint64_t toRead = std::min<std::uint64_t>(numberOfNames, nameBudget);
    EntryTable pointers(file, namePointers, 4, toRead);
    EntryTable indexes(file, ordinalIndexes, 2, toRead);
    for (std::uint64_t i = 0; i < toRead; ++i) {
        const Result<std::span<const std::byte>> pointer = pointers.entry(i);
        if (!pointer) {
            table.error = pointer.error();
            break;
        }
        const Result<std::string_view> name =
            readTerminatedName(file, map.offsetOf(io::loadU32le(*pointer, 0)), pe::kMaxNameLength);
        if (!name) {
            table.error = name.error();
            break;
        }
        const Result<std::span<const std::byte>> index = indexes.entry(i);
        if (!index) {
            table.error = index.error();
            break;
        }
        table.names.push_back(ExportedName{
            *name, static_cast<std::uint16_t>(base + io::loadU16le(*index, 0)), false});
    }
    return table;
}

PeExports readPeExports(ImageSource& file, std::uint64_t newHeaderOffset)
{
    PeExports found;
    const std::uint64_t coff = newHeaderOffset + pe::kCoffHeaderOffset;
    const Result<std::uint16_t> sectionCount = file.u16le(coff + pe::kCoffNumberOfSections);
    const Result<std::uint16_t> optionalSize = file.u16le(coff + pe::kCoffSizeOfOptionalHeader);
    if (!sectionCount || !optionalSize) {
        found.error = io::readPastEnd();
        return found;
    }
    const std::uint64_t optionalHeader = newHeaderOffset + pe::kOptionalHeaderOffset;
    const Result<std::uint32_t> exportRva = readExportRva(file, optionalHeader);
    if (!exportRva) {
        found.error = exportRva.error();
        return found;
    }
    const SectionTable table =
        readSectionTable(file, optionalHeader + *optionalSize, *sectionCount);
    const PeSectionMap map(table.sections);
    // An image has one export directory; when many sections match, the names read from all
    // of them are bounded by the name pointers the file could hold, so that a crafted section
    // table cannot multiply one table into millions of rows.
    std::uint64_t nameBudget = file.size() / 4;
    const auto readAt = [&](std::uint32_t rva, std::uint32_t delta) {
        found.tables.push_back(readPeExportDirectory(file, map, rva, delta, nameBudget));
        nameBudget -= found.tables.back().names.size();
    };
    for (const PeSection& section : table.sections) {
        if (section.name == kEdata) {
            // A linker may place the directory inside ".edata" at an offset; the data
            // directory then tells where, and the section's start holds something else.
            const std::uint32_t rva = *exportRva != 0 && section.contains(*exportRva)
                                          ? *exportRva
                                          : section.VirtualAddress;
            readAt(rva, section.delta());
        } else if (*exportRva != 0 && section.contains(*exportRva)) {
            // An export RVA of 0 means the image has no export directory.
            readAt(*exportRva, section.delta());
        }
    }
    found.error = table.error;
    return found;
}

}  // namespace quillon::exe
