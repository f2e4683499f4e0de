// Tests of the LIB record walk, the module rule and the record encoder.
#include "lib/lib_format.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/lib_builder.h"

namespace quillon::lib {
namespace {

using testing::LibBuilder;

struct Taken {
    std::string module;
    std::string symbol;
    std::uint16_t ordinal = 0;
    friend bool operator==(const Taken&, const Taken&) = default;
};

/// Every import definition the walk finds, or the error that stopped it.
Result<std::vector<Taken>> walkAll(std::string_view bytes)
{
    RecordWalker walker(bytes);
    std::vector<Taken> taken;
    ImportDefinition record;
    for (;;) {
        const Result<bool> found = walker.next(record);
        if (!found)
            return found.error();
        if (!*found)
            return taken;
        taken.push_back({std::string(record.module), std::string(record.symbol), record.ordinal});
    }
}

TEST(LibFormat, WritesTheThirteenByteRecordOfOneSymbol)
{
    std::string out;
    encodeImportRecord(out, "A", "M", 1);
    EXPECT_EQ(out, std::string("\x88\x0A\x00\x00\xA0\x01\x01\x01\x41\x01\x4D\x01\x00", 13));
}

TEST(LibFormat, CutsNamesWhenEncoding)
{
    std::string out;
    encodeImportRecord(out, std::string(300, 'S'), std::string(300, 'M'), 0x1234);
    ASSERT_EQ(out.size(), 254u + 254u + kRecordOverhead);
    EXPECT_EQ(static_cast<unsigned char>(out[1]) | (static_cast<unsigned char>(out[2]) << 8),
              254 + 254 + 8);
    const auto walked = walkAll(out);
    ASSERT_TRUE(walked.ok());
    EXPECT_EQ(*walked,
              (std::vector<Taken>{{std::string(254, 'M'), std::string(254, 'S'), 0x1234}}));
    // A module name of more than 20 characters is written whole: Windows looks the DLL up by it.
    out.clear();
    encodeImportRecord(out, "A", "windows.devices.enumeration.dll", 1);
    EXPECT_EQ(out, testing::libBytes({{"windows.devices.enumeration.dll", "A", 1}}));
    EXPECT_EQ(*walkAll(out), (std::vector<Taken>{{"windows.devices.enumeration.dll", "A", 1}}));
}

TEST(LibFormat, WalksImportDefinitionsInOrder)
{
    const auto walked =
        walkAll(testing::libBytes({{"KERNEL", "Beep", 4}, {"USER", "MessageBox", 1}}));
    ASSERT_TRUE(walked.ok());
    EXPECT_EQ(*walked, (std::vector<Taken>{{"KERNEL", "Beep", 4}, {"USER", "MessageBox", 1}}));
}

TEST(LibFormat, EmptyFileHoldsNoRecords)
{
    const auto walked = walkAll("");
    ASSERT_TRUE(walked.ok());
    EXPECT_TRUE(walked->empty());
    EXPECT_FALSE(*containsImportDefinition(""));
}

TEST(LibFormat, SkipsOtherRecordsAndImportsByName)
{
    LibBuilder lib;
    lib.record(0xF0, std::string(13, '\x01'))  // library header
        .record(0x80, "\x05THEAD")             // module header
        .importByName("M", "ByName")
        .import("M", "A", 1)
        .record(0x88, std::string("\x00\xA0\x02\x01\x01X\x01M\x01\x00", 11))  // other subtype
        .import("M", "B", 2);
    const auto walked = walkAll(lib.bytes());
    ASSERT_TRUE(walked.ok());
    EXPECT_EQ(*walked, (std::vector<Taken>{{"M", "A", 1}, {"M", "B", 2}}));
}

TEST(LibFormat, ImportByNameAloneIsNoLibrary)
{
    EXPECT_FALSE(*containsImportDefinition(LibBuilder().importByName("M", "A").bytes()));
}

TEST(LibFormat, ZeroTypeOrZeroLengthEndsTheWalk)
{
    LibBuilder padded;
    padded.import("M", "A", 1).raw(std::string(5, '\0')).import("M", "Never", 2);
    EXPECT_EQ(*walkAll(padded.bytes()), (std::vector<Taken>{{"M", "A", 1}}));

    LibBuilder zeroLength;
    zeroLength.import("M", "A", 1).recordWithLength(0x88, 0, "").import("M", "Never", 2);
    EXPECT_EQ(*walkAll(zeroLength.bytes()), (std::vector<Taken>{{"M", "A", 1}}));
}

TEST(LibFormat, ReadsRecordsWhoseLengthCountsAChecksum)
{
    LibBuilder lib;
    lib.importWithChecksum("KERNEL", "Beep", 4).importWithChecksum("KERNEL", "Yield", 29);
    EXPECT_EQ(*walkAll(lib.bytes()),
              (std::vector<Taken>{{"KERNEL", "Beep", 4}, {"KERNEL", "Yield", 29}}));
}

TEST(LibFormat, CutsLongNamesAndTrailingBlanksWhenReading)
{
    LibBuilder lib;
    lib.import("ABCDEFGHIJKLMNOPQRSTUVWXYZ", std::string(255, 'x'), 7)
        .import("M  ", "A  ", 8)
        .import(std::string(255, 'L'), "B", 9);
    EXPECT_EQ(*walkAll(lib.bytes()),
              (std::vector<Taken>{{"ABCDEFGHIJKLMNOPQRSTUVWXYZ", std::string(254, 'x'), 7},
                                  {"M", "A", 8},
                                  {std::string(254, 'L'), "B", 9}}));
}

TEST(LibFormat, FileEndingInsideTheRecordFrameIsAReadPastEnd)
{
    for (const std::string& tail : {std::string("\x88"), std::string("\x88\x05", 2)}) {
        LibBuilder lib;
        lib.import("M", "A", 1).raw(tail);
        RecordWalker walker(lib.bytes());
        ImportDefinition record;
        EXPECT_TRUE(*walker.next(record));
        const Result<bool> second = walker.next(record);
        ASSERT_FALSE(second.ok());
        EXPECT_EQ(second.error().code, 33);
    }
}

TEST(LibFormat, ShortLastRecordOfAnotherTypeEndsCleanly)
{
    LibBuilder lib;
    lib.import("M", "A", 1).record(0x8A, std::string("\x00", 1));  // a 4-byte end record
    EXPECT_EQ(*walkAll(lib.bytes()), (std::vector<Taken>{{"M", "A", 1}}));
}

TEST(LibFormat, SkipsAnImportWhoseNamesRunPastItsRecord)
{
    // The symbol length claims 40 bytes of a 10-byte record: the names would be taken from the
    // records that follow, so the record is skipped and the next one is read.
    std::string body = testing::importBody("M", "A", 1);
    body[4] = 40;
    LibBuilder lib;
    lib.record(0x88, body).import("M", "B", 2).import("M", "C", 3).import("M", "D", 4);
    EXPECT_EQ(*walkAll(lib.bytes()),
              (std::vector<Taken>{{"M", "B", 2}, {"M", "C", 3}, {"M", "D", 4}}));
}

TEST(LibFormat, SkipsAnImportWhoseNamesRunPastTheFile)
{
    std::string body = testing::importBody("MODULE", "SYMBOL", 1);
    body[4] = static_cast<char>(200);
    LibBuilder lib;
    lib.import("M", "A", 1).recordWithLength(0x88, 250, body);
    EXPECT_EQ(*walkAll(lib.bytes()), (std::vector<Taken>{{"M", "A", 1}}));
}

TEST(LibFormat, RecordRunningPastTheEndIsReadAndEndsTheWalk)
{
    LibBuilder lib;
    lib.import("M", "A", 1).recordWithLength(0x88, 500, testing::importBody("M", "B", 2));
    EXPECT_EQ(*walkAll(lib.bytes()), (std::vector<Taken>{{"M", "A", 1}, {"M", "B", 2}}));
}

TEST(LibFormat, EveryTruncationGivesRecordsOrAnError)
{
    LibBuilder lib;
    lib.record(0xF0, std::string(13, '\x01'))
        .import("KERNEL", "Beep", 4)
        .importWithChecksum("KERNEL", "Yield", 29)
        .importByName("USER", "X")
        .import("USER", "MessageBox", 1);
    const std::string& all = lib.bytes();
    for (std::size_t n = 0; n <= all.size(); ++n) {
        const auto walked = walkAll(std::string_view(all).substr(0, n));
        if (walked.ok())
            EXPECT_LE(walked->size(), 3u);
        else
            EXPECT_EQ(walked.error().code, 33);
    }
}

TEST(LibFormat, ModulesBeginAtANameChangeOrARepeatedRecord)
{
    ModuleSplitter splitter;
    auto opens = [&](std::string_view module, std::string_view symbol, std::uint16_t ordinal) {
        return splitter.opensModule(ImportDefinition{symbol, module, ordinal, 0});
    };
    EXPECT_TRUE(opens("M", "A", 1));
    EXPECT_FALSE(opens("M", "B", 2));
    EXPECT_TRUE(opens("m", "B", 2));   // letter case counts
    EXPECT_FALSE(opens("m", "B", 3));  // same name, other ordinal
    EXPECT_TRUE(opens("m", "B", 3));   // the record repeated
    EXPECT_FALSE(opens("m", "b", 3));
}

}  // namespace
}  // namespace quillon::lib
