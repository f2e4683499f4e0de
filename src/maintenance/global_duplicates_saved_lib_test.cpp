// Tests of the "Match saved LIB" modes against a LIB file made by the writer and read back by
// the reference loader.
#include "maintenance/global_duplicates.h"

#include <gtest/gtest.h>

#include "lib/lib_reader.h"
#include "lib/lib_writer.h"
#include "support/library_builder.h"
#include "support/test_workspace.h"

namespace quillon::maintenance {
namespace {

using testing::addModule;
using testing::excludeMarks;
using testing::TestWorkspace;

/// Saves a library of A (X, Y) and B (Z) as MY.LIB and opens it again.
class SavedLibTest : public ::testing::Test {
protected:
    void open(DuplicateKeep mode)
    {
        libPath = t.folder.file("MY.LIB");
        {
            TestWorkspace writer;
            addModule(writer.ws, "A", {{"X", 1}, {"Y", 2}});
            addModule(writer.ws, "B", {{"Z", 1}});
            ASSERT_TRUE(lib::writeLibrary(writer.ws, libPath, {false, true}).ok());
        }
        lib::LibLoadRequest request;
        request.fileName = libPath;
        request.quiet = true;
        ASSERT_TRUE(lib::loadLibrary(t.ws, request).ok());
        t.ws.library.LibraryFileName = libPath;
        t.ws.options.UseExcludeList = true;
        t.ws.options.UseExcludeGlobalDuplicates = true;
        t.ws.options.UseExcludeGlobalDuplicatesSet = mode;
    }

    /// Adds module C, which exports X and Z too.
    void change()
    {
        addModule(t.ws, "C", {{"X", 5}, {"z", 6}});
        t.ws.library.LibraryChanged = true;
    }

    TestWorkspace t;
    std::string libPath;
};

TEST_F(SavedLibTest, ModeTwoKeepsWhatTheSavedFileHeldAndMarksTheNewModule)
{
    open(DuplicateKeep::MatchSavedLibElseKeepNone);
    change();
    // A: X Y, B: Z, C: X z. The saved file holds A's X and B's Z: both stay.
    EXPECT_EQ(findGlobalDuplicates(t.ws).marked, 2u);
    EXPECT_EQ(excludeMarks(t.ws), (std::vector<int>{0, 0, 0, 0, 0, 2, 2, 2}));
    EXPECT_TRUE(t.ws.SavedLibLoaded);
    EXPECT_EQ(t.ws.SavedLibName, libPath);
    EXPECT_EQ(t.ws.SavedLibSymbols.size(), 5u);
}

TEST_F(SavedLibTest, ModeTwoMarksAGroupWhoseFirstMemberTheSavedFileLacks)
{
    open(DuplicateKeep::MatchSavedLibElseKeepNone);
    t.ws.library.rows[1].SYMBOL = "Q";  // A's X renamed by an edit
    addModule(t.ws, "C", {{"q", 5}});
    t.ws.library.LibraryChanged = true;
    EXPECT_EQ(findGlobalDuplicates(t.ws).marked, 2u);
    EXPECT_EQ(excludeMarks(t.ws), (std::vector<int>{2, 2, 0, 0, 0, 2, 2}));
}

TEST_F(SavedLibTest, ModeThreeKeepsTheFirstEntryOfNamesTheSavedFileLacks)
{
    open(DuplicateKeep::MatchSavedLibElseKeepFirst);
    t.ws.library.rows[1].SYMBOL = "Q";
    addModule(t.ws, "C", {{"q", 5}});
    t.ws.library.LibraryChanged = true;
    EXPECT_EQ(findGlobalDuplicates(t.ws).marked, 1u);
    EXPECT_EQ(excludeMarks(t.ws), (std::vector<int>{0, 0, 0, 0, 0, 2, 2}));
}

TEST_F(SavedLibTest, AnUnchangedLibraryIsNotMatchedAndAMissingFileLowersTheMode)
{
    open(DuplicateKeep::MatchSavedLibElseKeepNone);
    addModule(t.ws, "C", {{"X", 5}});
    t.ws.library.LibraryChanged = false;
    EXPECT_EQ(findGlobalDuplicates(t.ws).marked, 2u);
    EXPECT_FALSE(t.ws.SavedLibLoaded);
    t.ws.library.LibraryChanged = true;
    t.ws.library.LibraryFileName = t.folder.file("GONE.LIB");
    EXPECT_EQ(findGlobalDuplicates(t.ws).marked, 2u);
    EXPECT_EQ(t.ws.SavedLibName, "A very unlikely name for your library");
    t.ws.library.LibraryFileName = libPath;
    EXPECT_EQ(findGlobalDuplicates(t.ws).marked, 1u);
    EXPECT_TRUE(t.ws.SavedLibLoaded);
}

}  // namespace
}  // namespace quillon::maintenance
