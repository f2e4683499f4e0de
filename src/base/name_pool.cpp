// NamePool: filling chunks with names and letting them go.
#include "base/name_pool.h"

#include <cassert>
#include <utility>

namespace quillon {

namespace {

constexpr std::uint32_t kChunkCapacity = NamePool::kChunkBytes - sizeof(TextChunk);
// A name in a chunk is longer than the inline capacity, so a chunk holds at most this many.
constexpr std::uint32_t kNamesPerChunk = kChunkCapacity / (RowText::kInlineCapacity + 1);

}  // namespace

NamePool::NamePool(NamePool&& other) noexcept
    : m_chunk(std::exchange(other.m_chunk, nullptr)),
      m_used(std::exchange(other.m_used, 0)),
      m_spareHolds(std::exchange(other.m_spareHolds, 0))
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
    if (name.size() <= RowText::kInlineCapacity || name.size() > kChunkCapacity / 4)
        return RowText(name);
    const auto length = static_cast<std::uint32_t>(name.size());
    if (m_chunk == nullptr || kChunkCapacity - m_used < length) {
        letGo();
        // The pool's own hold plus one for every name the chunk can take.
        m_chunk = TextChunk::make(kChunkCapacity, kNamesPerChunk + 1);
        m_spareHolds = kNamesPerChunk;
    }
    assert(m_spareHolds > 0);
    std::memcpy(m_chunk->chars() + m_used, name.data(), length);
    const auto offset = static_cast<std::uint16_t>(m_used);
    m_used += length;
    --m_spareHolds;
    return RowText(m_chunk, offset, length);
}

}  // namespace quillon
