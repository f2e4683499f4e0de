// Tests of splitting keyword texts and of the keyword tests on row texts.
#include "query/keywords.h"

#include <gtest/gtest.h>

#include "query/keyword_matcher.h"

namespace quillon::query {
namespace {

using Words = std::vector<std::string>;

TEST(ParseKeywords, SplitsAtCommasBeforeSemicolonsBeforeBlanks)
{
    // Commas win; blanks go, semicolons stay inside the keywords.
    KeywordSets k = parseKeywords(" REG ; OPEN, CLOSE;KEY ,  -EX ", false);
    EXPECT_EQ(k.OR, (Words{"REG;OPEN", "CLOSE;KEY"}));
    EXPECT_EQ(k.NOT, (Words{"EX"}));
    EXPECT_TRUE(k.multiple);

    k = parseKeywords("A B;C D", false);
    EXPECT_EQ(k.OR, (Words{"AB", "CD"}));

    k = parseKeywords("  ALPHA   BETA  +GAMMA ", false);
    EXPECT_EQ(k.OR, (Words{"ALPHA", "BETA"}));
    EXPECT_EQ(k.AND, (Words{"GAMMA"}));
    EXPECT_TRUE(k.AND.size() == 1 && k.NOT.empty() && !k.noOrKeywords);
}

TEST(ParseKeywords, LeadingMinusWordIsNotKeywordAndSecondWordIsOr)
{
    const KeywordSets k = parseKeywords("-INTERNAL EX", false);
    EXPECT_EQ(k.NOT, (Words{"INTERNAL"}));
    EXPECT_EQ(k.OR, (Words{"EX"}));
    EXPECT_TRUE(k.multiple);
}

TEST(ParseKeywords, SingleWordAndAllPrefixedTexts)
{
    // A find with one word: multiple keywords off, the word as it stands.
    KeywordSets k = parseKeywords("-REG", false);
    EXPECT_EQ(k.OR, (Words{"-REG"}));
    EXPECT_FALSE(k.multiple);
    // A query sorts even a single word into its set.
    k = parseKeywords("-REG", true);
    EXPECT_TRUE(k.OR.empty());
    EXPECT_EQ(k.NOT, (Words{"REG"}));
    EXPECT_TRUE(k.noOrKeywords);
    EXPECT_FALSE(k.multiple);

    k = parseKeywords("+REG +KEY", true);
    EXPECT_TRUE(k.OR.empty());
    EXPECT_EQ(k.AND, (Words{"REG", "KEY"}));
    EXPECT_TRUE(k.noOrKeywords);
}

TEST(ParseKeywords, ElevenKeywordsKeepTheFirstTen)
{
    KeywordSets k = parseKeywords("A,B,C,D,E,F,G,H,I,J", true);
    EXPECT_EQ(k.OR.size(), 10u);
    EXPECT_FALSE(k.limitExceeded);
    k = parseKeywords("A,B,C,D,E,F,G,H,I,J,K,L", true);
    EXPECT_EQ(k.OR, (Words{"A", "B", "C", "D", "E", "F", "G", "H", "I", "J"}));
    EXPECT_TRUE(k.limitExceeded);
}

TEST(KeywordSetsFor, CaseWholeWordAndSingleKeyword)
{
    SearchOptions o;
    o.SearchString = "  reg open ";
    EXPECT_EQ(keywordSetsFor(o, false).OR, (Words{"REG", "OPEN"}));
    o.UseMatchCase = true;
    EXPECT_EQ(keywordSetsFor(o, false).OR, (Words{"reg", "open"}));
    // "Whole word" never splits: the whole text must equal the row text.
    o.SearchOption = MatchOption::WholeWord;
    EXPECT_EQ(keywordSetsFor(o, false).OR, (Words{"reg open"}));
    o.SearchOption = MatchOption::Containing;
    o.UseMultiSearch = false;
    EXPECT_EQ(keywordSetsFor(o, true).OR, (Words{"reg open"}));
}

Verdict verdict(const std::string& keywords, MatchOption option, const std::string& text,
                bool query = true)
{
    SearchOptions o;
    o.SearchString = keywords;
    o.SearchOption = option;
    const KeywordMatcher m(keywordSetsFor(o, query), option, false);
    return m.test(text);
}

TEST(KeywordMatcher, MatchOptionsOrAndNot)
{
    const auto C = MatchOption::Containing;
    EXPECT_EQ(verdict("reg", C, "RegOpenKeyA"), Verdict::Match);
    EXPECT_EQ(verdict("reg", C, "CloseHandle"), Verdict::NoMatch);
    EXPECT_EQ(verdict("zzz,key,qqq", C, "RegOpenKeyA"), Verdict::Match);
    EXPECT_EQ(verdict("zzz,ya", C, "RegOpenKeyA"), Verdict::Match);  // at the very end
    EXPECT_EQ(verdict("zzz,yb", C, "RegOpenKeyA"), Verdict::NoMatch);
    EXPECT_EQ(verdict("zzz,q,y", C, "RegOpenKeyA"), Verdict::Match);  // one-letter keywords
    EXPECT_EQ(verdict("reg", MatchOption::BeginningWith, "OpenReg"), Verdict::NoMatch);
    EXPECT_EQ(verdict("reg", MatchOption::EndingWith, "OpenReg"), Verdict::Match);
    EXPECT_EQ(verdict("openreg", MatchOption::WholeWord, "OpenReg"), Verdict::Match);
    EXPECT_EQ(verdict("open", MatchOption::WholeWord, "OpenReg"), Verdict::NoMatch);
    EXPECT_EQ(verdict("reg -key", C, "RegOpenKeyA"), Verdict::RejectedByNot);
    EXPECT_EQ(verdict("reg +key", C, "RegOpenKeyA"), Verdict::Match);
    EXPECT_EQ(verdict("reg +ex", C, "RegOpenKeyA"), Verdict::RejectedByAnd);
    // An AND keyword longer than the text rejects nothing.
    EXPECT_EQ(verdict("reg +registrykeyword", C, "RegOpen"), Verdict::Match);
    // Without OR keywords the AND keywords follow the match option.
    EXPECT_EQ(verdict("+reg", MatchOption::BeginningWith, "RegOpen"), Verdict::Match);
    EXPECT_EQ(verdict("+open", MatchOption::BeginningWith, "RegOpen"), Verdict::RejectedByAnd);
    EXPECT_EQ(verdict("-open", MatchOption::EndingWith, "RegOpen"), Verdict::RejectedByNot);
    EXPECT_EQ(verdict("-open", MatchOption::BeginningWith, "RegOpen"), Verdict::Match);
}

TEST(KeywordMatcher, CaseSensitiveSearchKeepsCase)
{
    SearchOptions o;
    o.SearchString = "Reg";
    o.UseMatchCase = true;
    const KeywordMatcher m(keywordSetsFor(o, false), MatchOption::Containing, true);
    EXPECT_EQ(m.test("RegOpen"), Verdict::Match);
    EXPECT_EQ(m.test("REGOPEN"), Verdict::NoMatch);
}

}  // namespace
}  // namespace quillon::query
