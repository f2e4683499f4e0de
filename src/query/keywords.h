// Keyword sets: the OR, AND and NOT keywords split from one keyword text.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "query/search_options.h"

namespace quillon::query {

/// The most keywords one search takes, all sets together.
inline constexpr std::size_t kMaxKeywords = 10;
/// The most characters one keyword keeps.
inline constexpr std::size_t kKeywordCapacity = 255;

/// The keywords of one search.
struct KeywordSets {
    /// OR keywords: a row matches when one of them satisfies the match option.
    std::vector<std::string> OR;
    /// AND keywords (written with a leading "+"): each must be in the row.
    std::vector<std::string> AND;
    /// NOT keywords (written with a leading "-"): none may be in the row.
    std::vector<std::string> NOT;
    /// Several keywords are in use (the report writes "<Multiple>").
    bool multiple = false;
    /// Every keyword carried a prefix: every row passes the OR stage.
    bool noOrKeywords = false;
    /// More than `kMaxKeywords` were written; the rest were dropped.
    bool limitExceeded = false;

    [[nodiscard]] std::size_t count() const { return OR.size() + AND.size() + NOT.size(); }

    friend bool operator==(const KeywordSets&, const KeywordSets&) = default;
};

/// `ParseKeywords`: splits `text` (already upper-cased when the search ignores case) at commas,
/// else at semicolons (blanks removed first in both cases), else at blanks; sorts the words
/// into the three sets by their "+" and "-" prefixes. A text without a delimiter is one
/// keyword, except in query mode, where a single prefixed word still goes to its set.
[[nodiscard]] KeywordSets parseKeywords(std::string_view text, bool queryMode);

/// The keyword sets of a search with `options`: the keyword text with its blanks trimmed and,
/// unless the search is case sensitive, upper-cased; split by `parseKeywords` when multiple
/// keywords are on and the match option is not "Whole word", else one OR keyword.
[[nodiscard]] KeywordSets keywordSetsFor(const SearchOptions& options, bool queryMode);

/// The keyword text of the options as the search compares it (trimmed, upper-cased unless
/// case sensitive); the report's "Entered keyword".
[[nodiscard]] std::string preparedKeywordText(const SearchOptions& options);

}  // namespace quillon::query
