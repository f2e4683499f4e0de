// Tests of ReplacementFile: the target changes only when the new file is put in place whole.
#include "platform/replacement_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/test_workspace.h"

namespace quillon::platform {
namespace {

namespace fs = std::filesystem;

class ReplacementFileTest : public ::testing::Test {
protected:
    testing::TempFolder folder;
    FileSystem files;
};

TEST_F(ReplacementFileTest, TheTargetChangesOnlyAtTheCommit)
{
    const std::string target = folder.write("X.LIB", "old");
    Result<ReplacementFile> file = ReplacementFile::begin(files, target);
    ASSERT_TRUE(file.ok());
    EXPECT_EQ(fs::path(file->temporaryPath()).parent_path(), folder.path());
    ASSERT_TRUE(file->append("new contents").ok());
    ASSERT_TRUE(file->finishWriting().ok());
    EXPECT_EQ(folder.read("X.LIB"), "old");
    EXPECT_EQ(folder.names().size(), 2u);
    ASSERT_TRUE(file->commit().ok());
    EXPECT_EQ(folder.read("X.LIB"), "new contents");
    EXPECT_EQ(folder.names(), std::vector<std::string>{"X.LIB"});
}

TEST_F(ReplacementFileTest, ADroppedReplacementRemovesItsFileAndKeepsTheTarget)
{
    const std::string target = folder.write("X.LIB", "old");
    {
        Result<ReplacementFile> file = ReplacementFile::begin(files, target);
        ASSERT_TRUE(file.ok());
        ASSERT_TRUE(file->append(std::string(300000, 'x')).ok());
    }
    EXPECT_EQ(folder.read("X.LIB"), "old");
    EXPECT_EQ(folder.names(), std::vector<std::string>{"X.LIB"});
}

TEST_F(ReplacementFileTest, TwoReplacementsOfOneTargetNeverShareAFile)
{
    const std::string target = folder.file("X.LIB");
    Result<ReplacementFile> first = ReplacementFile::begin(files, target);
    Result<ReplacementFile> second = ReplacementFile::begin(files, target);
    ASSERT_TRUE(first.ok() && second.ok());
    EXPECT_NE(first->temporaryPath(), second->temporaryPath());
    ASSERT_TRUE(first->append("first").ok());
    ASSERT_TRUE(second->append("second").ok());
    ASSERT_TRUE(second->commit().ok());
    ASSERT_TRUE(first->commit().ok());
    EXPECT_EQ(folder.read("X.LIB"), "first");
    EXPECT_EQ(folder.names(), std::vector<std::string>{"X.LIB"});
}

TEST_F(ReplacementFileTest, AFolderOrAMissingFolderIsNeverATarget)
{
    fs::create_directory(folder.path() / "X.LIB");
    const Result<ReplacementFile> onFolder = ReplacementFile::begin(files, folder.file("X.LIB"));
    ASSERT_FALSE(onFolder.ok());
    EXPECT_EQ(onFolder.error().code, 5);
    const Result<ReplacementFile> inMissing =
        ReplacementFile::begin(files, folder.file("missing/X.LIB"));
    EXPECT_FALSE(inMissing.ok());
    EXPECT_EQ(folder.names(), std::vector<std::string>{"X.LIB"});
}

#ifndef _WIN32
TEST_F(ReplacementFileTest, ALinkSurvivesAndTheFileKeepsItsPermissions)
{
    const std::string real = folder.write("real.lib", "old");
    fs::permissions(real, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    fs::create_symlink(real, folder.path() / "link.lib");
    Result<ReplacementFile> file = ReplacementFile::begin(files, folder.file("link.lib"));
    ASSERT_TRUE(file.ok());
    ASSERT_TRUE(file->append("new").ok());
    ASSERT_TRUE(file->commit().ok());
    EXPECT_TRUE(fs::is_symlink(folder.path() / "link.lib"));
    EXPECT_EQ(folder.read("real.lib"), "new");
    EXPECT_EQ(fs::status(real).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST_F(ReplacementFileTest, AFileNoOneMayWriteIsNotReplaced)
{
    const std::string target = folder.write("X.LIB", "old");
    fs::permissions(target, fs::perms::owner_read | fs::perms::group_read);
    const Result<ReplacementFile> file = ReplacementFile::begin(files, target);
    fs::permissions(target, fs::perms::owner_all);
    ASSERT_FALSE(file.ok());
    EXPECT_EQ(file.error().code, 5);
    EXPECT_EQ(folder.read("X.LIB"), "old");
    EXPECT_EQ(folder.names(), std::vector<std::string>{"X.LIB"});
}
#endif

}  // namespace
}  // namespace quillon::platform
