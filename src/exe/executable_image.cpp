// Classifying a file by its DOS and new headers and reading the exports it holds.
#include "exe/executable_image.h"

#include <algorithm>
#include <array>

#include "exe/dos_format.h"
#include "exe/ne_name_table_reader.h"
#include "exe/pe_export_reader.h"
#include "io/byte_reader.h"
#include "platform/error_codes.h"

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

NewHeader readNewHeader(ImageSource& file, std::span<const std::byte> dosHeader,
                        std::uint64_t offset, Error& error)
{
    NewHeader header;
    const Result<std::span<const std::byte>> bytes = file.bytes(offset, dos::kNewHeaderProbeSize);
    if (bytes) {
        header.bytes = *bytes;
        return header;
    }
    error = bytes.error();
    // A read cut short by the end of the file leaves the bytes it got at the start of the
    // header buffer; whether that buffer still shows "MZ" tells an old DOS program (nothing
    // of a new header present) from a damaged one.
    std::array<std::byte, dos::kHeaderSize> buffer{};
    std::copy(dosHeader.begin(), dosHeader.end(), buffer.begin());
    if (const auto tail = file.upTo(offset, dos::kNewHeaderProbeSize))
        std::copy(tail->begin(), tail->end(), buffer.begin());
    header.failedKind = startsWith(buffer, 'M', 'Z') ? ExecutableKind::NewHeaderMissing
                                                     : ExecutableKind::NewHeaderDamaged;
    return header;
}

}  // namespace

ExecutableExports readExecutable(std::span<const std::byte> bytes)
{
    BufferSource source(bytes);
    return readExecutable(source);
}

ExecutableExports readExecutable(ImageSource& file)
{
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
    Error newHeaderError;
    const NewHeader newHeader =
        readNewHeader(file, *dosHeader, result.newHeaderOffset, newHeaderError);
    if (newHeader.bytes.empty()) {
        // Only a read past the end tells something about the file; other errors are the
        // file layer's and are posted as they are.
        result.kind = newHeaderError.code == platform::kReadPastEnd ? newHeader.failedKind
                                                                    : ExecutableKind::Unreadable;
        result.error = newHeaderError;
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
