// ImageSource: the bytes of an executable as the readers ask for them, from a buffer in memory
// or from the file, seen in place through a mapping or read a page at a time, so that a large
// file is read only where its headers and export tables lie.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <span>
#include <unordered_map>
#include <vector>

#include "base/result.h"
#include "io/byte_reader.h"
#include "platform/file_system.h"

namespace quillon::exe {

/// Bounds-checked reads at absolute offsets. Spans stay valid as long as the source lives.
class ImageSource {
public:
    virtual ~ImageSource() = default;

    [[nodiscard]] virtual std::uint64_t size() const = 0;
    /// Exactly `n` bytes at `offset`; 33 when the file ends first, or the read's own error.
    [[nodiscard]] virtual Result<std::span<const std::byte>> bytes(std::uint64_t offset,
                                                                   std::uint64_t n) = 0;
    /// Up to `n` bytes at `offset`, cut short by the end of the file; 33 when `offset` is at
    /// or beyond the end.
    [[nodiscard]] Result<std::span<const std::byte>> upTo(std::uint64_t offset, std::uint64_t n);
    /// At least one and up to `n` bytes at `offset` that the source holds together (for a
    /// file, up to the end of the page); 33 when `offset` is at or beyond the end. Lets a
    /// search for a terminator avoid joining pages.
    [[nodiscard]] virtual Result<std::span<const std::byte>> together(std::uint64_t offset,
                                                                      std::uint64_t n)
    {
        return upTo(offset, n);
    }

    [[nodiscard]] Result<std::uint8_t> u8(std::uint64_t offset);
    [[nodiscard]] Result<std::uint16_t> u16le(std::uint64_t offset);
    [[nodiscard]] Result<std::uint32_t> u32le(std::uint64_t offset);
};

/// A whole file already in memory.
class BufferSource final : public ImageSource {
public:
    explicit BufferSource(std::span<const std::byte> bytes) : m_reader(bytes) {}

    [[nodiscard]] std::uint64_t size() const override { return m_reader.size(); }
    [[nodiscard]] Result<std::span<const std::byte>> bytes(std::uint64_t offset,
                                                           std::uint64_t n) override
    {
        return m_reader.bytes(offset, n);
    }

private:
    io::ByteReader m_reader;
};

/// An open file taken in pages of `kPageSize` bytes, each page at most once: seen in place when
/// the file is mapped, read otherwise. Either way the first use of a page is a read for the
/// file layer's fault hook.
class FileSource final : public ImageSource {
public:
    static constexpr std::uint64_t kPageSize = 4 * 1024;
    /// Files of this size and more are mapped by the source (where the system allows). The
    /// readers take a few pages of a file: for a smaller one, the mapping and unmapping cost
    /// more than reading those pages (16 times more, measured over the libwine DLLs).
    static constexpr std::uint64_t kMapFrom = 16u << 20;

    /// `file` must stay open while the source is used. `mapFrom` replaces `kMapFrom` (tests).
    FileSource(platform::File& file, std::uint64_t size, std::uint64_t mapFrom = kMapFrom);

    [[nodiscard]] std::uint64_t size() const override { return m_size; }
    [[nodiscard]] Result<std::span<const std::byte>> bytes(std::uint64_t offset,
                                                           std::uint64_t n) override;
    [[nodiscard]] Result<std::span<const std::byte>> together(std::uint64_t offset,
                                                              std::uint64_t n) override;
    /// The bytes taken from the file so far.
    [[nodiscard]] std::uint64_t bytesRead() const { return m_bytesRead; }

private:
    [[nodiscard]] Result<std::span<const std::byte>> page(std::uint64_t index);

    platform::File& m_file;
    std::uint64_t m_size;
    std::uint64_t m_bytesRead = 0;
    struct Page {
        std::unique_ptr<std::byte[]> owned;  // the page's bytes, when read
        std::span<const std::byte> bytes;
    };
    std::unordered_map<std::uint64_t, Page> m_pages;
    /// Pages used lately, by page number modulo 8: the readers walk a few tables side by side
    /// (name pointers, names, ordinal indexes), each mostly within one page.
    struct Recent {
        std::uint64_t index = ~std::uint64_t{0};
        std::span<const std::byte> bytes;
    };
    std::array<Recent, 8> m_recent;
    /// Ranges that cross a page boundary, copied together.
    std::deque<std::vector<std::byte>> m_joined;
};

}  // namespace quillon::exe
