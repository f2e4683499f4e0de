// The keyword scan: probe bytes found 16 at a time (SSE2 where the compiler offers it, one
// byte at a time otherwise), then the words compared where their probe byte stands.
#include "query/keyword_scan.h"

#include <algorithm>
#include <cstring>

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#define QUILLON_SCAN_SSE2 1
#endif

namespace quillon::query {

namespace {

/// How often a byte stands in export names, roughly (higher is more common): the probe of a
/// word is its byte of least weight.
int weight(unsigned char c)
{
    static constexpr std::string_view kCommonFirst = "ETAOISNRLC_DHUMPGFYBW0123456789@?$VKXJQZ";
    const char upper = foldedByte(static_cast<char>(c));
    const std::size_t at = kCommonFirst.find(upper);
    return at == std::string_view::npos ? 0 : static_cast<int>(kCommonFirst.size() - at);
}

bool isLetter(unsigned char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

constexpr std::size_t kMaxWords = 64;

}  // namespace

char foldedByte(char c)
{
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

bool startsWithWord(const char* text, std::string_view word, bool foldCase)
{
    if (!foldCase)
        return std::memcmp(text, word.data(), word.size()) == 0;
    for (std::size_t i = 0; i < word.size(); ++i) {
        if (foldedByte(text[i]) != word[i])
            return false;
    }
    return true;
}

KeywordScan::KeywordScan(const std::vector<std::string>& words, bool foldCase)
    : m_foldCase(foldCase)
{
    m_shortest = words.empty() ? 0 : words.front().size();
    for (const std::string& word : words) {
        m_shortest = std::min(m_shortest, word.size());
        if (word.empty()) {
            m_hasEmpty = true;
            continue;
        }
        Word w{word, 0};
        const auto at = [&word](std::size_t i) { return static_cast<unsigned char>(word[i]); };
        if (word.size() == 1) {
            m_oneByteWord = true;
        } else {
            for (std::size_t i = 1; i + 1 < word.size(); ++i) {
                if (weight(at(i)) + weight(at(i + 1)) <
                    weight(at(w.probeAt)) + weight(at(w.probeAt + 1)))
                    w.probeAt = i;
            }
        }
        m_words.push_back(std::move(w));
    }
    if (m_words.size() > kMaxWords)
        return;  // more words than bits: every byte is looked at (`anyScalar` tries them all)
    for (std::size_t k = 0; k < m_words.size(); ++k) {
        const auto probe = static_cast<unsigned char>(m_words[k].text[m_words[k].probeAt]);
        const std::uint64_t bit = std::uint64_t{1} << k;
        m_wordsAt[probe] |= bit;
        if (m_foldCase && isLetter(probe))
            m_wordsAt[probe | 0x20u] |= bit;
        if (m_words[k].text.size() < 2)
            continue;
        Pair pair;
        for (std::size_t b = 0; b < 2; ++b) {
            const auto byte = static_cast<unsigned char>(m_words[k].text[m_words[k].probeAt + b]);
            const bool letter = m_foldCase && isLetter(byte);
            pair.bytes[b] = letter ? static_cast<unsigned char>(byte | 0x20u) : byte;
            pair.caseBits[b] = letter ? 0x20u : 0u;
        }
        if (std::find(m_pairs.begin(), m_pairs.end(), pair) != m_pairs.end())
            continue;
        m_pairs.push_back(pair);
        PairLanes lanes;
        lanes.first.fill(pair.bytes[0]);
        lanes.second.fill(pair.bytes[1]);
        lanes.foldFirst = pair.caseBits[0] != 0;
        lanes.foldSecond = pair.caseBits[1] != 0;
        m_lanes.push_back(lanes);
    }
}

bool KeywordScan::matchesAround(std::string_view text, std::size_t at) const
{
    std::uint64_t words = m_wordsAt[static_cast<unsigned char>(text[at])];
    while (words != 0) {
        const Word& w = m_words[static_cast<std::size_t>(__builtin_ctzll(words))];
        words &= words - 1;
        if (at < w.probeAt)
            continue;
        const std::size_t start = at - w.probeAt;
        if (w.text.size() <= text.size() - start &&
            startsWithWord(text.data() + start, w.text, m_foldCase))
            return true;
    }
    return false;
}

bool KeywordScan::anyScalar(std::string_view text, std::size_t from) const
{
    for (std::size_t i = from; i < text.size(); ++i) {
        if (matchesAround(text, i))
            return true;
    }
    return false;
}

#ifdef QUILLON_SCAN_SSE2
namespace {

/// Copies 2 to 16 bytes with moves of fixed size (two overlapping ones).
void copyShort(char* to, const char* from, std::size_t n)
{
    if (n >= 8) {
        std::memcpy(to, from, 8);
        std::memcpy(to + n - 8, from + n - 8, 8);
    } else if (n >= 4) {
        std::memcpy(to, from, 4);
        std::memcpy(to + n - 4, from + n - 4, 4);
    } else {
        std::memcpy(to, from, 2);
        std::memcpy(to + n - 2, from + n - 2, 2);
    }
}

}  // namespace

std::uint32_t KeywordScan::pairHits(const char* p) const
{
    const __m128i first = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    const __m128i second = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 1));
    const __m128i caseBit = _mm_set1_epi8(0x20);
    const __m128i firstFolded = _mm_or_si128(first, caseBit);
    const __m128i secondFolded = _mm_or_si128(second, caseBit);
    __m128i hits = _mm_setzero_si128();
    for (const PairLanes& lanes : m_lanes) {
        const __m128i a = _mm_cmpeq_epi8(
            lanes.foldFirst ? firstFolded : first,
            _mm_load_si128(reinterpret_cast<const __m128i*>(lanes.first.data())));
        const __m128i b = _mm_cmpeq_epi8(
            lanes.foldSecond ? secondFolded : second,
            _mm_load_si128(reinterpret_cast<const __m128i*>(lanes.second.data())));
        hits = _mm_or_si128(hits, _mm_and_si128(a, b));
    }
    return static_cast<std::uint32_t>(_mm_movemask_epi8(hits));
}
#endif

bool KeywordScan::anyAt(std::string_view text, std::size_t start, std::uint32_t hits) const
{
    while (hits != 0) {
        const std::size_t at = start + static_cast<std::size_t>(__builtin_ctz(hits));
        hits &= hits - 1;
        if (matchesAround(text, at))
            return true;
    }
    return false;
}

bool KeywordScan::any(std::string_view text) const
{
    if (m_hasEmpty)
        return true;
    if (m_words.empty() || m_shortest > text.size())
        return false;
    if (m_words.size() > kMaxWords) {
        for (const Word& w : m_words) {
            for (std::size_t i = 0; i + w.text.size() <= text.size(); ++i) {
                if (startsWithWord(text.data() + i, w.text, m_foldCase))
                    return true;
            }
        }
        return false;
    }
#ifdef QUILLON_SCAN_SSE2
    const std::size_t n = text.size();
    if (m_oneByteWord || n < 2)
        return anyScalar(text, 0);
    if (n < 17) {
        // A short text is copied into zeros with fixed-size moves; only the positions where
        // a pair of the text starts count.
        alignas(16) char padded[32] = {};
        copyShort(padded, text.data(), n);
        return anyAt(text, 0, pairHits(padded) & ((1u << (n - 1)) - 1u));
    }
    // The last block is the 17 bytes that end the text (positions seen before are seen
    // again, to no effect).
    for (std::size_t block = 0; block + 1 < n; block += 16) {
        const std::size_t start = std::min(block, n - 17);
        if (anyAt(text, start, pairHits(text.data() + start)))
            return true;
    }
    return false;
#else
    return anyScalar(text, 0);
#endif
}

}  // namespace quillon::query
