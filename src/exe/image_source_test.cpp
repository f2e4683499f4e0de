// Tests of the page-by-page file source: same bytes as the file, reads across pages, errors,
// and how little of a large file the readers read.
#include "exe/image_source.h"

#include <gtest/gtest.h>

#include "exe/executable_image.h"
#include "support/exe_builder.h"
#include "support/test_workspace.h"

namespace quillon::exe {
namespace {

std::vector<std::byte> pattern(std::size_t n)
{
    std::vector<std::byte> bytes(n);
    for (std::size_t i = 0; i < n; ++i)
        bytes[i] = static_cast<std::byte>((i * 7 + i / 251) & 0xFF);
    return bytes;
}

/// Sources over the same file, mapped (from any size) and read.
class FileSourceBoth : public ::testing::TestWithParam<bool> {
protected:
    [[nodiscard]] std::uint64_t mapFrom() const { return GetParam() ? 0 : ~std::uint64_t{0}; }
};

INSTANTIATE_TEST_SUITE_P(MappedAndRead, FileSourceBoth, ::testing::Bool());

TEST_P(FileSourceBoth, GivesTheFileBytesWithinAndAcrossPages)
{
    testing::TempFolder folder;
    const std::size_t size = 3 * FileSource::kPageSize + 100;
    const std::vector<std::byte> bytes = pattern(size);
    platform::FileSystem files;
    auto file = files.openRead(folder.write("p.bin", bytes));
    ASSERT_TRUE(file.ok());
    FileSource source(*file, size, mapFrom());
    EXPECT_EQ(file->isMapped(), GetParam());
    BufferSource memory(bytes);
    for (const std::uint64_t offset : {std::uint64_t{0}, FileSource::kPageSize - 3,
                                       2 * FileSource::kPageSize - 1, std::uint64_t{size - 300}}) {
        const auto a = source.bytes(offset, 300);
        const auto b = memory.bytes(offset, 300);
        ASSERT_TRUE(a.ok() && b.ok()) << offset;
        EXPECT_TRUE(std::equal(a->begin(), a->end(), b->begin(), b->end())) << offset;
    }
    EXPECT_EQ(*source.u32le(FileSource::kPageSize - 2), *memory.u32le(FileSource::kPageSize - 2));
    EXPECT_EQ(source.bytes(size - 10, 11).error().code, 33);
    EXPECT_EQ(source.bytes(0xFFFFFFFFFFFFFFF0ull, 0x20).error().code, 33);
    EXPECT_EQ(source.upTo(size, 1).error().code, 33);
    EXPECT_EQ(source.upTo(size - 10, 255)->size(), 10u);
}

TEST(FileSource, EarlierSpansStayValidAsMorePagesAreRead)
{
    testing::TempFolder folder;
    const std::size_t size = 40 * FileSource::kPageSize;
    const std::vector<std::byte> bytes = pattern(size);
    platform::FileSystem files;
    auto file = files.openRead(folder.write("p.bin", bytes));
    FileSource source(*file, size);
    const std::span<const std::byte> first = *source.bytes(10, 20);
    const std::span<const std::byte> joined = *source.bytes(FileSource::kPageSize - 5, 10);
    for (std::uint64_t page = 1; page < 40; ++page)
        (void)source.bytes(page * FileSource::kPageSize, 1);
    EXPECT_TRUE(std::equal(first.begin(), first.end(), bytes.begin() + 10));
    EXPECT_TRUE(
        std::equal(joined.begin(), joined.end(), bytes.begin() + FileSource::kPageSize - 5));
}

TEST_P(FileSourceBoth, ReadErrorsArePostedAsTheFileLayerGivesThem)
{
    testing::TempFolder folder;
    platform::FileSystem files;
    auto file = files.openRead(folder.write("p.bin", pattern(100)));
    files.setFaultHook([](platform::FileOp op, const std::string&) {
        return op == platform::FileOp::Read ? 5 : 0;
    });
    FileSource source(*file, 100, mapFrom());
    EXPECT_EQ(file->isMapped(), GetParam());
    EXPECT_EQ(source.bytes(0, 4).error().code, 5);
    EXPECT_EQ(readExecutable(source).error.code, 5);
}

TEST(FileSource, AFileThatCannotBeMappedIsRead)
{
    testing::TempFolder folder;
    platform::FileSystem files;
    const std::vector<std::byte> bytes = pattern(2 * FileSource::kPageSize);
    auto file = files.openRead(folder.write("p.bin", bytes));
    files.setFaultHook([](platform::FileOp op, const std::string&) {
        return op == platform::FileOp::Map ? 90 : 0;
    });
    FileSource source(*file, bytes.size(), 0);
    EXPECT_FALSE(file->isMapped());
    const auto across = source.bytes(FileSource::kPageSize - 2, 4);
    ASSERT_TRUE(across.ok());
    EXPECT_TRUE(std::equal(across->begin(), across->end(), bytes.begin() + FileSource::kPageSize - 2));
    EXPECT_EQ(source.bytesRead(), 2 * FileSource::kPageSize);
}

TEST_P(FileSourceBoth, ReadersReadOnlyHeadersAndExportTablesOfALargeFile)
{
    testing::PeSpec spec;
    spec.exports = {{"Alpha", std::nullopt, {}}, {"Beta", std::nullopt, {}}};
    testing::BuiltImage image = testing::buildPe(spec);
    image.putU8(image.size() + 4 * 1024 * 1024, 0);  // four megabytes of trailing data
    testing::TempFolder folder;
    platform::FileSystem files;
    auto file = files.openRead(folder.write("big.dll", image.bytes));
    FileSource source(*file, image.size(), mapFrom());
    const ExecutableExports exports = readExecutable(source);
    ASSERT_EQ(exports.tables.size(), 1u);
    EXPECT_EQ(exports.tables[0].names.size(), 2u);
    EXPECT_LE(source.bytesRead(), 4 * FileSource::kPageSize);
}

}  // namespace
}  // namespace quillon::exe
