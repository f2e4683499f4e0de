// Tests of the UTF-8 checks and of the display form of texts that carry file names.
#include "base/text_encoding.h"

#include <gtest/gtest.h>

namespace quillon {
namespace {

TEST(TextEncoding, TellsWellFormedUtf8FromOtherBytes)
{
    EXPECT_TRUE(isUtf8(""));
    EXPECT_TRUE(isUtf8("C:\\LIBS\\MY.LIB"));
    EXPECT_TRUE(isUtf8("Jos\xC3\xA9 \xD0\x91\xD0\xB8 \xE2\x82\xAC \xF0\x9F\x93\x9A"));
    EXPECT_FALSE(isUtf8("Jos\xE9"));          // Windows-1252
    EXPECT_FALSE(isUtf8("\xC3"));             // cut short
    EXPECT_FALSE(isUtf8("\xC0\xAF"));         // overlong "/"
    EXPECT_FALSE(isUtf8("\xE0\x80\xAF"));     // overlong "/"
    EXPECT_FALSE(isUtf8("\xED\xA0\x80"));     // a surrogate
    EXPECT_FALSE(isUtf8("\xF4\x90\x80\x80")); // past 10FFFFh
    EXPECT_FALSE(isUtf8("\xA0\xA0"));         // the padding of message boxes
}

TEST(TextEncoding, TextWithPathsKeepsUtf8NamesAndReadsTheRestAsWindows1252)
{
    // "File not found" with its padding, a Windows-1252 name and a UTF-8 folder name.
    const std::string text = "\x93"
                             "Caf\xE9 \x94\xA0\xA0|    C:\\\xD0\x91\xD0\xB8\\x.dll \xE2\x82\xAC";
    EXPECT_EQ(textWithPathsToUtf8(text),
              "\xE2\x80\x9C"
              "Caf\xC3\xA9 \xE2\x80\x9D\xC2\xA0\xC2\xA0|    C:\\\xD0\x91\xD0\xB8\\x.dll \xE2\x82\xAC");
    // Plain Windows-1252 reads as before.
    std::string all;
    for (int b = 0x20; b < 0x100; ++b)
        all += static_cast<char>(b);
    EXPECT_EQ(textWithPathsToUtf8(all), cp1252ToUtf8(all));
}

}  // namespace
}  // namespace quillon
