// Tests of the export list's symbol lines: the "@" column and the comment field.
#include "reports/export_list_layout.h"

#include <gtest/gtest.h>

namespace quillon::reports {
namespace {

std::string line(std::size_t nameLength, std::uint16_t ordinal, std::string_view comment = {})
{
    std::string out;
    appendSymbolLine(out, std::string(nameLength, 'N'), ordinal, comment);
    return out;
}

TEST(ExportListLayout, AtStandsInColumn41UpToNamesOf37AndOneBlankAfterLongerNames)
{
    // Column n is index n - 1.
    EXPECT_EQ(line(36, 1).find('@'), 40u);
    EXPECT_EQ(line(37, 1).find('@'), 40u);
    EXPECT_EQ(line(37, 1).substr(38, 3), "N @");
    EXPECT_EQ(line(40, 1).find('@'), 43u);
    EXPECT_EQ(line(1, 65535), "  N" + std::string(37, ' ') + "@65535\r\n");
    EXPECT_EQ(line(0, 0), "  " + std::string(38, ' ') + "@0\r\n");
}

TEST(ExportListLayout, CommentFollowsTheOrdinalInColumn47OrAfterOneBlank)
{
    EXPECT_EQ(line(3, 7, "new").substr(40), "@7     new\r\n");
    EXPECT_EQ(line(3, 1234, "new").substr(40), "@1234  new\r\n");
    EXPECT_EQ(line(3, 12345, "new").substr(40), "@12345 new\r\n");
    // A long name moves the ordinal; the comment then follows after one blank.
    EXPECT_EQ(line(37, 7, "x").substr(39), " @7 x\r\n");
    EXPECT_EQ(line(3, 7, "").substr(40), "@7\r\n");
}

}  // namespace
}  // namespace quillon::reports
