// Reading an executable's bytes from memory or page by page from its file.
#include "exe/image_source.h"

#include <algorithm>
#include <new>

#include "platform/error_codes.h"

namespace quillon::exe {

Result<std::span<const std::byte>> ImageSource::upTo(std::uint64_t offset, std::uint64_t n)
{
    if (offset >= size())
        return io::readPastEnd();
    return bytes(offset, std::min(n, size() - offset));
}

Result<std::uint8_t> ImageSource::u8(std::uint64_t offset)
{
    const Result<std::span<const std::byte>> b = bytes(offset, 1);
    if (!b)
        return b.error();
    return std::to_integer<std::uint8_t>((*b)[0]);
}

Result<std::uint16_t> ImageSource::u16le(std::uint64_t offset)
{
    const Result<std::span<const std::byte>> b = bytes(offset, 2);
    if (!b)
        return b.error();
    return io::loadU16le(*b, 0);
}

Result<std::uint32_t> ImageSource::u32le(std::uint64_t offset)
{
    const Result<std::span<const std::byte>> b = bytes(offset, 4);
    if (!b)
        return b.error();
    return io::loadU32le(*b, 0);
}

FileSource::FileSource(platform::File& file, std::uint64_t size, std::uint64_t mapFrom)
    : m_file(file), m_size(size)
{
    // Mapped only when the file is as large as the caller says; a file that cannot be mapped
    // is read.
    const Result<std::uint64_t> fileSize = file.size();
    if (size >= mapFrom && fileSize && *fileSize == size)
        (void)file.map();
}

Result<std::span<const std::byte>> FileSource::page(std::uint64_t index)
{
    Recent& recent = m_recent[index % m_recent.size()];
    if (recent.index == index)
        return recent.bytes;
    if (const auto it = m_pages.find(index); it != m_pages.end()) {
        recent = Recent{index, it->second.bytes};
        return recent.bytes;
    }
    const std::uint64_t start = index * kPageSize;
    const auto size = static_cast<std::size_t>(std::min(kPageSize, m_size - start));
    Page page;
    if (m_file.isMapped()) {
        const Result<std::span<const std::byte>> seen = m_file.viewAt(start, size);
        if (!seen)
            return seen.error();
        page.bytes = *seen;
    } else {
        // Not value-initialised: the read fills every byte or the page is dropped.
        page.owned.reset(new (std::nothrow) std::byte[size]);
        if (!page.owned)
            return Error{platform::kOutOfMemory, platform::errorCodeText(platform::kOutOfMemory)};
        if (Status s = m_file.readExactAt(start, std::span(page.owned.get(), size)); !s)
            return s.error();
        page.bytes = std::span<const std::byte>(page.owned.get(), size);
    }
    m_bytesRead += size;
    const Page& placed = m_pages.emplace(index, std::move(page)).first->second;
    recent = Recent{index, placed.bytes};
    return recent.bytes;
}

Result<std::span<const std::byte>> FileSource::together(std::uint64_t offset, std::uint64_t n)
{
    if (offset >= m_size)
        return io::readPastEnd();
    const std::uint64_t index = offset / kPageSize;
    const Result<std::span<const std::byte>> p = page(index);
    if (!p)
        return p.error();
    const std::uint64_t at = offset - index * kPageSize;
    return p->subspan(static_cast<std::size_t>(at),
                      static_cast<std::size_t>(std::min<std::uint64_t>(n, p->size() - at)));
}

Result<std::span<const std::byte>> FileSource::bytes(std::uint64_t offset, std::uint64_t n)
{
    if (offset > m_size || n > m_size - offset)
        return io::readPastEnd();
    if (n == 0)
        return std::span<const std::byte>();
    const std::uint64_t first = offset / kPageSize;
    const std::uint64_t last = (offset + n - 1) / kPageSize;
    if (first == last) {
        const Result<std::span<const std::byte>> p = page(first);
        if (!p)
            return p.error();
        return p->subspan(static_cast<std::size_t>(offset - first * kPageSize),
                          static_cast<std::size_t>(n));
    }
    if (m_file.isMapped()) {
        // The pages lie together in the mapping: each is taken (for the fault hook), none
        // copied.
        for (std::uint64_t index = first; index <= last; ++index) {
            if (const Result<std::span<const std::byte>> p = page(index); !p)
                return p.error();
        }
        return m_file.mappedBytes().subspan(static_cast<std::size_t>(offset),
                                            static_cast<std::size_t>(n));
    }
    // A range across pages is rare (a table or name straddling a boundary): join its pieces.
    std::vector<std::byte> joined;
    try {
        joined.reserve(static_cast<std::size_t>(n));
    } catch (const std::bad_alloc&) {
        return Error{platform::kOutOfMemory, platform::errorCodeText(platform::kOutOfMemory)};
    }
    for (std::uint64_t index = first; index <= last; ++index) {
        const Result<std::span<const std::byte>> p = page(index);
        if (!p)
            return p.error();
        const std::uint64_t pageStart = index * kPageSize;
        const std::uint64_t from = std::max(offset, pageStart) - pageStart;
        const std::uint64_t to = std::min(offset + n, pageStart + p->size()) - pageStart;
        joined.insert(joined.end(), p->begin() + static_cast<std::ptrdiff_t>(from),
                      p->begin() + static_cast<std::ptrdiff_t>(to));
    }
    m_joined.push_back(std::move(joined));
    return std::span<const std::byte>(m_joined.back());
}

}  // namespace quillon::exe
