// Tests of the row text, the name pool that fills it, and large blocks.
#include "base/row_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "base/large_blocks.h"
#include "base/name_pool.h"

namespace quillon {
namespace {

std::string nameOf(std::size_t length, char fill)
{
    std::string name(length, fill);
    name.front() = '_';
    return name;
}

TEST(RowText, FifteenBytesStayInlineSixteenGoToAChunk)
{
    NamePool pool;
    for (const bool pooled : {false, true}) {
        const std::string fifteen = nameOf(15, 'a');
        const std::string sixteen = nameOf(16, 'b');
        const RowText inlineText = pooled ? pool.make(fifteen) : RowText(fifteen);
        const RowText chunkText = pooled ? pool.make(sixteen) : RowText(sixteen);
        EXPECT_TRUE(inlineText.isInline());
        EXPECT_FALSE(chunkText.isInline());
        EXPECT_EQ(inlineText, fifteen);
        EXPECT_EQ(chunkText.view(), sixteen);
        EXPECT_EQ(chunkText.size(), 16u);
        EXPECT_EQ(chunkText.str(), sixteen);
    }
    const RowText empty;
    EXPECT_TRUE(empty.empty());
    EXPECT_EQ(empty, "");
}

TEST(RowText, ComparesAndOrdersAsItsText)
{
    std::vector<RowText> texts{"Zeta", nameOf(40, 'm'), "alpha", nameOf(20, 'B')};
    std::sort(texts.begin(), texts.end());
    std::vector<std::string> plain;
    for (const RowText& t : texts)
        plain.push_back(t.str());
    EXPECT_TRUE(std::is_sorted(plain.begin(), plain.end()));
    EXPECT_TRUE(RowText("abc") == std::string("abc"));
    EXPECT_TRUE(std::string_view("abc") == RowText("abc"));
    EXPECT_TRUE(RowText("abc") < "abd");
    EXPECT_EQ(RowText("Get") + "Proc", "GetProc");
}

// Copies share the chunk and stay valid after the rows, the library and its pool are gone
// (under the address sanitizer a dangling or doubly freed chunk fails the test).
TEST(RowText, CopiesOutliveTheirPoolAndRows)
{
    std::vector<RowText> kept;
    {
        auto pool = std::make_unique<NamePool>();
        std::vector<RowText> rows;
        for (int i = 0; i < 20'000; ++i)
            rows.push_back(pool->make("Function_" + std::to_string(i) + "_exported"));
        kept = {rows.front(), rows[9'999], rows.back()};
        pool.reset();
        rows.clear();
    }
    EXPECT_EQ(kept[0], "Function_0_exported");
    EXPECT_EQ(kept[1], "Function_9999_exported");
    EXPECT_EQ(kept[2], "Function_19999_exported");
}

TEST(RowText, SelfAssignmentMovesAndReassignmentKeepTheText)
{
    const std::string long1 = nameOf(200, 'x');
    RowText text(long1);
    RowText& same = text;
    text = same;
    EXPECT_EQ(text, long1);
    text = std::move(same);
    EXPECT_EQ(text, long1);

    RowText moved(std::move(text));
    EXPECT_EQ(moved, long1);
    EXPECT_TRUE(text.empty());  // NOLINT: a moved-from text is empty

    RowText copy = moved;
    copy = "short";
    EXPECT_EQ(moved, long1);
    EXPECT_EQ(copy, "short");
    copy = nameOf(30, 'y');
    moved = std::move(copy);
    EXPECT_EQ(moved, nameOf(30, 'y'));
}

// The longest names a row takes, packed across chunks of growing size, all read back intact.
TEST(NamePool, LongestNamesAcrossManyChunks)
{
    NamePool pool;
    std::vector<RowText> texts;
    std::vector<std::string> names;
    for (int i = 0; i < 40'000; ++i) {
        std::string name = nameOf(254, static_cast<char>('A' + i % 26));
        name.replace(1, std::to_string(i).size(), std::to_string(i));
        texts.push_back(pool.make(name));
        names.push_back(std::move(name));
    }
    for (std::size_t i = 0; i < names.size(); ++i)
        ASSERT_EQ(texts[i], names[i]) << i;
    // A name longer than any pooled one still reads back whole.
    const std::string huge(100'000, 'h');
    EXPECT_EQ(pool.make(huge), huge);
}

TEST(LargeBlocks, ByteBlockAndAllocatorHoldLargeAndSmallSizes)
{
    for (const std::size_t size : {std::size_t{1}, kLargeBlockBytes + 1}) {
        ByteBlock block(size);
        std::fill_n(block.data(), size, 'q');
        ByteBlock moved = std::move(block);
        EXPECT_EQ(moved.view(), std::string(size, 'q'));
        EXPECT_TRUE(block.empty());  // NOLINT: a moved-from block is empty
    }
    std::vector<int, LargeBlockAllocator<int>> many(3'000'000, 7);
    EXPECT_EQ(many.back(), 7);
}

}  // namespace
}  // namespace quillon
