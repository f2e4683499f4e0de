// Tests of OptionOverride.
#include "core/option_override.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace quillon {
namespace {

TEST(OptionOverride, PutsTheOptionBackOnEveryWayOut)
{
    Options o;
    {
        const OptionOverride noMessages(o, &Options::UseNoMessages, true);
        EXPECT_TRUE(o.UseNoMessages);
    }
    EXPECT_FALSE(o.UseNoMessages);

    EXPECT_THROW(
        {
            const OptionOverride order(o, &Options::UseLIBSortOrder, LibSortOrder::FileOrder);
            EXPECT_EQ(o.UseLIBSortOrder, LibSortOrder::FileOrder);
            throw std::runtime_error("left early");
        },
        std::runtime_error);
    EXPECT_EQ(o.UseLIBSortOrder, LibSortOrder::Current);
}

TEST(OptionOverride, RestoringEarlyLeavesLaterChangesAlone)
{
    Options o;
    OptionOverride expandAll(o, &Options::UseExpandAll, true);
    expandAll.restore();
    EXPECT_FALSE(o.UseExpandAll);
    o.UseExpandAll = true;
    expandAll.restore();
    EXPECT_TRUE(o.UseExpandAll);
}

}  // namespace
}  // namespace quillon
