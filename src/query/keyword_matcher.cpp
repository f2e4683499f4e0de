// The keyword tests of the search: OR by the match option, then NOT, then AND.
#include "query/keyword_matcher.h"

namespace quillon::query {

namespace {

std::vector<KeywordScan> scansOf(const std::vector<std::string>& words, bool foldCase)
{
    std::vector<KeywordScan> scans;
    scans.reserve(words.size());
    for (const std::string& word : words)
        scans.emplace_back(std::vector<std::string>{word}, foldCase);
    return scans;
}

}  // namespace

KeywordMatcher::KeywordMatcher(const KeywordSets& sets, MatchOption option, bool caseSensitive)
    : m_or(sets.OR),
      m_and(sets.AND),
      m_not(sets.NOT),
      m_option(option),
      m_foldCase(!caseSensitive),
      m_noOrKeywords(sets.noOrKeywords),
      m_orScan(sets.OR, !caseSensitive),
      m_andScans(scansOf(sets.AND, !caseSensitive)),
      m_notScans(scansOf(sets.NOT, !caseSensitive))
{
}

bool KeywordMatcher::satisfies(std::string_view text, std::string_view keyword,
                               const KeywordScan& scan) const
{
    switch (m_option) {
        case MatchOption::Containing:
            return scan.any(text);
        case MatchOption::BeginningWith:
            return startsWithWord(text.data(), keyword, m_foldCase);
        case MatchOption::EndingWith:
            return startsWithWord(text.data() + text.size() - keyword.size(), keyword, m_foldCase);
        case MatchOption::WholeWord:
            break;
    }
    return text.size() == keyword.size() && startsWithWord(text.data(), keyword, m_foldCase);
}

bool KeywordMatcher::anyOrKeyword(std::string_view text) const
{
    if (m_option == MatchOption::Containing)
        return m_orScan.any(text);
    for (const std::string& word : m_or) {
        if (word.size() <= text.size() && satisfies(text, word, m_orScan))
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
    if (!m_noOrKeywords && !anyOrKeyword(text))
        return Verdict::NoMatch;
    // With OR keywords the NOT and AND keywords are looked for anywhere in the text; on their
    // own they follow the match option.
    auto found = [&](const std::string& word, const KeywordScan& scan) {
        return m_noOrKeywords ? satisfies(text, word, scan) : scan.any(text);
    };
    for (std::size_t k = 0; k < m_not.size(); ++k) {
        if (m_not[k].size() <= text.size() && found(m_not[k], m_notScans[k]))
            return Verdict::RejectedByNot;
    }
    for (std::size_t k = 0; k < m_and.size(); ++k) {
        if (m_and[k].size() <= text.size() && !found(m_and[k], m_andScans[k]))
            return Verdict::RejectedByAnd;
    }
    return Verdict::Match;
}

}  // namespace quillon::query
