// PeExportReader: the section search and the export directory of a PE (PE32 or PE32+) file.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "base/result.h"
#include "exe/export_table.h"
#include "exe/image_source.h"

namespace quillon::exe {

/// One section header as read from the section table.
struct PeSection {
    std::string_view name;  // up to the first zero byte, at most 8 bytes
    std::uint32_t VirtualAddress = 0;
    std::uint32_t SizeOfRawData = 0;
    std::uint32_t PointerToRawData = 0;

    /// VirtualAddress - PointerToRawData, modulo 2^32.
    [[nodiscard]] std::uint32_t delta() const { return VirtualAddress - PointerToRawData; }
    /// True when `rva` lies in the section's raw data.
    [[nodiscard]] bool contains(std::uint32_t rva) const
    {
        return VirtualAddress <= rva &&
               std::uint64_t{rva} < std::uint64_t{VirtualAddress} + SizeOfRawData;
    }
};

/// Finds the section whose raw data holds an RVA: the first one in table order when sections
/// overlap. Lookups take logarithmic time however many sections the table claims.
class PeSectionMap {
public:
    explicit PeSectionMap(const std::vector<PeSection>& sections);
    /// The delta of the section holding `rva`, or `fallback` when none does.
    [[nodiscard]] std::uint32_t deltaFor(std::uint32_t rva, std::uint32_t fallback) const;

private:
    struct Span {
        std::uint64_t start;
        std::uint64_t end;  // exclusive
        std::uint32_t delta;
    };
    std::vector<Span> m_spans;  // sorted, disjoint
};

/// What the section search found: one table per matching section, in section order, and the
/// header read that stopped the search (`error.code` 0 when none did).
struct PeExports {
    std::vector<ExportTable> tables;
    Error error;
};

/// The section search of a PE file whose new header is at `newHeaderOffset`: reads the export
/// RVA from data directory 0 (at the offsets of PE32 or PE32+, chosen by the optional header's
/// magic), walks the section table, and reads the export directory of every section named
/// ".edata" or containing the export RVA. Names are views into `file`.
[[nodiscard]] PeExports readPeExports(ImageSource& file, std::uint64_t newHeaderOffset);

/// PeExportReader: reads the export directory at `directoryRva` found in a section with delta
/// `delta`. Every other RVA goes through the section that holds it (`sections`), or through
/// `delta` when none does. NumberOfNames 0 gives a table without a module. At most
/// `nameBudget` names are read.
[[nodiscard]] ExportTable readPeExportDirectory(ImageSource& file, const PeSectionMap& sections,
                                                std::uint32_t directoryRva, std::uint32_t delta,
                                                std::uint64_t nameBudget);

}  // namespace quillon::exe
