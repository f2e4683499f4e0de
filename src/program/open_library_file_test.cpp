// Opening one file as the library: a failed open leaves the library as it was.
#include "program/open_library_file.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/exe_builder.h"
#include "support/lib_builder.h"
#include "support/library_builder.h"
#include "support/test_workspace.h"

namespace quillon {
namespace {

using testing::libBytes;

struct OpenLibraryFileTest : ::testing::Test {
    OpenLibraryFileTest()
    {
        testing::addModule(t.ws, "EDITED", {{"Mine", 1}, {"Yours", 2}});
        t.ws.library.LibraryFileName = t.folder.file("edited.lib");
        t.ws.library.LibraryChanged = true;
        t.ws.options.UseNoMessages = true;
    }
    testing::TestWorkspace t;
};

TEST_F(OpenLibraryFileTest, FileThatDoesNotOpenLeavesTheLibraryAsItWas)
{
    const Library before = t.ws.library;
    std::filesystem::create_directory(t.folder.path() / "folder.lib");
    for (const std::string& file :
         {t.folder.file("missing.lib"), t.folder.write("text.lib", "no records at all"),
          t.folder.write("empty.dll", ""), t.folder.file("folder.lib")}) {
        const OpenFileOutcome outcome = openLibraryFile(t.ws, file);
        EXPECT_FALSE(outcome.opened) << file;
        EXPECT_EQ(t.ws.library.rows, before.rows) << file;
        EXPECT_EQ(t.ws.library.modules, before.modules);
        EXPECT_EQ(t.ws.library.SymbolCount, 2u);
        EXPECT_EQ(t.ws.library.ModuleCount, 1u);
        EXPECT_EQ(t.ws.library.LibraryFileName, before.LibraryFileName);
        EXPECT_TRUE(t.ws.library.LibraryChanged);
    }
}

TEST_F(OpenLibraryFileTest, FileThatLoadsReplacesTheLibrary)
{
    const std::string lib = t.folder.write("tools.lib", libBytes({{"TOOLS", "Alpha", 1}}));
    const OpenFileOutcome outcome = openLibraryFile(t.ws, lib);
    EXPECT_TRUE(outcome.opened);
    EXPECT_EQ(testing::rowNames(t.ws), (std::vector<std::string>{"TOOLS", "Alpha"}));
    EXPECT_EQ(t.ws.library.LibraryFileName, lib);
    EXPECT_FALSE(t.ws.library.LibraryChanged);
    EXPECT_EQ(t.ws.library.SymbolCount, 1u);
}

TEST_F(OpenLibraryFileTest, EscapeDuringTheLoadLeavesTheLibraryAsItWas)
{
    const Library before = t.ws.library;
    const std::string lib = t.folder.write("tools.lib", libBytes({{"TOOLS", "Alpha", 1}}));
    t.ui.keys.push_back(ui::PendingKey::Escape);
    t.clock.now += 100;
    EXPECT_FALSE(openLibraryFile(t.ws, lib).opened);
    EXPECT_EQ(t.ws.library.rows, before.rows);
    EXPECT_EQ(t.ws.library.LibraryFileName, before.LibraryFileName);
}

}  // namespace
}  // namespace quillon
