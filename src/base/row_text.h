// RowText: the 16-byte text of a library row, short texts inline and long ones in shared chunks.
#pragma once

#include <array>
#include <compare>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <iosfwd>
#include <string>
#include <string_view>

namespace quillon {

class NamePool;

/// A block of text bytes shared by the texts that point into it, freed when the last of them
/// (and the pool that fills it, if any) lets go. Made and freed only through its functions.
struct TextChunk {
    std::uint32_t refs;      // texts and pools holding the chunk
    std::uint32_t capacity;  // bytes of text after the header

    /// A chunk of `capacity` text bytes held `refs` times.
    [[nodiscard]] static TextChunk* make(std::uint32_t capacity, std::uint32_t refs);
    /// Drops `count` holds; the last one frees the chunk.
    static void release(TextChunk* chunk, std::uint32_t count) noexcept;

    [[nodiscard]] char* chars() noexcept { return reinterpret_cast<char*>(this + 1); }
    [[nodiscard]] const char* chars() const noexcept
    {
        return reinterpret_cast<const char*>(this + 1);
    }
};

/// An immutable text value of 16 bytes. Up to 15 bytes are kept inline; longer texts point
/// into a reference-counted `TextChunk`, either one of their own (an assignment) or a slice of
/// a `NamePool` chunk (a bulk load). Copies share the chunk, so a copy stays valid after the
/// row, the library and the pool it came from are gone. Not for concurrent copies of one value
/// from several threads (the count is not atomic; rows live on one thread).
class RowText {
public:
    static constexpr std::size_t kInlineCapacity = 15;
    /// The largest offset into a chunk (offsets take three bytes).
    static constexpr std::uint32_t kMaxOffset = (1u << 24) - 1;

    RowText() noexcept { m_bytes[kTagByte] = 0; }
    RowText(std::string_view text);  // NOLINT: implicit, a row field takes any text
    RowText(const std::string& text) : RowText(std::string_view(text)) {}  // NOLINT
    RowText(const char* text) : RowText(std::string_view(text)) {}         // NOLINT
    RowText(const RowText& other) noexcept : m_bytes(other.m_bytes)
    {
        if (!isInline())
            ++chunk()->refs;
    }
    RowText(RowText&& other) noexcept : m_bytes(other.m_bytes) { other.m_bytes[kTagByte] = 0; }
    RowText& operator=(const RowText& other) noexcept;
    RowText& operator=(RowText&& other) noexcept;
    ~RowText() { dropChunk(); }

    [[nodiscard]] std::size_t size() const noexcept
    {
        return isInline() ? static_cast<unsigned char>(m_bytes[kTagByte]) : longLength();
    }
    [[nodiscard]] bool empty() const noexcept { return size() == 0; }
    [[nodiscard]] const char* data() const noexcept
    {
        return isInline() ? m_bytes.data() : chunk()->chars() + longOffset();
    }
    [[nodiscard]] std::string_view view() const noexcept { return {data(), size()}; }
    [[nodiscard]] std::string str() const { return std::string(view()); }
    operator std::string_view() const noexcept { return view(); }  // NOLINT: reads as text

    /// True when the text lives inline (no chunk behind it).
    [[nodiscard]] bool isInline() const noexcept { return m_bytes[kTagByte] != kLongTag; }

    friend bool operator==(const RowText& a, const RowText& b) noexcept
    {
        return a.view() == b.view();
    }
    friend bool operator==(const RowText& a, std::string_view b) noexcept { return a.view() == b; }
    friend bool operator==(const RowText& a, const std::string& b) noexcept
    {
        return a.view() == b;
    }
    friend bool operator==(const RowText& a, const char* b) noexcept
    {
        return a.view() == std::string_view(b);
    }
    friend std::strong_ordering operator<=>(const RowText& a, const RowText& b) noexcept
    {
        return a.view() <=> b.view();
    }
    friend std::strong_ordering operator<=>(const RowText& a, std::string_view b) noexcept
    {
        return a.view() <=> b;
    }
    friend std::strong_ordering operator<=>(const RowText& a, const std::string& b) noexcept
    {
        return a.view() <=> std::string_view(b);
    }
    friend std::strong_ordering operator<=>(const RowText& a, const char* b) noexcept
    {
        return a.view() <=> std::string_view(b);
    }
    friend std::string operator+(const RowText& a, std::string_view b);
    friend std::string operator+(std::string_view a, const RowText& b);
    friend std::ostream& operator<<(std::ostream& out, const RowText& text);

private:
    friend class NamePool;
    static constexpr std::size_t kTagByte = 15;
    static constexpr char kLongTag = static_cast<char>(0x80);

    /// A text of `length` bytes at `offset` in `chunk`, taking over one hold of the chunk.
    RowText(TextChunk* chunk, std::uint32_t offset, std::uint32_t length) noexcept
    {
        setLong(chunk, offset, length);
    }
    void setLong(TextChunk* chunk, std::uint32_t offset, std::uint32_t length) noexcept;

    [[nodiscard]] TextChunk* chunk() const noexcept
    {
        TextChunk* chunk = nullptr;
        std::memcpy(&chunk, m_bytes.data(), sizeof chunk);
        return chunk;
    }
    [[nodiscard]] std::uint32_t longLength() const noexcept
    {
        std::uint32_t length = 0;
        std::memcpy(&length, m_bytes.data() + 8, sizeof length);
        return length;
    }
    [[nodiscard]] std::uint32_t longOffset() const noexcept
    {
        return static_cast<unsigned char>(m_bytes[12]) |
               static_cast<std::uint32_t>(static_cast<unsigned char>(m_bytes[13])) << 8 |
               static_cast<std::uint32_t>(static_cast<unsigned char>(m_bytes[14])) << 16;
    }
    void dropChunk() noexcept
    {
        if (!isInline())
            TextChunk::release(chunk(), 1);
    }

    // Inline: the bytes, then the length in the last byte. Long: the chunk pointer (0-7), the
    // length (8-11), the offset in the chunk (12-14, low byte first), and
    // kLongTag in the last byte.
    alignas(8) std::array<char, 16> m_bytes;
};

static_assert(sizeof(RowText) == 16);

}  // namespace quillon
