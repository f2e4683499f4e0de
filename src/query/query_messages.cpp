// The texts of find, query and extraction, word for word.
#include "query/query_messages.h"

#include "base/ascii_text.h"
#include "base/duration_text.h"
#include "base/text_encoding.h"
#include "maintenance/maintenance_messages.h"
#include "query/run_search.h"

namespace quillon::query {

namespace {

constexpr std::string_view kTitle = "CLARION QUILLON 32 - ";
constexpr std::string_view kRule = "    ________________________________________";

std::string spacer(std::size_t width)
{
    return "|" + std::string(width, kNonBreakingSpace);
}

std::string countOrNone(std::uint64_t count)
{
    return count == 0 ? "None" : std::to_string(count);
}

std::string processTime(std::int64_t elapsed)
{
    return "Process time: " + durationSecondsText(elapsed);
}

/// "Entered keyword: " with the keyword or "<Multiple>", and the lines about the sets, the
/// case and the match option.
std::string keywordLines(const SearchResult& result, const SearchOptions& options)
{
    const KeywordSets& k = result.keywords;
    std::string text = "Entered keyword: ";
    if (k.multiple) {
        text += "<Multiple>";
        if (!k.OR.empty())
            text += "|    Number of \"OR\"  keywords: " + std::to_string(k.OR.size());
        if (!k.AND.empty())
            text += "|    Number of \"AND\" keywords: " + std::to_string(k.AND.size());
        if (!k.NOT.empty())
            text += "|    Number of \"NOT\" keywords: " + std::to_string(k.NOT.size());
    } else {
        text += std::string(trimBlanks(options.SearchString));
    }
    text += "|    Case sensitive: ";
    text += options.UseMatchCase ? "Yes" : "No";
    text += "|    Option: " + std::string(matchOptionText(options.SearchOption));
    return text;
}

}  // namespace

ui::MessageBox moduleLimitMessage()
{
    return {std::string(kTitle) + "Max modules exceeded!",
            "   Max number of modules for the query procedure is 1024!|   " + spacer(75) +
                "|   Please remove some of the modules before proceeding."
                "|   The library should be split up into several smaller"
                "|   LIB-files that could be more easily handled!",
            ui::MessageIcon::Hand};
}

ui::MessageBox largeLibraryQuestion(bool veryLarge)
{
    const std::string first =
        veryLarge ? "   With very large libraries the query procedure may become|   unstable with "
                    "the \"Accumulate/exclude duplicates\" option set.|   The process may be slow "
                    "and the program may halt!|"
                  : "   With large libraries the query procedure may become|   slow with the "
                    "\"Accumulate/exclude duplicates\" option set.|";
    return {std::string(kTitle) + "Warning!",
            first + spacer(75) +
                "|   Press the \"Reset\" button below to uncheck this option,"
                "|   the \"Ignore\" button to proceed, or \"Abort\" to return"
                "|   to the query option dialog.",
            ui::MessageIcon::Exclamation, "&Reset|&Ignore|&Abort", 1};
}

ui::MessageBox multipleKeywordQuestion()
{
    return {std::string(kTitle) + "Multiple keyword?",
            "   There are characters in the entered searh string that indicate"
            "|   that you want to perform a multiple keyword search."
            "|   To do so you must check the \"Multiple keyword\" option.|" +
                spacer(75) +
                "|   Press the \"Set option\" button below to enable this option, or"
                "|   the \"Ignore\" button to proceed."
                "|   To return to the Query Dialog press the \"Abort\" button.",
            ui::MessageIcon::Question, "&Set option|&Ignore|&Abort", 1};
}

ui::MessageBox keywordLimitMessage()
{
    const std::string limit = std::to_string(kMaxKeywords);
    return {std::string(kTitle) + "Max keywords exceeded! ",
            "   Max number of keywords per search session|   is " + limit + spacer(75) +
                "|   Search session will be performed with the " + limit +
                "|   first entered keywords.",
            ui::MessageIcon::Exclamation};
}

ui::MessageBox queryResultMessage(const SearchResult& result, const SearchOptions& options,
                                  std::size_t listSize, std::uint32_t symbolCount)
{
    std::string title = std::string(kTitle) + "Query search result";
    if (result.extracted == 0)
        title = std::string(kTitle) +
                (options.UseAccumulateQuery ? "No new items extraced!" : "No items extraced!");
    std::string text = std::string(kRule) + "|    QUERY RESULT|    Number of items extraced: " +
                       countOrNone(result.extracted) +
                       "|    Total number of items in list: " + std::to_string(listSize) + "|    " +
                       keywordLines(result, options);
    if (options.UseAccumulateQuery) {
        text += "|    Accumulate/exclude duplicates: Yes";
        if (result.duplicates > 0)
            text += "|    Number of duplicates found: " + std::to_string(result.duplicates);
    } else {
        text += "|    Accumulate/exclude duplicates: No";
    }
    text += "|    " + processTime(result.elapsed);
    text += "|    Number of items processed: " + std::to_string(symbolCount);
    if (!result.keywords.AND.empty() || !result.keywords.NOT.empty())
        text += "|    Items excluded: " + std::to_string(result.andRejected + result.notRejected);
    text += "|" + std::string(kRule) + spacer(80);
    return {std::move(title), std::move(text), ui::MessageIcon::Program};
}

std::string queryStatusText(std::uint32_t extracted)
{
    return extracted == 0 ? "No functions extraced"
                          : std::to_string(extracted) + " functions extraced";
}

std::string foundStatusText(std::int64_t row)
{
    return "Keyword found in row #" + std::to_string(row);
}

ui::MessageBox endReachedQuestion(bool backward)
{
    if (backward)
        return {std::string(kTitle) + "Top reached!",
                "    The top of the list was reached!"
                "|    Do you want to continue the search from the bottom?|",
                ui::MessageIcon::Question, "&Yes|&No", 1};
    return {std::string(kTitle) + "Bottom reached!",
            "    The bottom of the list was reached!"
            "|    Do you want to continue the search from the top?|",
            ui::MessageIcon::Question, "&Yes|&No", 1};
}

ui::MessageBox noMatchesMessage(const SearchResult& result, const SearchOptions& options)
{
    const std::string first = result.keywords.multiple ? "    No matches to the keywords!|    "
                                                       : "    No matches to the keyword!|    ";
    return {std::string(kTitle) + "No matches found!",
            first + keywordLines(result, options) + "|" + std::string(kRule) + spacer(80),
            ui::MessageIcon::Information};
}

std::string notFoundStatusText(std::string_view before, bool multiple)
{
    if (!before.empty())
        return std::string(before) +
               (multiple ? " none of the keywords found" : " keyword not found");
    return multiple ? "None of the keywords was found" : "Keyword was not found";
}

std::string extractStatusText(const ExtractCounts& counts)
{
    std::string text = counts.extracted == 0
                           ? std::string("No items extracted")
                           : maintenance::countNoun(counts.extracted, "item") + " extracted";
    if (counts.duplicates > 0)
        text += " - " + maintenance::countNoun(counts.duplicates, "duplicate") + " excluded";
    return text;
}

ui::MessageBox extractResultMessage(const ExtractCounts& counts, std::size_t listSize)
{
    const std::string title =
        std::string(kTitle) + (counts.extracted == 0 ? "No items extracted" : "Extract result");
    std::string text = std::string(kRule) + "|    EXTRACT RESULT|    " + std::string(40, '\xAF') +
                       "|    Comment: Duplicates excluded||    ";
    text += "Number of items extracted: " + countOrNone(counts.extracted);
    text += "|    Total number of items in list: " + countOrNone(listSize);
    text += "|    Number of duplicates: " + countOrNone(counts.duplicates);
    text += "|    Number of items processed: " + std::to_string(counts.processed);
    text += "|    " + processTime(counts.elapsed);
    text += "|" + std::string(kRule) + spacer(90);
    return {title, std::move(text), ui::MessageIcon::Program};
}

}  // namespace quillon::query
