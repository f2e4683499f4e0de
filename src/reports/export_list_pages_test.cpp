// Tests of the viewer's pages: cutting at line ends, headers and footers, the too-big end.
#include "reports/export_list_pages.h"

#include <gtest/gtest.h>

#include "support/test_workspace.h"

namespace quillon::reports {
namespace {

/// Lines of 100 characters (98 and CR LF), `count` of them, then the end marker.
std::string listOf(std::size_t count)
{
    std::string text;
    for (std::size_t i = 0; i < count; ++i)
        text += std::string(98, 'x') + "\r\n";
    return text + "  E N D   L I S T\r\n";
}

TEST(ExportListPages, ShortListIsOnePageAsWritten)
{
    const std::string text = listOf(3);
    const ExportListPages pages = paginateExportList(text, true, "/cfg/ExportList.txt");
    ASSERT_EQ(pages.pages.size(), 1u);
    EXPECT_EQ(pages.pages[0], text);
    EXPECT_EQ(pages.listedText, text);
    EXPECT_FALSE(pages.tooBig);
}

TEST(ExportListPages, PagesBreakAtTheLastLineEndWithinTheChunk)
{
    const std::string text = listOf(1000);  // 590 lines fill one chunk exactly
    const ExportListPages pages = paginateExportList(text, true, "/cfg/ExportList.txt");
    ASSERT_EQ(pages.pages.size(), 2u);
    EXPECT_EQ(pages.pages[0].substr(0, kPageChunk), text.substr(0, kPageChunk));
    EXPECT_EQ(pages.pages[0].substr(kPageChunk),
              "\r\n  ___________________________________________\r\n"
              "        ***  EXPORT LIST INTERRUPTED  ***\r\n"
              "        Press Shift+PgDn to see next page\r\n"
              "  " +
                  std::string(43, '\xAF') + "\r\n  \r\n  \r\n");
    EXPECT_TRUE(
        pages.pages[1].starts_with("  ___________________________________________\r\n"
                                   "                  P A G E   2\r\n"));
    EXPECT_TRUE(pages.pages[1].ends_with(text.substr(kPageChunk)));
    EXPECT_EQ(pages.listedText, text);
    for (const std::string& page : pages.pages)
        EXPECT_LE(page.size(), kPageSize);

    // One character more than a chunk: the chunk is cut back to the line end before it.
    const std::string odd = "y" + listOf(1000);
    const ExportListPages cut = paginateExportList(odd, true, "f");
    EXPECT_EQ(cut.pages[0].find("\r\n\r\n  ____"), kPageChunk - 101);
}

TEST(ExportListPages, ElevenPagesEndOnPageTenWithTheTooBigFooter)
{
    const std::string text = listOf(590 * 10 + 5);
    const ExportListPages pages = paginateExportList(text, true, "/cfg/ExportList.txt");
    ASSERT_EQ(pages.pages.size(), 10u);
    EXPECT_TRUE(pages.tooBig);
    EXPECT_TRUE(
        pages.pages[9].ends_with("        * * *  F I L E   T O O   B I G !  * * *\r\n"
                                 "        [The generated text file does not fit in\r\n"
                                 "        the window text control. To see the whole\r\n"
                                 "        list open the file:\r\n"
#ifdef _WIN32
                                 "        /CFG/EXPORTLIST.TXT]\r\n"
#else
                                 "        /cfg/ExportList.txt]\r\n"
#endif
                                 "  \r\n  \r\n"));
    EXPECT_EQ(pages.listedText.size(), 10 * kPageChunk);
}

/// `pages` full chunks of lines, then lines ending with the end line exactly at the end of
/// the next chunk, then the end block's closing rule and four empty lines (55 bytes).
std::string endLineAtAChunkEnd(std::size_t pages)
{
    std::string text;
    const std::string endLine = "                E N D   L I S T\r\n";
    const std::string tail = "  " + std::string(43, '\xAF') + "\r\n\r\n\r\n\r\n\r\n";
    while (text.size() + 100 <= (pages + 1) * kPageChunk - endLine.size())
        text += std::string(98, 'x') + "\r\n";
    const std::size_t fill = (pages + 1) * kPageChunk - endLine.size() - text.size();
    text += std::string(fill - 2, 'y') + "\r\n" + endLine;
    EXPECT_EQ(tail.size(), 55u);
    return text + tail;
}

TEST(ExportListPages, TheEndLineEndsTheListThoughThePageBoundaryFallsBeforeTheFilesEnd)
{
    const std::string one = endLineAtAChunkEnd(0);
    ASSERT_GT(one.size(), kPageChunk);
    const ExportListPages single = paginateExportList(one, true, "/cfg/ExportList.txt");
    ASSERT_EQ(single.pages.size(), 1u);
    EXPECT_EQ(single.pages[0], one);
    EXPECT_EQ(single.listedText, one);
    EXPECT_FALSE(single.tooBig);

    // On page 10: no too-big footer.
    const std::string ten = endLineAtAChunkEnd(9);
    const ExportListPages tenPages = paginateExportList(ten, true, "/cfg/ExportList.txt");
    ASSERT_EQ(tenPages.pages.size(), 10u);
    EXPECT_FALSE(tenPages.tooBig);
    EXPECT_TRUE(tenPages.pages[9].ends_with(ten.substr(ten.size() - 100)));
    EXPECT_EQ(tenPages.listedText, ten);
    testing::TempFolder folder;
    platform::FileSystem files;
    const Result<ExportListPages> read = readExportListPages(files, folder.write("ten.txt", ten));
    ASSERT_TRUE(read.ok());
    EXPECT_FALSE(read->tooBig);
    ASSERT_EQ(read->pages.size(), 10u);
    EXPECT_EQ(read->pages[9], tenPages.pages[9]);
}

TEST(ExportListPages, ReadsOnlyWhatTenPagesShowFromTheFile)
{
    testing::TempFolder folder;
    platform::FileSystem files;
    const Result<ExportListPages> big =
        readExportListPages(files, folder.write("big.txt", listOf(590 * 20)));
    ASSERT_TRUE(big.ok());
    EXPECT_TRUE(big->tooBig);
    EXPECT_EQ(big->pages.size(), 10u);
    const Result<ExportListPages> fits =
        readExportListPages(files, folder.write("fits.txt", listOf(590 * 10 - 1)));
    ASSERT_TRUE(fits.ok());
    EXPECT_FALSE(fits->tooBig);
    EXPECT_EQ(fits->pages.size(), 10u);
    EXPECT_TRUE(fits->pages[9].ends_with("E N D   L I S T\r\n"));
    EXPECT_FALSE(readExportListPages(files, folder.file("absent.txt")).ok());
}

}  // namespace
}  // namespace quillon::reports
