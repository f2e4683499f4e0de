// Mapping a LIB file for the walk, or reading it whole where it cannot be mapped.
#include "lib/lib_file_bytes.h"

#include <limits>
#include <new>
#include <span>

#include "platform/error_codes.h"

namespace quillon::lib {

namespace {

/// Pages are released in steps of this many bytes.
constexpr std::uint64_t kReleaseStep = 4u << 20;

Error outOfMemory()
{
    return Error{platform::kOutOfMemory, platform::errorCodeText(platform::kOutOfMemory)};
}

}  // namespace

Result<LibFileBytes> LibFileBytes::open(platform::FileSystem& files, const std::string& path)
{
    Result<platform::File> file = files.openRead(path);
    if (!file)
        return file.error();
    const Result<std::uint64_t> size = file->size();
    if (!size)
        return size.error();
    LibFileBytes bytes;
    bytes.m_file = std::move(*file);
    if (bytes.m_file.map()) {
        // One view of the whole file, asked of the fault hook as the one read of it would be.
        if (*size == 0)
            return bytes;
        const Result<std::span<const std::byte>> seen = bytes.m_file.viewAt(0, *size);
        if (!seen)
            return seen.error();
        bytes.m_bytes = std::string_view(reinterpret_cast<const char*>(seen->data()), seen->size());
        return bytes;
    }
    // Not mapped (some network shares, say): the bytes are read whole.
    if (*size > std::numeric_limits<std::size_t>::max())
        return outOfMemory();
    try {
        bytes.m_copy = ByteBlock(static_cast<std::size_t>(*size));
    } catch (const std::bad_alloc&) {
        return outOfMemory();
    }
    if (!bytes.m_copy.empty()) {
        if (Status read = bytes.m_file.readExactAt(
                0, std::as_writable_bytes(std::span(bytes.m_copy.data(), bytes.m_copy.size())));
            !read)
            return read.error();
    }
    if (Status closed = bytes.m_file.close(); !closed)
        return closed.error();
    bytes.m_bytes = bytes.m_copy.view();
    return bytes;
}

void LibFileBytes::releaseBefore(std::uint64_t offset)
{
    if (mapped() && offset >= kReleaseStep)
        m_file.releaseMappedBefore(offset - offset % kReleaseStep);
}

}  // namespace quillon::lib
