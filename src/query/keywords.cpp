// Splitting a keyword text into its OR, AND and NOT keywords.
#include "query/keywords.h"

#include <algorithm>

#include "base/ascii_text.h"

namespace quillon::query {

namespace {

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    return trimRight(text);
}

std::string keyword(std::string_view text)
{
    return std::string(text.substr(0, std::min(text.size(), kKeywordCapacity)));
}

/// Moves the words of `from` that start with `prefix` (without it) to `to`; the rest keep
/// their order.
void movePrefixed(std::vector<std::string>& from, std::vector<std::string>& to, char prefix)
{
    std::vector<std::string> kept;
    for (std::string& word : from) {
        if (!word.empty() && word.front() == prefix) {
            // A bare sign holds no keyword.
            if (word.size() > 1)
                to.push_back(word.substr(1));
        } else {
            kept.push_back(std::move(word));
        }
    }
    from = std::move(kept);
}

}  // namespace

KeywordSets parseKeywords(std::string_view input, bool queryMode)
{
    KeywordSets sets;
    sets.multiple = true;
    std::string text(trimmed(input));
    char delimiter = ' ';
    if (text.find(',') != std::string::npos)
        delimiter = ',';
    else if (text.find(';') != std::string::npos)
        delimiter = ';';
    if (delimiter != ' ')
        text.erase(std::remove(text.begin(), text.end(), ' '), text.end());

    if (text.find(delimiter) == std::string::npos && !queryMode) {
        sets.multiple = false;
        if (!text.empty())
            sets.OR.push_back(keyword(text));
        return sets;
    }

    std::string_view rest = text;
    std::vector<std::string> words;
    for (std::size_t at = rest.find(delimiter);
         words.size() < kMaxKeywords && at != std::string_view::npos; at = rest.find(delimiter)) {
        const std::string_view word = trimmed(rest.substr(0, at));
        if (!word.empty())
            words.push_back(keyword(word));
        rest = trimmed(rest.substr(at + 1));
    }
    if (!rest.empty()) {
        if (words.size() < kMaxKeywords)
            words.push_back(keyword(rest));
        else
            sets.limitExceeded = true;
    }

    sets.OR = std::move(words);
    movePrefixed(sets.OR, sets.NOT, '-');
    movePrefixed(sets.OR, sets.AND, '+');
    if (sets.count() <= 1)
        sets.multiple = false;
    // Without OR keywords every row passes the OR stage and the AND and NOT keywords decide.
    // This holds for finds too: a find of "+Reg -Ex" would otherwise never find a row.
    sets.noOrKeywords = sets.OR.empty() && (!sets.AND.empty() || !sets.NOT.empty());
    return sets;
}

std::string preparedKeywordText(const SearchOptions& options)
{
    const std::string_view text = trimmed(options.SearchString);
    return options.UseMatchCase ? std::string(text) : upperCase(text);
}

KeywordSets keywordSetsFor(const SearchOptions& options, bool queryMode)
{
    const std::string text = preparedKeywordText(options);
    if (options.UseMultiSearch && options.SearchOption != MatchOption::WholeWord)
        return parseKeywords(text, queryMode);
    KeywordSets sets;
    if (!text.empty())
        sets.OR.push_back(keyword(text));
    return sets;
}

}  // namespace quillon::query
