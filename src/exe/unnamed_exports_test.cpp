// Tests of finding the exports by ordinal only.
#include "exe/unnamed_exports.h"

#include <gtest/gtest.h>

#include "support/exe_builder.h"

namespace quillon::exe {
namespace {

std::span<const std::byte> bytesOf(const testing::BuiltImage& image)
{
    return image.bytes;
}

TEST(UnnamedExports, PeAddressEntriesWithoutNameAreListedByOrdinal)
{
    testing::PeSpec spec;
    spec.dllName = "ORDINALS.dll";
    spec.ordinalBase = 10;
    spec.exports = {{"Named", std::nullopt, {}}};
    spec.ordinalOnlyExports = 3;
    const testing::BuiltImage image = testing::buildPe(spec);
    EXPECT_EQ(findUnnamedExports(bytesOf(image)), (UnnamedExports{"ORDINALS.dll", {11, 12, 13}}));

    spec.exports.clear();
    spec.pe32Plus = true;
    EXPECT_EQ(findUnnamedExports(bytesOf(testing::buildPe(spec))).ordinals,
              (std::vector<std::uint16_t>{10, 11, 12}));
}

TEST(UnnamedExports, NamedOnlyAndOtherFilesHaveNone)
{
    EXPECT_TRUE(
        findUnnamedExports(bytesOf(testing::buildPeWithNames({"A", "B"}))).ordinals.empty());
    EXPECT_TRUE(findUnnamedExports(bytesOf(testing::buildLe())).ordinals.empty());
    EXPECT_TRUE(findUnnamedExports(bytesOf(testing::buildDos())).ordinals.empty());
    testing::NeSpec ne;
    ne.residentNames = {{"WEP", 1}};
    EXPECT_EQ(findUnnamedExports(bytesOf(testing::buildNe(ne))).moduleName, "TESTMOD");
}

TEST(UnnamedExports, EveryTruncationGivesAResultWithoutCrashing)
{
    testing::PeSpec spec;
    spec.exports = {{"Named", std::nullopt, {}}};
    spec.ordinalOnlyExports = 5;
    const testing::BuiltImage image = testing::buildPe(spec);
    for (std::size_t n = 0; n < image.bytes.size(); ++n) {
        const UnnamedExports found = findUnnamedExports(std::span(image.bytes).first(n));
        EXPECT_LE(found.ordinals.size(), 6u);  // never more than the address table holds
    }
}

}  // namespace
}  // namespace quillon::exe
