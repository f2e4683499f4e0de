// NameChains: positions grouped by name, in one flat table of open addressing (no allocation
// per name), for the pairing passes of the comparison.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <vector>

namespace quillon::reports {

/// The first position of each name and, for each position, the next one of the same name in
/// ascending order. `kEnd` ends a chain.
class NameChains {
public:
    static constexpr std::size_t kEnd = static_cast<std::size_t>(-1);

    /// Indexes positions 0 to `count` - 1, whose names `name(j)` gives; the names must stay
    /// alive (and unchanged) while the index is used.
    template <class Name>
    NameChains(std::size_t count, Name name) : m_next(count, kEnd)
    {
        std::size_t capacity = 16;
        while (capacity < count * 2)
            capacity *= 2;
        m_mask = capacity - 1;
        m_slots.assign(capacity, Slot{});
        m_names.reserve(count);
        for (std::size_t j = 0; j < count; ++j)
            m_names.push_back(name(j));
        for (std::size_t j = count; j-- > 0;) {
            const std::uint32_t hash = hashOf(m_names[j]);
            Slot& slot = m_slots[slotOf(m_names[j], hash)];
            if (slot.position != kEmpty)
                m_next[j] = slot.position;
            slot.hash = hash;
            slot.position = static_cast<std::uint32_t>(j);
        }
    }

    [[nodiscard]] std::size_t first(std::string_view name) const
    {
        const Slot& slot = m_slots[slotOf(name, hashOf(name))];
        return slot.position == kEmpty ? kEnd : slot.position;
    }
    [[nodiscard]] std::size_t next(std::size_t j) const { return m_next[j]; }

private:
    static constexpr std::uint32_t kEmpty = 0xffffffffu;
    struct Slot {
        std::uint32_t hash = 0;
        std::uint32_t position = kEmpty;
    };

    /// Eight bytes at a time: names of exports are mostly longer than a word.
    static std::uint32_t hashOf(std::string_view text)
    {
        std::uint64_t h = 0x9e3779b97f4a7c15ull ^ text.size();
        const char* p = text.data();
        std::size_t n = text.size();
        for (; n >= 8; p += 8, n -= 8) {
            std::uint64_t word = 0;
            std::memcpy(&word, p, 8);
            h = (h ^ word) * 0xff51afd7ed558ccdull;
            h ^= h >> 32;
        }
        std::uint64_t tail = 0;
        for (std::size_t k = 0; k < n; ++k)
            tail |= std::uint64_t{static_cast<unsigned char>(p[k])} << (8 * k);
        h = (h ^ tail) * 0xc4ceb9fe1a85ec53ull;
        return static_cast<std::uint32_t>(h ^ (h >> 29));
    }

    /// The slot holding `name`, or the empty slot where it would go.
    [[nodiscard]] std::size_t slotOf(std::string_view name, std::uint32_t hash) const
    {
        for (std::size_t at = hash & m_mask;; at = (at + 1) & m_mask) {
            const Slot& slot = m_slots[at];
            if (slot.position == kEmpty ||
                (slot.hash == hash && m_names[slot.position] == name))
                return at;
        }
    }

    std::vector<Slot> m_slots;
    std::vector<std::string_view> m_names;
    std::vector<std::size_t> m_next;
    std::size_t m_mask = 0;
};

}  // namespace quillon::reports
