// The module table's format: widths in and out, and formats that describe no usable table.
#include "app/library/library_data_format.h"

#include <gtest/gtest.h>

#include "settings/list_format.h"

namespace quillon::app {
namespace {

TEST(LibraryDataFormat, WidthsRoundTripAndBadFormatsGiveNone)
{
    const std::vector<int> widths = {10, 20, 30, 40, 50, 60};
    EXPECT_EQ(libraryDataFormatWidths(libraryDataFormat(widths)), widths);
    EXPECT_EQ(libraryDataFormatWidths("10L|20R"), std::vector<int>{});
    EXPECT_EQ(libraryDataFormatWidths("10L|20R|x|40|50|60"), std::vector<int>{});
    EXPECT_EQ(libraryDataFormatWidths("10|20|30|40|50|99999999999999999999"), std::vector<int>{});
    EXPECT_EQ(libraryDataFormatWidths("10|20|30|40|50|0"), std::vector<int>{});
    EXPECT_EQ(libraryDataFormatWidths(""), std::vector<int>{});
}

TEST(LibraryDataFormat, TheDesignFormatCarriesTheColoursAndEveryHeader)
{
    const std::string design = libraryDataDesignFormat();
    EXPECT_TRUE(settings::isUsableLibraryDataFormat(design));
    EXPECT_EQ(libraryDataFormatWidths(design), (std::vector<int>{140, 60, 50, 130, 260, 260}));
    for (const char* header : {"~Module name~", "~Number~", "~Level~", "~Exported by name~",
                               "~Library file name (source)~", "~Located DLL files~"})
        EXPECT_NE(design.find(header), std::string::npos) << header;
}

}  // namespace
}  // namespace quillon::app
