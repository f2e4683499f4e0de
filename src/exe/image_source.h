// ImageSource: the bytes of an executable as the readers ask for them, from a buffer in memory
// or read from the file a page at a time, so that a large file is read only where its headers
// and export tables lie.
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

/// An open file read in pages of `kPageSize` bytes, each page at most once.
class FileSource final : public ImageSource {
public:
    static constexpr std::uint64_t kPageSize = 4 * 1024;

    /// `file` must stay open while the source is used.
    FileSource(platform::File& file, std::uint64_t size) : m_file(file), m_size(size) {}

    [[nodiscard]] std::uint64_t size() const override { return m_size; }
    [[nodiscard]] Result<std::span<const std::byte>> bytes(std::uint64_t offset,
                                                           std::uint64_t n) override;
    [[nodiscard]] Result<std::span<const std::byte>> together(std::uint64_t offset,
                                                              std::uint64_t n) override;
    /// The bytes read from the file so far.
    [[nodiscard]] std::uint64_t bytesRead() const { return m_bytesRead; }

private:
    [[nodiscard]] Result<std::span<const std::byte>> page(std::uint64_t index);

    platform::File& m_file;
    std::uint64_t m_size;
    std::uint64_t m_bytesRead = 0;
    struct Page {
        std::unique_ptr<std::byte[]> bytes;
        std::size_t size = 0;
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
