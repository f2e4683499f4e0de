// KeywordScan: whether any of a few keywords occurs in a text, letter case folded or not,
// read where the text lies (no copy) and skipping 16 bytes at a time where none of the
// keywords' rarest bytes stands.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quillon::query {

/// Upper-cases ASCII letters only, as the search does: the table of one byte.
[[nodiscard]] char foldedByte(char c);

/// True when `text` (at least `word.size()` bytes) starts with `word`, which is upper case
/// already when `foldCase`; the text is folded byte by byte as it is compared.
[[nodiscard]] bool startsWithWord(const char* text, std::string_view word, bool foldCase);

class KeywordScan {
public:
    /// `words` are upper case already when `foldCase` (the search upper-cases its keywords).
    KeywordScan(const std::vector<std::string>& words, bool foldCase);

    /// True when one of the words occurs in `text` (an empty word occurs in every text).
    [[nodiscard]] bool any(std::string_view text) const;

private:
    struct Word {
        std::string text;
        /// Where the word's probe stands in it: its rarest byte, or its rarest pair of bytes.
        std::size_t probeAt = 0;
    };

    /// The words whose probe byte is at `at` in `text`, tested in place; true at a match.
    [[nodiscard]] bool matchesAround(std::string_view text, std::size_t at) const;
    [[nodiscard]] bool anyScalar(std::string_view text, std::size_t from) const;
    /// The words at the positions `start` + each bit of `hits`; true at a match.
    [[nodiscard]] bool anyAt(std::string_view text, std::size_t start, std::uint32_t hits) const;
    /// The positions 0 to 15 after `p` where a probe pair starts, one bit each (17 bytes
    /// readable at `p`).
    [[nodiscard]] std::uint32_t pairHits(const char* p) const;

    std::vector<Word> m_words;
    /// For each byte of a text: the words (one bit each) whose probe byte it is.
    std::array<std::uint64_t, 256> m_wordsAt{};
    /// The distinct probe pairs (words of two bytes or more): each byte as compared, and the
    /// letter case bit set on the text's byte first where it is a letter and case is folded.
    struct Pair {
        std::array<unsigned char, 2> bytes{};
        std::array<unsigned char, 2> caseBits{};
        friend bool operator==(const Pair&, const Pair&) = default;
    };
    /// A pair's two bytes, each repeated 16 times, and whether each is compared folded.
    struct alignas(16) PairLanes {
        std::array<unsigned char, 16> first{};
        std::array<unsigned char, 16> second{};
        bool foldFirst = false;
        bool foldSecond = false;
    };
    std::vector<Pair> m_pairs;
    std::vector<PairLanes> m_lanes;
    /// Some word is one byte long: the pairs do not find it, every byte is looked at.
    bool m_oneByteWord = false;
    bool m_foldCase;
    bool m_hasEmpty = false;
    std::size_t m_shortest = 0;
};

}  // namespace quillon::query
