// NamePool: filling chunks with names and letting them go.
#include "base/name_pool.h"

#include <cassert>
#include <utility>

namespace quillon {

namespace {

// Names longer than this get a chunk of their own.
constexpr std::size_t kLongestPooledName = 4096;
static_assert(NamePool::kLargestChunkBytes - 1 <= RowText::kMaxOffset);

}  // namespace

NamePool::NamePool(NamePool&& other) noexcept
    : m_chunk(std::exchange(other.m_chunk, nullptr)),
      m_used(std::exchange(other.m_used, 0)),
      m_spareHolds(std::exchange(other.m_spareHolds, 0)),
      m_nextChunkBytes(std::exchange(other.m_nextChunkBytes, kFirstChunkBytes))
{
}

NamePool& NamePool::operator=(const NamePool& other) noexcept
{
    if (this != &other)
        letGo();
    return *this;
}

NamePool& NamePool::operator=(NamePool&& other) noexcept
{
    if (this != &other) {
        letGo();
        m_chunk = std::exchange(other.m_chunk, nullptr);
        m_used = std::exchange(other.m_used, 0);
        m_spareHolds = std::exchange(other.m_spareHolds, 0);
        m_nextChunkBytes = std::exchange(other.m_nextChunkBytes, kFirstChunkBytes);
    }
    return *this;
}

void NamePool::letGo() noexcept
{
    if (m_chunk != nullptr)
        TextChunk::release(m_chunk, m_spareHolds + 1);
    m_chunk = nullptr;
    m_used = 0;
    m_spareHolds = 0;
}

RowText NamePool::make(std::string_view name)
{
    if (name.size() <= RowText::kInlineCapacity || name.size() > kLongestPooledName)
        return RowText(name);
    const auto length = static_cast<std::uint32_t>(name.size());
    if (m_chunk == nullptr || m_chunk->capacity - m_used < length) {
        letGo();
        const std::uint32_t capacity = m_nextChunkBytes - sizeof(TextChunk);
        // A name in a chunk is longer than the inline capacity, so a chunk holds at most this
        // many; the pool keeps one hold of its own besides.
        const std::uint32_t names = capacity / (RowText::kInlineCapacity + 1);
        m_chunk = TextChunk::make(capacity, names + 1);
        m_spareHolds = names;
        if (m_nextChunkBytes < kLargestChunkBytes)
            m_nextChunkBytes *= 2;
    }
    assert(m_spareHolds > 0);
    std::memcpy(m_chunk->chars() + m_used, name.data(), length);
    const std::uint32_t offset = m_used;
    m_used += length;
    --m_spareHolds;
    return RowText(m_chunk, offset, length);
}

}  // namespace quillon
