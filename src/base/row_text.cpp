// RowText: chunks, construction from text, assignment and the text operators.
#include "base/row_text.h"

#include <limits>
#include <new>
#include <ostream>
#include <stdexcept>

#include "base/large_blocks.h"

namespace quillon {

TextChunk* TextChunk::make(std::uint32_t capacity, std::uint32_t refs)
{
    void* memory = allocateBlock(sizeof(TextChunk) + capacity);
    return new (memory) TextChunk{refs, capacity};
}

void TextChunk::release(TextChunk* chunk, std::uint32_t count) noexcept
{
    chunk->refs -= count;
    if (chunk->refs == 0)
        freeBlock(chunk, sizeof(TextChunk) + chunk->capacity);
}

RowText::RowText(std::string_view text)
{
    if (text.size() <= kInlineCapacity) {
        // An empty view may carry no pointer at all, which memcpy must not be given.
        if (!text.empty())
            std::memcpy(m_bytes.data(), text.data(), text.size());
        m_bytes[kTagByte] = static_cast<char>(text.size());
        return;
    }
    if (text.size() > std::numeric_limits<std::uint32_t>::max())
        throw std::length_error("RowText: text too long");
    const auto length = static_cast<std::uint32_t>(text.size());
    TextChunk* own = TextChunk::make(length, 1);
    std::memcpy(own->chars(), text.data(), length);
    setLong(own, 0, length);
}

void RowText::setLong(TextChunk* chunk, std::uint32_t offset, std::uint32_t length) noexcept
{
    std::memcpy(m_bytes.data(), &chunk, sizeof chunk);
    std::memcpy(m_bytes.data() + 8, &length, sizeof length);
    m_bytes[12] = static_cast<char>(offset & 0xFF);
    m_bytes[13] = static_cast<char>((offset >> 8) & 0xFF);
    m_bytes[14] = static_cast<char>((offset >> 16) & 0xFF);
    m_bytes[kTagByte] = kLongTag;
}

RowText& RowText::operator=(const RowText& other) noexcept
{
    // Taking the new hold before dropping the old one keeps self-assignment safe.
    if (!other.isInline())
        ++other.chunk()->refs;
    dropChunk();
    m_bytes = other.m_bytes;
    return *this;
}

RowText& RowText::operator=(RowText&& other) noexcept
{
    if (this != &other) {
        dropChunk();
        m_bytes = other.m_bytes;
        other.m_bytes[kTagByte] = 0;
    }
    return *this;
}

std::string operator+(const RowText& a, std::string_view b)
{
    std::string text;
    text.reserve(a.size() + b.size());
    text.append(a.view()).append(b);
    return text;
}

std::string operator+(std::string_view a, const RowText& b)
{
    std::string text;
    text.reserve(a.size() + b.size());
    text.append(a).append(b.view());
    return text;
}

std::ostream& operator<<(std::ostream& out, const RowText& text)
{
    return out << text.view();
}

}  // namespace quillon
