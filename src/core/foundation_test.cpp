// Tests of the small foundation pieces: byte reads, text encoding, the Escape poll, progress,
// and the file layer's failures.
#include <gtest/gtest.h>

#include "core/cancellation_poll.h"
#include "core/progress_indicator.h"
#include "base/text_encoding.h"
#include "io/byte_reader.h"
#include "platform/error_codes.h"
#include "platform/file_system.h"
#include "support/test_workspace.h"

namespace quillon {
namespace {

using testing::TempFolder;
using testing::TestWorkspace;

TEST(ByteReader, ReadsLittleEndianAndRefusesEveryReadPastTheEnd)
{
    const std::byte data[] = {std::byte{0x4D}, std::byte{0x5A}, std::byte{0x01}, std::byte{0x02},
                              std::byte{0x00}};
    io::ByteReader r(data);
    EXPECT_EQ(*r.u16le(0), 0x5A4D);
    EXPECT_EQ(*r.u32le(1), 0x0002015Au);
    EXPECT_EQ(r.u32le(2).error().code, 33);
    EXPECT_EQ(r.u8(5).error().code, 33);
    EXPECT_EQ(r.bytes(UINT64_MAX, 2).error().code, 33);
    EXPECT_EQ(r.bytes(2, UINT64_MAX).error().code, 33);
    EXPECT_EQ(*r.cstring(0, 100), "MZ\x01\x02");
    EXPECT_EQ(*r.cstring(0, 1), "M");
    EXPECT_EQ(r.cstring(5, 1).error().code, 33);
}

TEST(TextEncoding, RoundTripsEveryByte)
{
    std::string all;
    for (int b = 1; b < 256; ++b)
        all.push_back(static_cast<char>(b));
    EXPECT_EQ(utf8ToCp1252(cp1252ToUtf8(all)), all);
    EXPECT_EQ(cp1252ToUtf8("\x80\xA0"), "\xE2\x82\xAC\xC2\xA0");
    EXPECT_EQ(utf8ToCp1252("\xE4\xB8\xAD\xFF\xC3"), "???");
}

TEST(CancellationPoll, PollsAtMostEveryFiveHundredthsAndF1Postpones)
{
    TestWorkspace t;
    t.ui.keys = {ui::PendingKey::Other, ui::PendingKey::F1, ui::PendingKey::Escape};
    CancellationPoll poll(t.ui, t.clock);
    EXPECT_FALSE(poll.poll());  // takes Other
    EXPECT_FALSE(poll.poll());  // too soon
    EXPECT_EQ(t.ui.keyPolls, 1);
    t.clock.now += 5;
    EXPECT_FALSE(poll.poll());  // F1: the next look waits 10
    t.clock.now += 5;
    EXPECT_FALSE(poll.poll());
    EXPECT_EQ(t.ui.keyPolls, 2);
    t.clock.now += 5;
    EXPECT_TRUE(poll.poll());
    EXPECT_TRUE(poll.cancelled());
    poll.clear();
    EXPECT_FALSE(poll.cancelled());
}

TEST(ProgressIndicator, ShowsValueWithUnitOnlyWhenEnabled)
{
    TestWorkspace t;
    {
        ProgressIndicator p(t.ui, true);
        p.start("Saving...", 10);
        p.step(7, " bytes");
    }
    EXPECT_EQ(t.ui.progressCaptions, (std::vector<std::string>{"Saving..."}));
    EXPECT_EQ(t.ui.progressTexts, (std::vector<std::string>{"7 bytes"}));
    EXPECT_EQ(t.ui.progressEnds, 1);
    ProgressIndicator off(t.ui, false);
    off.start("x", 1);
    off.step(1, " symbols");
    off.end();
    EXPECT_EQ(t.ui.progressStarts, 1);
}

TEST(FileSystem, PostsCodesForMissingFilesFoldersAndShortReads)
{
    TempFolder folder;
    platform::FileSystem files;
    EXPECT_EQ(files.readWholeFile(folder.file("missing")).error().code, platform::kFileNotFound);
    EXPECT_EQ(files.openRead(folder.path().string()).error().code, platform::kAccessDenied);
    folder.write("five", "12345");
    Result<platform::File> f = files.openRead(folder.file("five"));
    ASSERT_TRUE(f.ok());
    std::byte buf[8];
    EXPECT_EQ(*f->readAt(3, buf), 2u);
    EXPECT_EQ(f->readAt(5, buf).error().code, platform::kReadPastEnd);
    EXPECT_EQ(f->readExactAt(0, buf).error().code, platform::kReadPastEnd);
    EXPECT_TRUE(f->close().ok());
    EXPECT_EQ(f->close().error().code, platform::kFileNotOpen);
}

TEST(FileSystem, BuffersAppendsAndInjectsFaults)
{
    TempFolder folder;
    platform::FileSystem files;
    int writes = 0;
    files.setFaultHook([&](platform::FileOp op, const std::string&) {
        if (op == platform::FileOp::Write && ++writes == 3)
            return static_cast<int>(platform::kAccessDenied);
        return 0;
    });
    Result<platform::File> f = files.create(folder.file("out"));
    ASSERT_TRUE(f.ok());
    EXPECT_TRUE(f->append("ab").ok());
    EXPECT_TRUE(f->append("cd").ok());
    EXPECT_EQ(f->append("ef").error(), (Error{5, "Access denied"}));
    EXPECT_EQ(*f->size(), 4u);
    EXPECT_TRUE(f->flush().ok());
    EXPECT_TRUE(f->close().ok());
    EXPECT_EQ(folder.read("out"), "abcd");
    files.setFaultHook({});
    EXPECT_TRUE(files.rename(folder.file("out"), folder.file("moved")).ok());
    EXPECT_FALSE(files.exists(folder.file("out")));
    EXPECT_EQ(files.remove(folder.file("out")).error().code, platform::kFileNotFound);
    EXPECT_TRUE(files.createFolder(folder.file("a/b")).ok());
    Result<std::vector<platform::FolderEntry>> list = files.listFolder(folder.file("a"));
    ASSERT_TRUE(list.ok());
    EXPECT_EQ(*list, (std::vector<platform::FolderEntry>{{"b", true}}));
}

}  // namespace
}  // namespace quillon
