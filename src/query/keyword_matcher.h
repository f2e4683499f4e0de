// KeywordMatcher: the OR, NOT and AND tests of one row text.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "query/keyword_scan.h"
#include "query/keywords.h"
#include "query/search_options.h"

namespace quillon::query {

/// What the tests decided for one row.
enum class Verdict { NoMatch, Match, RejectedByNot, RejectedByAnd };

/// Tests row texts against keyword sets with one match option. A keyword longer than the row
/// text is skipped by every test. Texts are read where they lie, folded as they are compared.
class KeywordMatcher {
public:
    KeywordMatcher(const KeywordSets& sets, MatchOption option, bool caseSensitive);

    /// The verdict on `text` (compared in upper case unless the search is case sensitive).
    [[nodiscard]] Verdict test(std::string_view text) const;

private:
    [[nodiscard]] bool satisfies(std::string_view text, std::string_view keyword,
                                 const KeywordScan& scan) const;
    [[nodiscard]] bool anyOrKeyword(std::string_view text) const;

    std::vector<std::string> m_or;
    std::vector<std::string> m_and;
    std::vector<std::string> m_not;
    MatchOption m_option;
    bool m_foldCase;
    bool m_noOrKeywords;
    /// "Containing": all OR keywords at once, and each AND and NOT keyword alone.
    KeywordScan m_orScan;
    std::vector<KeywordScan> m_andScans;
    std::vector<KeywordScan> m_notScans;
};

}  // namespace quillon::query
