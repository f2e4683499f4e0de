// The update list: changed rows only, modules not located once, the library left as it was.
#include "refresh/update_preview.h"

#include <gtest/gtest.h>

#include "support/refresh_tree.h"

namespace quillon::refresh {
namespace {

using testing::LibBuilder;
using testing::RefreshTree;

TEST(UpdatePreview, ListsOnlyWhatAnUpdateWouldChange)
{
    RefreshTree tree;
    (void)tree.systemDll("HAVE.dll", {"Same", "Added"});
    (void)tree.systemDll("EQUAL.dll", {"One"});
    tree.load(tree.file("app.lib", LibBuilder()
                                       .import("LOST.dll", "Keep1", 1)
                                       .import("LOST.dll", "Keep2", 2)
                                       .import("HAVE.dll", "Same", 1)
                                       .import("HAVE.dll", "Gone", 7)
                                       .import("EQUAL.dll", "One", 1)
                                       .bytes()));
    const auto before = tree.contents();
    tree.t.ws.library.LibraryChanged = false;
    tree.t.ws.options.UseNoMessages = 0;

    const UpdatePreview preview = buildUpdatePreview(tree.t.ws, {});
    EXPECT_FALSE(preview.cancelled);
    EXPECT_EQ(preview.modules, 3u);
    EXPECT_EQ(preview.notLocated, 1u);
    EXPECT_EQ(preview.changedModules, 1u);
    EXPECT_EQ(updatePreviewLines(preview),
              (std::vector<std::string>{"LOST.dll\t\t\t<File not found>",
                                        "HAVE.dll\tAdded\t2\t<Missing in library>",
                                        "HAVE.dll\tGone\t7\t<Missing in disk file>"}));
    // Nothing was loaded or removed, and no message was shown.
    EXPECT_EQ(tree.contents(), before);
    EXPECT_FALSE(tree.t.ws.library.LibraryChanged);
    EXPECT_EQ(tree.t.ws.options.UseNoMessages, 0);
    EXPECT_TRUE(tree.t.ui.messages.empty());

    updatePreview(tree.t.ws) = preview;
    clearUpdatePreview(tree.t.ws);
    EXPECT_TRUE(updatePreview(tree.t.ws).rows.empty());
}

TEST(UpdatePreview, EmptyLibraryGivesAnEmptyList)
{
    RefreshTree tree;
    const UpdatePreview preview = buildUpdatePreview(tree.t.ws, {});
    EXPECT_EQ(preview.modules, 0u);
    EXPECT_TRUE(preview.rows.empty());
}

}  // namespace
}  // namespace quillon::refresh
