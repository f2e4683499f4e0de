// Classifying a file by its DOS and new headers and reading the exports it holds.
#include "exe/executable_image.h"

#include <algorithm>
#include <array>

#include "exe/dos_format.h"
#include "exe/ne_name_table_reader.h"
#include "exe/pe_export_reader.h"
#include "io/byte_reader.h"

namespace quillon::exe {

namespace {

bool startsWith(std::span<const std::byte> b, char c0, char c1)
{
    return b.size() >= 2 && std::to_integer<char>(b[0]) == c0 && std::to_integer<char>(b[1]) == c1;
}

/// The 24 bytes at the new header, or the kind a failing read leaves.
struct NewHeader {
    ExecutableKind failedKind = ExecutableKind::Unknown;
    std::span<const std::byte> bytes;
};

NewHeader readNewHeader(const io::ByteReader& file, std::span<const std::byte> dosHeader,
                        std::uint64_t offset)
{
    NewHeader header;
    if (const auto bytes = file.bytes(offset, dos::kNewHeaderProbeSize)) {
        header.bytes = *bytes;
        return header;
    }
    // A read cut short by the end of the file leaves the bytes it got at the start of the
    // header buffer; whether that buffer still shows "MZ" tells an old DOS program (nothing
    // of a new header present) from a damaged one.
    std::array<std::byte, dos::kHeaderSize> buffer{};
    std::copy(dosHeader.begin(), dosHeader.end(), buffer.begin());
    if (offset < file.size()) {
        const std::uint64_t got = file.size() - offset;
        const auto tail = file.all().subspan(offset, got);
        std::copy(tail.begin(), tail.end(), buffer.begin());
    }
    header.failedKind = startsWith(buffer, 'M', 'Z') ? ExecutableKind::NewHeaderMissing
                                                    : ExecutableKind::NewHeaderDamaged;
    return header;
}

}  // namespace

ExecutableExports readExecutable(std::span<const std::byte> bytes)
{
    const io::ByteReader file(bytes);
    ExecutableExports result;
    const Result<std::span<const std::byte>> dosHeader = file.bytes(0, dos::kHeaderSize);
    if (!dosHeader) {
        result.kind = ExecutableKind::Unreadable;
        result.error = dosHeader.error();
        return result;
    }
    if (!startsWith(*dosHeader, 'M', 'Z')) {
        result.kind = ExecutableKind::NotMz;
        return result;
    }
    result.newHeaderOffset = io::loadU32le(*dosHeader, dos::kNewHeaderOffsetField);
    const NewHeader newHeader = readNewHeader(file, *dosHeader, result.newHeaderOffset);
    if (newHeader.bytes.empty()) {
        result.kind = newHeader.failedKind;
        result.error = io::readPastEnd();
        return result;
    }
    if (io::loadU32le(newHeader.bytes, 0) == dos::kPeSignature) {
        result.kind = ExecutableKind::Pe;
        PeExports pe = readPeExports(file, result.newHeaderOffset);
        result.tables = std::move(pe.tables);
        result.error = std::move(pe.error);
    } else if (startsWith(newHeader.bytes, 'N', 'E')) {
        result.kind = ExecutableKind::Ne;
        result.tables.push_back(readNeNameTables(file, result.newHeaderOffset));
    } else if (startsWith(newHeader.bytes, 'L', 'E')) {
        result.kind = ExecutableKind::Le;
    } else if (startsWith(newHeader.bytes, 'M', 'Z')) {
        result.kind = ExecutableKind::Dos;
    } else {
        result.kind = ExecutableKind::Unknown;
    }
    return result;
}

}  // namespace quillon::exe
