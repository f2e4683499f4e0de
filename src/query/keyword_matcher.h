// KeywordMatcher: the OR, NOT and AND tests of one row text.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "query/keywords.h"
#include "query/search_options.h"

namespace quillon::query {

/// What the tests decided for one row.
enum class Verdict { NoMatch, Match, RejectedByNot, RejectedByAnd };

/// Tests row texts against keyword sets with one match option. A keyword longer than the row
/// text is skipped by every test. Not thread-safe: it keeps a buffer for the folded text.
class KeywordMatcher {
public:
    KeywordMatcher(const KeywordSets& sets, MatchOption option, bool caseSensitive);

    /// The verdict on `text` (upper-cased first unless the search is case sensitive).
    [[nodiscard]] Verdict test(std::string_view text) const;

private:
    [[nodiscard]] bool satisfies(std::string_view text, std::string_view keyword) const;
    [[nodiscard]] bool anyOrKeyword(std::string_view text) const;
    [[nodiscard]] bool containsAnyOr(std::string_view text) const;

    std::vector<std::string> m_or;
    std::vector<std::string> m_and;
    std::vector<std::string> m_not;
    MatchOption m_option;
    bool m_caseSensitive;
    bool m_noOrKeywords;
    /// "Containing" over several OR keywords: the pairs of bytes the keywords start with, one
    /// bit each, so that a text is scanned once and a keyword compared only where its first two
    /// bytes stand (one-byte keywords: by their first byte).
    std::array<std::uint64_t, 65536 / 64> m_firstPairs{};
    std::array<std::uint8_t, 256> m_firstByte{};
    std::size_t m_shortestOr = 0;
    /// The letter case table of the search: upper case unless case sensitive.
    std::array<char, 256> m_fold{};
    mutable std::string m_folded;
};

}  // namespace quillon::query
