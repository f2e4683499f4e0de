// The keyword tests of the search: OR by the match option, then NOT, then AND.
#include "query/keyword_matcher.h"

#include <algorithm>
#include <cstring>

namespace quillon::query {

namespace {

char upper(char c)
{
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

unsigned pairOf(const char* at)
{
    return static_cast<unsigned>(static_cast<unsigned char>(at[0])) << 8 |
           static_cast<unsigned char>(at[1]);
}

bool contains(std::string_view text, std::string_view keyword)
{
    return text.find(keyword) != std::string_view::npos;
}

}  // namespace

KeywordMatcher::KeywordMatcher(const KeywordSets& sets, MatchOption option, bool caseSensitive)
    : m_or(sets.OR),
      m_and(sets.AND),
      m_not(sets.NOT),
      m_option(option),
      m_caseSensitive(caseSensitive),
      m_noOrKeywords(sets.noOrKeywords)
{
    for (std::size_t c = 0; c < m_fold.size(); ++c)
        m_fold[c] = caseSensitive ? static_cast<char>(c) : upper(static_cast<char>(c));
    m_shortestOr = m_or.empty() ? 0 : m_or.front().size();
    for (const std::string& word : m_or) {
        m_shortestOr = std::min(m_shortestOr, word.size());
        if (word.empty())
            continue;
        m_firstByte[static_cast<unsigned char>(word[0])] = 1;
        if (word.size() >= 2) {
            const unsigned pair = pairOf(word.data());
            m_firstPairs[pair / 64] |= std::uint64_t{1} << (pair % 64);
        }
    }
}

bool KeywordMatcher::satisfies(std::string_view text, std::string_view keyword) const
{
    switch (m_option) {
        case MatchOption::Containing:
            return contains(text, keyword);
        case MatchOption::BeginningWith:
            return text.substr(0, keyword.size()) == keyword;
        case MatchOption::EndingWith:
            return text.substr(text.size() - keyword.size()) == keyword;
        case MatchOption::WholeWord:
            break;
    }
    return text == keyword;
}

bool KeywordMatcher::containsAnyOr(std::string_view text) const
{
    if (m_or.size() == 1)
        return m_or.front().size() <= text.size() && contains(text, m_or.front());
    if (m_or.empty() || m_shortestOr > text.size())
        return false;
    if (m_shortestOr == 0)
        return true;
    const char* data = text.data();
    const std::size_t last = text.size() - m_shortestOr;
    auto startsHere = [&](std::size_t i) {
        for (const std::string& word : m_or) {
            if (word.size() <= text.size() - i &&
                std::memcmp(data + i, word.data(), word.size()) == 0)
                return true;
        }
        return false;
    };
    if (m_shortestOr == 1) {
        for (std::size_t i = 0; i <= last; ++i) {
            if (m_firstByte[static_cast<unsigned char>(data[i])] != 0 && startsHere(i))
                return true;
        }
        return false;
    }
    for (std::size_t i = 0; i <= last; ++i) {
        const unsigned pair = pairOf(data + i);
        if ((m_firstPairs[pair / 64] >> (pair % 64) & 1U) != 0 && startsHere(i))
            return true;
    }
    return false;
}

bool KeywordMatcher::anyOrKeyword(std::string_view text) const
{
    if (m_option == MatchOption::Containing)
        return containsAnyOr(text);
    for (const std::string& word : m_or) {
        if (word.size() <= text.size() && satisfies(text, word))
            return true;
    }
    return false;
}

Verdict KeywordMatcher::test(std::string_view text) const
{
    if (m_option == MatchOption::WholeWord) {
        while (!text.empty() && text.back() == ' ')
            text.remove_suffix(1);
    }
    if (!m_caseSensitive) {
        m_folded.resize(text.size());
        for (std::size_t i = 0; i < text.size(); ++i)
            m_folded[i] = m_fold[static_cast<unsigned char>(text[i])];
        text = m_folded;
    }
    if (!m_noOrKeywords && !anyOrKeyword(text))
        return Verdict::NoMatch;
    // With OR keywords the NOT and AND keywords are looked for anywhere in the text; on their
    // own they follow the match option.
    auto found = [&](const std::string& word) {
        return m_noOrKeywords ? satisfies(text, word) : contains(text, word);
    };
    for (const std::string& word : m_not) {
        if (word.size() <= text.size() && found(word))
            return Verdict::RejectedByNot;
    }
    for (const std::string& word : m_and) {
        if (word.size() <= text.size() && !found(word))
            return Verdict::RejectedByAnd;
    }
    return Verdict::Match;
}

}  // namespace quillon::query
