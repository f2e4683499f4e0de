// Tests of related function names and of the index that finds them.
#include "reports/name_relation.h"

#include <gtest/gtest.h>

namespace quillon::reports {
namespace {

TEST(NameRelation, ContainmentAtSignsAndDecorations)
{
    EXPECT_TRUE(namesRelated("GetValue", "getvalueEx", false));
    EXPECT_TRUE(namesRelated("Value", "GetValueEx", false));
    EXPECT_FALSE(namesRelated("Get", "Got", false));
    EXPECT_TRUE(namesRelated("Get", "GetX1", false));  // the containing name has 5 characters
    EXPECT_FALSE(namesRelated("Get", "GetX", false));  // ... and here only 4
    EXPECT_TRUE(namesRelated("_Foo@8", "_foo@12", false));
    EXPECT_FALSE(namesRelated("_Foo@8", "_Fooo@8", false));
    EXPECT_TRUE(namesRelated("?Draw@Shape@@QAEXXZ", "?draw@Circle@@QAEXH@Z", false));
    EXPECT_FALSE(namesRelated("?Draw@Shape@@QAEXXZ", "?Fill@Shape@@QAEXXZ", false));
    EXPECT_FALSE(namesRelated("@Foo@8", "_Foo@12", false));
    EXPECT_TRUE(namesRelated("@Foo@8", "_Foo@12", true));
    EXPECT_TRUE(namesRelated("_Ab", "Ab", true));
    EXPECT_FALSE(namesRelated("_Ab", "Ab", false));
    EXPECT_EQ(undecoratedCore("__Name@16"), "NAME");
    EXPECT_EQ(undecoratedCore("Name@Part"), "NAME@PART");
}

TEST(NameRelation, IndexFindsWhatThePairTestFinds)
{
    const std::vector<std::string_view> left = {"GetValue", "_Foo@8",  "?Draw@A@@Z", "Ab",
                                                "Size",     "@Fast@4", "Completely", "X"};
    const std::vector<std::string_view> right = {
        "GetValueEx", "_Foo@12", "?Draw@B@@Z", "_Ab", "SizeOf", "_Fast@8", "pletel", "Value", "XY"};
    for (const bool heavy : {false, true}) {
        const auto found = relatedCandidates(left, right, heavy);
        ASSERT_EQ(found.size(), left.size());
        for (std::size_t l = 0; l < left.size(); ++l) {
            std::vector<std::size_t> expected;
            for (std::size_t r = 0; r < right.size(); ++r) {
                if (namesRelated(left[l], right[r], heavy))
                    expected.push_back(r);
            }
            EXPECT_EQ(found[l], expected) << left[l] << " heavy " << heavy;
        }
    }
}

}  // namespace
}  // namespace quillon::reports
