// Tests of LibFileBytes: a LIB file seen through a mapping, or read whole where mapping fails.
#include "lib/lib_file_bytes.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/error_codes.h"
#include "support/test_workspace.h"

namespace quillon::lib {
namespace {

TEST(LibFileBytes, MappedOrReadTheBytesAreTheFile)
{
    testing::TempFolder folder;
    platform::FileSystem files;
    const std::string contents(10000, 'L');
    const std::string path = folder.write("A.LIB", contents);

    Result<LibFileBytes> mapped = LibFileBytes::open(files, path);
    ASSERT_TRUE(mapped.ok());
    EXPECT_TRUE(mapped->mapped());
    EXPECT_EQ(mapped->view(), contents);
    mapped->releaseBefore(9000);
    EXPECT_EQ(mapped->view(), contents);
    EXPECT_TRUE(mapped->check().ok());

    files.setFaultHook(
        [](platform::FileOp op, const std::string&) { return op == platform::FileOp::Map ? 90 : 0; });
    Result<LibFileBytes> read = LibFileBytes::open(files, path);
    ASSERT_TRUE(read.ok());
    EXPECT_FALSE(read->mapped());
    EXPECT_EQ(read->view(), contents);
    EXPECT_TRUE(read->check().ok());
}

TEST(LibFileBytes, EmptyMissingAndUnreadableFiles)
{
    testing::TempFolder folder;
    platform::FileSystem files;
    Result<LibFileBytes> empty = LibFileBytes::open(files, folder.write("E.LIB", ""));
    ASSERT_TRUE(empty.ok());
    EXPECT_TRUE(empty->view().empty());

    EXPECT_EQ(LibFileBytes::open(files, folder.file("MISSING.LIB")).error().code,
              platform::kFileNotFound);
    EXPECT_EQ(LibFileBytes::open(files, folder.path().string()).error().code,
              platform::kAccessDenied);

    const std::string path = folder.write("A.LIB", "abc");
    // The one view of the mapped file is a read for the fault hook, and so is the read that
    // takes the place of the mapping.
    for (const bool mapping : {true, false}) {
        files.setFaultHook([mapping](platform::FileOp op, const std::string&) {
            if (op == platform::FileOp::Map && !mapping)
                return 90;
            return op == platform::FileOp::Read ? 30 : 0;
        });
        EXPECT_EQ(LibFileBytes::open(files, path).error().code, 30) << mapping;
    }
}

}  // namespace
}  // namespace quillon::lib
