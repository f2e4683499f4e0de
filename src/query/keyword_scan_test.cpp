// The keyword scan agrees with a plain search of folded copies on tricky texts: keywords at
// either end, across the 16-byte blocks, in either letter case, next to the bytes whose case
// bit is not a letter's, and with no keyword, an empty one or one-byte ones.
#include "query/keyword_scan.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace quillon::query {
namespace {

std::string folded(std::string text, bool foldCase)
{
    if (foldCase) {
        for (char& c : text)
            c = foldedByte(c);
    }
    return text;
}

/// The plain answer: some word is in the folded text.
bool plainAny(const std::vector<std::string>& words, const std::string& text, bool foldCase)
{
    const std::string haystack = folded(text, foldCase);
    for (const std::string& word : words) {
        if (haystack.find(word) != std::string::npos)
            return true;
    }
    return false;
}

/// Texts of every length from 0 to 40 made of `alphabet`, from a fixed sequence.
std::vector<std::string> texts(const std::string& alphabet, int perLength)
{
    std::vector<std::string> out;
    std::uint32_t state = 12345;
    for (std::size_t length = 0; length <= 40; ++length) {
        for (int k = 0; k < perLength; ++k) {
            std::string text;
            for (std::size_t i = 0; i < length; ++i) {
                state = state * 1103515245u + 12345u;
                text += alphabet[(state >> 16) % alphabet.size()];
            }
            out.push_back(text);
        }
    }
    return out;
}

void expectAgreement(const std::vector<std::string>& words, const std::vector<std::string>& all,
                     bool foldCase)
{
    const KeywordScan scan(words, foldCase);
    for (const std::string& text : all) {
        ASSERT_EQ(scan.any(text), plainAny(words, text, foldCase))
            << "text \"" << text << "\", " << words.size() << " words, fold " << foldCase;
    }
}

TEST(KeywordScan, AgreesWithPlainSearchOnMadeUpTexts)
{
    // Letters of both cases and the bytes one case bit away from them ("@" and "`", "[" and
    // "{"), a byte above 127, and the keywords' own letters often.
    const std::string alphabet = "abkABK@`[{_0\xC4\xE4z";
    const std::vector<std::string> all = texts(alphabet, 60);
    const std::vector<std::vector<std::string>> lists = {
        {},
        {"AB"},
        {"BA", "KA", "ZB"},
        {"@A", "[K"},
        {"A@B", "`A", "{"},
        {"\xC4" "B", "AK_0"},
        {"ABKAB", "BBBB", "KK", "0Z", "_A", "B@", "Z`", "AZ", "KB", "BK"},
        {"K"},
        {"AB", "K"},
    };
    for (const bool foldCase : {true, false}) {
        for (std::vector<std::string> words : lists) {
            for (std::string& w : words)
                w = folded(w, foldCase);
            expectAgreement(words, all, foldCase);
            // The same words in lower case: when folding they never match (the search
            // upper-cases its keywords), without folding they are other words.
            for (std::string& w : words) {
                for (char& c : w)
                    c = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
            }
            expectAgreement(words, all, foldCase);
        }
    }
}

TEST(KeywordScan, FindsWordsAtEitherEndAndAcrossBlocks)
{
    const KeywordScan scan({"GETPROC", "XY"}, true);
    for (std::size_t length = 0; length <= 48; ++length) {
        for (std::size_t at = 0; at + 7 <= length; ++at) {
            std::string text(length, 'q');
            text.replace(at, 7, at % 2 == 0 ? "GetProc" : "getproc");
            EXPECT_TRUE(scan.any(text)) << text;
            text[at + 6] = 'x';  // the last letter gone
            EXPECT_FALSE(scan.any(text)) << text;
        }
    }
    EXPECT_TRUE(scan.any("xy"));
    EXPECT_TRUE(scan.any("0123456789abcdefxY"));
    EXPECT_FALSE(scan.any("0123456789abcdefX"));
}

TEST(KeywordScan, EmptyListsAndEmptyWords)
{
    EXPECT_FALSE(KeywordScan({}, true).any("anything"));
    EXPECT_FALSE(KeywordScan({}, true).any(""));
    EXPECT_TRUE(KeywordScan({""}, true).any(""));
    EXPECT_TRUE(KeywordScan({"NOPE", ""}, false).any("text"));
    EXPECT_FALSE(KeywordScan({"LONGER"}, true).any("long"));
}

TEST(KeywordScan, MoreWordsThanBitsAreAllTried)
{
    std::vector<std::string> words;
    for (int i = 0; i < 70; ++i)
        words.push_back("W" + std::to_string(i) + "Z");
    expectAgreement(words, texts("W0123456789Zz", 20), true);
}

}  // namespace
}  // namespace quillon::query
