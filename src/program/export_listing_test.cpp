// Tests of the export listing for scripts: symbols of many files, resident flags, failures,
// and the tab-separated and JSON forms.
#include "program/export_listing.h"

#include <gtest/gtest.h>

#include "support/exe_fixture.h"

namespace quillon::exe {
namespace {

using testing::ExeFixture;

TEST(ExportListing, ListsEveryFileAndLeavesTheLibraryAlone)
{
    ExeFixture f;
    testing::NeSpec ne;
    ne.moduleName = "SOUND";
    ne.residentNames = {{"WEP", 5}};
    ne.nonResidentNames = {{"PlaySound", 2}};
    const std::string pe =
        f.t.folder.write("a.dll", testing::buildPeWithNames({"Alpha", "Beta"}, "A.dll").bytes);
    const std::string ne16 = f.t.folder.write("sound.drv", testing::buildNe(ne).bytes);
    const std::string le = f.t.folder.write("v.vxd", testing::buildLe().bytes);
    const std::string absent = f.t.folder.file("absent.dll");
    const ExportListing listing = listExports(f.t.ws, {pe, le, ne16, absent});
    EXPECT_EQ(listing.symbols, (std::vector<ListedSymbol>{{"A.dll", "Alpha", 1, false},
                                                          {"A.dll", "Beta", 2, false},
                                                          {"SOUND", "WEP", 5, true},
                                                          {"SOUND", "PlaySound", 2, false}}));
    EXPECT_EQ(listing.failures,
              (std::vector<ListingFailure>{{le, 0, "", true}, {absent, 2, "File not found"}}));
    // Files whose exports all have names add no count, so no line says "0 ... left out".
    EXPECT_TRUE(listing.ordinalOnly.empty());
    EXPECT_TRUE(f.rows().empty());
    ASSERT_EQ(f.t.ui.messages.size(), 1u);
    EXPECT_NE(f.t.ui.messages[0].text.find(le), std::string::npos);
}

TEST(ExportListing, ExportsByOrdinalOnlyAreCountedAndListedWithAll)
{
    ExeFixture f;
    testing::PeSpec spec;
    spec.dllName = "ORD.dll";
    spec.exports = {{"Named", std::nullopt, {}}};
    spec.ordinalOnlyExports = 2;
    const std::string pe = f.t.folder.write("ord.dll", testing::buildPe(spec).bytes);
    const ExportListing counted = listExports(f.t.ws, {pe});
    EXPECT_EQ(counted.ordinalOnly, (std::vector<OrdinalOnlyCount>{{pe, 2}}));
    EXPECT_EQ(exportListingTsv(counted), "ORD.dll\tNamed\t1\t0\n");
    const ExportListing all = listExports(f.t.ws, {pe}, true);
    EXPECT_EQ(exportListingTsv(all),
              "ORD.dll\tNamed\t1\t0\t0\nORD.dll\t\t2\t0\t1\nORD.dll\t\t3\t0\t1\n");
    EXPECT_NE(exportListingJson(all).find("\"resident\":false,\"ordinalOnly\":true}"),
              std::string::npos);
}

TEST(ExportListing, TabSeparatedLinesEscapeControlCharactersAndConvertToUtf8)
{
    ExportListing listing;
    listing.symbols = {{"MOD", "Plain", 1, false}, {"MOD", "Tab\tand\\back\xE9", 65535, true}};
    EXPECT_EQ(exportListingTsv(listing),
              "MOD\tPlain\t1\t0\nMOD\tTab\\tand\\\\back\xC3\xA9\t65535\t1\n");
}

TEST(ExportListing, JsonHasOneObjectPerSymbol)
{
    ExportListing listing;
    EXPECT_EQ(exportListingJson(listing), "[]\n");
    listing.symbols = {{"MOD", "Quote\"d", 1, false}, {"M2", "ctl\x01", 2, true}};
    EXPECT_EQ(exportListingJson(listing),
              "[\n  {\"module\":\"MOD\",\"symbol\":\"Quote\\\"d\",\"ordinal\":1,\"resident\":false},"
              "\n  {\"module\":\"M2\",\"symbol\":\"ctl\\u0001\",\"ordinal\":2,\"resident\":true}"
              "\n]\n");
}

}  // namespace
}  // namespace quillon::exe
