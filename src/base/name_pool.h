// NamePool: the chunks bulk loads put the long names of new rows into.
#pragma once

#include <cstdint>
#include <string_view>

#include "base/row_text.h"

namespace quillon {

/// Hands out `RowText` values for names read in bulk: short names inline, longer ones packed
/// into the pool's current chunk (one allocation for hundreds of names). The first chunk takes
/// 64 KiB; each next one twice its predecessor, up to 4 MiB, so that a small library stays
/// small and a large one is made of few blocks. The texts hold their chunk, so they outlive
/// the pool. A copy of a pool starts with no chunk of its own.
class NamePool {
public:
    /// Bytes of the first and of the largest chunk, header included.
    static constexpr std::uint32_t kFirstChunkBytes = 64 * 1024;
    static constexpr std::uint32_t kLargestChunkBytes = 4 * 1024 * 1024;

    NamePool() = default;
    NamePool(const NamePool&) noexcept {}
    NamePool(NamePool&& other) noexcept;
    NamePool& operator=(const NamePool& other) noexcept;
    NamePool& operator=(NamePool&& other) noexcept;
    ~NamePool() { letGo(); }

    /// The text `name`, its bytes in the pool's current chunk when it does not fit inline.
    [[nodiscard]] RowText make(std::string_view name);

private:
    /// Drops the pool's holds on its current chunk.
    void letGo() noexcept;

    TextChunk* m_chunk = nullptr;
    std::uint32_t m_used = 0;
    // Holds taken on the chunk for the names still to come: a chunk is made with one hold per
    // name that can fit, so handing a name out needs no count update.
    std::uint32_t m_spareHolds = 0;
    std::uint32_t m_nextChunkBytes = kFirstChunkBytes;
};

}  // namespace quillon
