// Tests of mapped reading: the view, its errors and fault hook, the fall-back to reads, and a
// file changed under the mapping.
#include "platform/file_mapping.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <string>

#include "platform/error_codes.h"
#include "platform/file_system.h"
#include "support/test_workspace.h"

namespace quillon::platform {
namespace {

namespace fs = std::filesystem;

std::string text(std::span<const std::byte> bytes)
{
    return std::string(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

class FileMappingTest : public ::testing::Test {
protected:
    testing::TempFolder folder;
    FileSystem files;
};

TEST_F(FileMappingTest, AMappedFileShowsItsBytesInPlaceWithReadErrors)
{
    Result<File> file = files.openRead(folder.write("a.bin", "0123456789"));
    ASSERT_TRUE(file.ok());
    ASSERT_TRUE(file->map().ok());
    ASSERT_TRUE(file->map().ok());  // a second map changes nothing
    EXPECT_TRUE(file->isMapped());
    EXPECT_EQ(text(*file->viewAt(2, 5)), "23456");
    EXPECT_EQ(text(*file->viewAt(0, 10)), "0123456789");
    EXPECT_EQ(file->viewAt(8, 3).error().code, kReadPastEnd);
    EXPECT_EQ(file->viewAt(10, 0).error().code, kReadPastEnd);
    EXPECT_EQ(file->viewAt(~std::uint64_t{0}, 2).error().code, kReadPastEnd);
    // Reads still work beside the view.
    std::array<std::byte, 3> read{};
    ASSERT_TRUE(file->readExactAt(7, read).ok());
    EXPECT_EQ(text(read), "789");
    EXPECT_TRUE(file->checkMapped().ok());
    ASSERT_TRUE(file->close().ok());
    EXPECT_FALSE(file->isMapped());
    EXPECT_EQ(file->viewAt(0, 1).error().code, kFileNotOpen);
}

TEST_F(FileMappingTest, AnEmptyFileMapsToAnEmptyView)
{
    Result<File> file = files.openRead(folder.write("empty.bin", ""));
    ASSERT_TRUE(file.ok());
    ASSERT_TRUE(file->map().ok());
    EXPECT_TRUE(file->isMapped());
    EXPECT_TRUE(file->mappedBytes().empty());
    EXPECT_EQ(file->viewAt(0, 1).error().code, kReadPastEnd);
    EXPECT_TRUE(file->checkMapped().ok());
}

TEST_F(FileMappingTest, AFailedMapLeavesTheFileToBeRead)
{
    const std::string path = folder.write("a.bin", "abc");
    files.setFaultHook([](FileOp op, const std::string&) { return op == FileOp::Map ? 90 : 0; });
    Result<File> file = files.openRead(path);
    ASSERT_TRUE(file.ok());
    EXPECT_EQ(file->map().error().code, kSystemError);
    EXPECT_FALSE(file->isMapped());
    EXPECT_EQ(file->viewAt(0, 1).error().code, kFileNotOpen);
    std::array<std::byte, 3> read{};
    ASSERT_TRUE(file->readExactAt(0, read).ok());
    EXPECT_EQ(text(read), "abc");
}

TEST_F(FileMappingTest, TheFaultHookFailsAViewAsItFailsARead)
{
    const std::string path = folder.write("a.bin", "abc");
    Result<File> file = files.openRead(path);
    ASSERT_TRUE(file.ok());
    ASSERT_TRUE(file->map().ok());
    files.setFaultHook([](FileOp op, const std::string&) { return op == FileOp::Read ? 5 : 0; });
    EXPECT_EQ(file->viewAt(0, 1).error().code, kAccessDenied);
}

TEST_F(FileMappingTest, OnlyAFileOpenedForReadingIsMapped)
{
    Result<File> file = files.create(folder.file("new.bin"));
    ASSERT_TRUE(file.ok());
    ASSERT_TRUE(file->append("abc").ok());
    EXPECT_FALSE(file->map().ok());
    EXPECT_FALSE(file->isMapped());
}

#ifndef _WIN32
// On Windows no other program can shorten the file while it is open and mapped.
TEST_F(FileMappingTest, AFileCutShortUnderTheMappingReadsAsZerosAndIsReported)
{
    const std::size_t size = 5 * 4096 + 100;
    const std::string path = folder.write("cut.bin", std::string(size, 'x'));
    Result<File> file = files.openRead(path);
    ASSERT_TRUE(file.ok());
    ASSERT_TRUE(file->map().ok());
    const std::span<const std::byte> bytes = *file->viewAt(0, size);
    fs::resize_file(path, 4096 + 10);
    // Pages past the new end would end the process with SIGBUS: they read as zeros instead.
    std::size_t nonZero = 0;
    for (std::size_t i = 0; i < bytes.size(); i += 512)
        nonZero += bytes[i] != std::byte{0} ? 1 : 0;
    EXPECT_EQ(nonZero, 9u);  // the first page and the start of the second
    EXPECT_EQ(file->checkMapped().error().code, kReadPastEnd);
}

TEST_F(FileMappingTest, AFileReplacedByARenameKeepsItsBytesForTheMapping)
{
    const std::string path = folder.write("x.lib", std::string(3 * 4096, 'o'));
    Result<File> file = files.openRead(path);
    ASSERT_TRUE(file.ok());
    ASSERT_TRUE(file->map().ok());
    const std::string replacement = folder.write("x.new", "new");
    ASSERT_TRUE(files.rename(replacement, path).ok());
    EXPECT_EQ(text(*file->viewAt(0, 3 * 4096)), std::string(3 * 4096, 'o'));
    EXPECT_TRUE(file->checkMapped().ok());
}
#endif

TEST_F(FileMappingTest, ReleasedPagesAreReadAgainWhenUsed)
{
    std::string bytes(64 * 4096, 'a');
    for (std::size_t i = 0; i < bytes.size(); i += 4096)
        bytes[i] = static_cast<char>('A' + i / 4096 % 26);
    Result<File> file = files.openRead(folder.write("big.bin", bytes));
    ASSERT_TRUE(file.ok());
    ASSERT_TRUE(file->map().ok());
    const std::span<const std::byte> view = *file->viewAt(0, bytes.size());
    file->releaseMappedBefore(40 * 4096 + 7);
    EXPECT_EQ(text(view), bytes);
}

}  // namespace
}  // namespace quillon::platform
