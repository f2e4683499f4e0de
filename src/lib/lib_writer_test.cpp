// Tests of the library writer and the flat-list writer: bytes, round trips, replacing and faults.
#include "lib/lib_writer.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <utility>
#include <vector>

#include "core/library_model.h"
#include "base/text_encoding.h"
#include "lib/lib_format.h"
#include "lib/lib_messages.h"
#include "lib/lib_reader.h"
#include "support/lib_builder.h"
#include "support/test_workspace.h"

#ifndef _WIN32
#include <unistd.h>
#endif

namespace quillon::lib {
namespace {

using platform::FileOp;
using testing::libBytes;

using Symbols = std::vector<std::pair<std::string, std::uint16_t>>;

void addModule(Workspace& ws, std::string_view name, const Symbols& symbols)
{
    const std::size_t first = ws.library.rows.size();
    appendModuleRow(ws, name, kOsUnknown);
    for (const auto& [symbol, ordinal] : symbols)
        appendSymbolRow(ws, symbol, ordinal);
    postProcessLoad(ws, first, LoadedFile{"/dll/" + std::string(name) + ".DLL", true, 0});
}

std::string fileLines(const std::string& path)
{
    return "|" + std::string(90, kNonBreakingSpace) + "|    File:|    " + path;
}

class LibWriterTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        target = t.folder.file("MY.LIB");
        backup = t.folder.file("MY.LI_");
    }

    testing::TestWorkspace t;
    std::string target;
    std::string backup;
};

TEST_F(LibWriterTest, WritesOneRecordPerSymbolInListOrder)
{
    addModule(t.ws, "M", {{"A", 1}});
    ASSERT_TRUE(writeLibrary(t.ws, target).ok());
    EXPECT_EQ(t.folder.read("MY.LIB"),
              std::string("\x88\x0A\x00\x00\xA0\x01\x01\x01\x41\x01\x4D\x01\x00", 13));

    addModule(t.ws, "USER32", {{"MessageBoxA", 0x1A5}, {"Zero", 0}, {"wsprintfA", 2}});
    ASSERT_TRUE(writeLibrary(t.ws, target).ok());
    EXPECT_EQ(
        t.folder.read("MY.LIB"),
        libBytes({{"M", "A", 1}, {"USER32", "MessageBoxA", 0x1A5}, {"USER32", "wsprintfA", 2}}));
    EXPECT_FALSE(std::filesystem::exists(backup));
}

TEST_F(LibWriterTest, RecordsOfSeveralBlocksAreWrittenWholeAndInOrder)
{
    // Names of up to 254 characters: records of all sizes, several blocks of the writer.
    Symbols symbols;
    std::string expected;
    for (int i = 0; i < 15000; ++i) {
        std::string name = std::to_string(i) + std::string(static_cast<std::size_t>(i % 300), 'x');
        const auto ordinal = static_cast<std::uint16_t>(i + 1);
        encodeImportRecord(expected, name, "BIG", ordinal);
        symbols.emplace_back(std::move(name), ordinal);
    }
    addModule(t.ws, "BIG", symbols);
    ASSERT_TRUE(writeLibrary(t.ws, target).ok());
    EXPECT_GT(expected.size(), 2u << 20);  // more than two blocks
    EXPECT_TRUE(t.folder.read("MY.LIB") == expected);
}

TEST_F(LibWriterTest, RoundTripKeepsModulesSymbolsOrdinalsAndOrder)
{
    addModule(t.ws, "KERNEL", {{"Beep", 4}, {"Yield", 29}});
    addModule(t.ws, "KERNEL", {{"Yield", 29}, {"Other", 30}});  // same name, opens on a repeat
    addModule(t.ws, "GDI", {{std::string(254, 'g'), 65535}});
    addModule(t.ws, "kernel", {{"Beep", 4}});
    ASSERT_TRUE(writeLibrary(t.ws, target).ok());

    testing::TestWorkspace other;
    LibLoadRequest request;
    request.fileName = target;
    ASSERT_TRUE(loadLibrary(other.ws, request).ok());
    ASSERT_EQ(other.ws.library.rows.size(), t.ws.library.rows.size());
    for (std::size_t i = 0; i < t.ws.library.rows.size(); ++i) {
        const LibraryRow& a = t.ws.library.rows[i];
        const LibraryRow& b = other.ws.library.rows[i];
        EXPECT_EQ(a.isModule(), b.isModule()) << i;
        EXPECT_EQ(a.MODULENAME, b.MODULENAME) << i;
        EXPECT_EQ(a.SYMBOL, b.SYMBOL) << i;
        EXPECT_EQ(a.ORDINAL, b.ORDINAL) << i;
        EXPECT_EQ(a.MODULENUM, b.MODULENUM) << i;
    }
}

TEST_F(LibWriterTest, ModuleNamesAreWrittenAndReadWhole)
{
    // Two DLLs whose names share their first 20 characters stay two modules.
    const std::string first = "api-ms-win-core-file-l1-1-0.dll";
    const std::string second = "api-ms-win-core-file-l1-2-0.dll";
    addModule(t.ws, first, {{"CreateFileA", 1}});
    addModule(t.ws, second, {{"GetTempPath2A", 1}});
    ASSERT_TRUE(writeLibrary(t.ws, target).ok());
    const std::string bytes = libBytes({{first, "CreateFileA", 1}, {second, "GetTempPath2A", 1}});
    EXPECT_EQ(t.folder.read("MY.LIB"), bytes);

    testing::TestWorkspace other;
    LibLoadRequest request;
    request.fileName = target;
    ASSERT_TRUE(loadLibrary(other.ws, request).ok());
    ASSERT_EQ(other.ws.library.modules.size(), 2u);
    EXPECT_EQ(other.ws.library.modules[0].MODULENAME.view(), first);
    EXPECT_EQ(other.ws.library.modules[1].MODULENAME.view(), second);
    EXPECT_EQ(other.ws.library.rows[3].MODULENAME.view(), second);
    // Search mode finds the module by its whole name.
    request.moduleName = second;
    testing::TestWorkspace one;
    ASSERT_TRUE(loadLibrary(one.ws, request).ok());
    ASSERT_EQ(one.ws.library.rows.size(), 2u);
    EXPECT_EQ(one.ws.library.rows[1].SYMBOL, "GetTempPath2A");

    // Names of at most 20 characters read and write as they always did.
    const std::string shortNames =
        libBytes({{std::string(20, 'K'), "Beep", 4}, {"USER", "Box", 1}, {"user", "Box", 1}});
    const std::string copy = t.folder.write("copy.lib", shortNames);
    testing::TestWorkspace again;
    request = LibLoadRequest{};
    request.fileName = copy;
    ASSERT_TRUE(loadLibrary(again.ws, request).ok());
    ASSERT_TRUE(writeLibrary(again.ws, t.folder.file("again.lib")).ok());
    EXPECT_EQ(t.folder.read("again.lib"), shortNames);
}

TEST_F(LibWriterTest, TheNewFileReachesTheDiskBeforeItReplacesTheTarget)
{
    t.folder.write("MY.LIB", "old");
    addModule(t.ws, "M", {{"A", 1}});
    std::vector<std::pair<FileOp, std::string>> ops;
    t.files.setFaultHook([&](FileOp op, const std::string& path) {
        if (op != FileOp::Write)
            ops.emplace_back(op, path);
        return 0;
    });
    ASSERT_TRUE(writeLibrary(t.ws, target).ok());
    ASSERT_EQ(ops.size(), 4u);
    const std::string temporary = ops[0].second;
    EXPECT_EQ(temporary.rfind(target + ".", 0), 0u) << temporary;
    EXPECT_EQ(ops, (std::vector<std::pair<FileOp, std::string>>{{FileOp::Create, temporary},
                                                                {FileOp::Flush, temporary},
                                                                {FileOp::Close, temporary},
                                                                {FileOp::Rename, temporary}}));
    EXPECT_EQ(t.folder.names(), std::vector<std::string>{"MY.LIB"});
}

TEST_F(LibWriterTest, LibraryOfModuleRowsOnlyGivesAnEmptyFile)
{
    appendModuleRow(t.ws, "M", kOsUnknown);
    ASSERT_TRUE(writeLibrary(t.ws, target).ok());
    EXPECT_EQ(t.folder.read("MY.LIB"), "");
}

TEST_F(LibWriterTest, FlatListWritesEveryRowWithNamesTrimmed)
{
    t.ws.queryResults.rows = {{ModuleName("USER  "), "Box  ", 1, 7, 1},
                              {ModuleName("USER"), "NoOrdinal", 0, 8, 1}};
    ASSERT_TRUE(writeQueryResults(t.ws, target).ok());
    EXPECT_EQ(t.folder.read("MY.LIB"), libBytes({{"USER", "Box", 1}, {"USER", "NoOrdinal", 0}}));
}

TEST_F(LibWriterTest, ProgressShowsTheFileSizeInBytes)
{
    addModule(t.ws, "M", {{"A", 1}, {"B", 2}});
    ASSERT_TRUE(writeLibrary(t.ws, target).ok());
    EXPECT_EQ(t.ui.progressCaptions, (std::vector<std::string>{"Saving..."}));
    EXPECT_EQ(t.ui.progressTexts, (std::vector<std::string>{"13 bytes", "26 bytes", "26 bytes"}));
    EXPECT_EQ(t.ui.progressEnds, 1);

    t.ui.progressTexts.clear();
    ASSERT_TRUE(writeLibrary(t.ws, target, WriteOptions{true, true}).ok());
    EXPECT_TRUE(t.ui.progressTexts.empty());
}

TEST_F(LibWriterTest, SaveOverExistingFileLeavesNoBackup)
{
    t.folder.write("MY.LIB", "old contents");
    addModule(t.ws, "M", {{"A", 1}});
    ASSERT_TRUE(writeLibrary(t.ws, target).ok());
    EXPECT_EQ(t.folder.read("MY.LIB"), libBytes({{"M", "A", 1}}));
    EXPECT_FALSE(std::filesystem::exists(backup));
}

TEST_F(LibWriterTest, ABackupTheWriterDidNotMakeIsLeftAlone)
{
    t.folder.write("MY.LI_", "someone's file");
    addModule(t.ws, "M", {{"A", 1}});
    ASSERT_TRUE(writeLibrary(t.ws, target).ok());
    EXPECT_EQ(t.folder.read("MY.LI_"), "someone's file");
}

/// The title of the message for a save failing at `op` with `code`.
std::string faultTitle(FileOp op, int code)
{
    if (op == FileOp::Create || op == FileOp::Rename)
        return "CLARION QUILLON 32 - Open file error!";
    return code == 5 ? "CLARION QUILLON 32 - Disk full!"
                     : "CLARION QUILLON 32 - Error while saving file!";
}

TEST_F(LibWriterTest, ASaveFailingAtAnyFileOperationKeepsTheOldFileAndTheLibrary)
{
    addModule(t.ws, "M", {{"A", 1}, {"B", 2}});
    addModule(t.ws, "N", {{"C", 3}});
    const LibraryList rows = t.ws.library.rows;
    const std::string old = libBytes({{"OLD", "X", 9}});

    // Every file operation of one save, in order: create, the one write of the records (they
    // are written in blocks), flush, close, rename.
    std::vector<FileOp> ops;
    t.files.setFaultHook([&](FileOp op, const std::string&) {
        ops.push_back(op);
        return 0;
    });
    ASSERT_TRUE(writeLibrary(t.ws, target).ok());
    ASSERT_EQ(ops, (std::vector<FileOp>{FileOp::Create, FileOp::Write, FileOp::Flush,
                                        FileOp::Close, FileOp::Rename}));

    for (const int code : {90, 5}) {
        for (std::size_t failing = 0; failing < ops.size(); ++failing) {
            SCOPED_TRACE(::testing::Message() << "operation " << failing << " code " << code);
            t.folder.write("MY.LIB", old);
            t.ui.messages.clear();
            std::size_t calls = 0;
            t.files.setFaultHook([&](FileOp, const std::string&) {
                return calls++ == failing ? code : 0;
            });
            const Status written = writeLibrary(t.ws, target);
            t.files.setFaultHook({});
            ASSERT_FALSE(written.ok());
            EXPECT_EQ(written.error().code, code);
            EXPECT_EQ(t.folder.read("MY.LIB"), old);
            EXPECT_EQ(t.folder.names(), std::vector<std::string>{"MY.LIB"});
            EXPECT_EQ(t.ws.library.rows, rows);
            ASSERT_EQ(t.ui.messages.size(), 1u);
            EXPECT_EQ(t.ui.messages[0].title, faultTitle(ops[failing], code));
        }
    }
}

TEST_F(LibWriterTest, AFailedFirstSaveLeavesNoFileBehind)
{
    addModule(t.ws, "M", {{"A", 1}});
    t.files.setFaultHook([](FileOp op, const std::string&) { return op == FileOp::Flush ? 5 : 0; });
    EXPECT_FALSE(writeLibrary(t.ws, target).ok());
    EXPECT_TRUE(t.folder.names().empty());
}

TEST_F(LibWriterTest, FailureMessagesAreExact)
{
    t.ws.options.UseStatusBar = true;
    addModule(t.ws, "M", {{"A", 1}});
    t.files.setFaultHook([](FileOp op, const std::string&) { return op == FileOp::Write ? 5 : 0; });
    (void)writeLibrary(t.ws, target);
    t.files.setFaultHook(
        [](FileOp op, const std::string&) { return op == FileOp::Create ? 3 : 0; });
    (void)writeLibrary(t.ws, target);
    t.files.setFaultHook(
        [](FileOp op, const std::string&) { return op == FileOp::Close ? 90 : 0; });
    (void)writeLibrary(t.ws, target);
    ASSERT_EQ(t.ui.messages.size(), 3u);
    EXPECT_EQ(t.ui.messages[0].title, "CLARION QUILLON 32 - Disk full!");
    EXPECT_EQ(t.ui.messages[0].text,
              "    Not enough room on disk to save file.|    File was not saved.|    Posted "
              "errorcode: #5|    Posted error: Access denied" +
                  fileLines(target));
    EXPECT_EQ(t.ui.messages[1].title, "CLARION QUILLON 32 - Open file error!");
    EXPECT_EQ(t.ui.messages[1].text,
              "    An error was posted while opening/creating file for output.|    (This error may "
              "also occur if an illegal filename was used).|    File was not saved.|    Posted "
              "errorcode: #3|    Posted error: Path not found" +
                  fileLines(target));
    EXPECT_EQ(t.ui.messages[2].title, "CLARION QUILLON 32 - Error while saving file!");
    EXPECT_EQ(t.ui.messages[2].text,
              "    An error was posted while saving file.|    File was not saved.|    Posted "
              "errorcode: #90|    Posted error: System error" +
                  fileLines(target));
    EXPECT_EQ(t.ui.statusText(1), "Error posted: #90 - System error");

    t.ui.messages.clear();
    t.ws.options.UseNoMessages = true;
    (void)writeLibrary(t.ws, target);
    EXPECT_TRUE(t.ui.messages.empty());
}

TEST_F(LibWriterTest, QueueErrorMessageNamesTheRow)
{
    const ui::MessageBox box =
        saveFailureMessage(SaveFailure::Queue, Error{30, "Entry not found"}, "/a/X.LIB", 17);
    EXPECT_EQ(box.title, "CLARION QUILLON 32 - QUEUE Error!");
    EXPECT_EQ(box.text,
              "    Error while reading memory queue for output.|    File was not saved.|    Posted "
              "errorcode: #30|    Posted error: Entry not found|    Record No#: 17" +
                  fileLines("/a/X.LIB"));
}

TEST_F(LibWriterTest, CodeTwoWhileWritingRestoresQuietlyOnlyInTheLibraryWriter)
{
    t.folder.write("MY.LIB", "old");
    addModule(t.ws, "M", {{"A", 1}});
    t.ws.queryResults.rows = {{ModuleName("M"), "A", 1, 1, 0}};
    t.files.setFaultHook([](FileOp op, const std::string&) { return op == FileOp::Write ? 2 : 0; });
    const Status library = writeLibrary(t.ws, target);
    ASSERT_FALSE(library.ok());
    EXPECT_EQ(library.error().code, 2);
    EXPECT_TRUE(t.ui.messages.empty());
    EXPECT_EQ(t.folder.read("MY.LIB"), "old");

    EXPECT_FALSE(writeQueryResults(t.ws, target).ok());
    ASSERT_EQ(t.ui.messages.size(), 1u);
    EXPECT_EQ(t.ui.messages[0].title, "CLARION QUILLON 32 - Error while saving file!");
    EXPECT_EQ(t.folder.read("MY.LIB"), "old");
}

TEST_F(LibWriterTest, MissingOrReadOnlyFolderGivesOpenFileError)
{
    addModule(t.ws, "M", {{"A", 1}});
    const Status missing = writeLibrary(t.ws, t.folder.file("missing/MY.LIB"));
    ASSERT_FALSE(missing.ok());
    ASSERT_EQ(t.ui.messages.size(), 1u);
    EXPECT_EQ(t.ui.messages[0].title, "CLARION QUILLON 32 - Open file error!");

#ifdef _WIN32
    GTEST_SKIP() << "folder permission bits do not make a folder read-only here";
#else
    if (::geteuid() == 0)
        GTEST_SKIP() << "folder permissions do not bind the superuser";
#endif
    const std::string old = libBytes({{"OLD", "X", 9}});
    t.folder.write("ro/MY.LIB", old);
    const auto folder = t.folder.path() / "ro";
    std::filesystem::permissions(
        folder, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    const Status readOnly = writeLibrary(t.ws, t.folder.file("ro/MY.LIB"));
    std::filesystem::permissions(folder, std::filesystem::perms::owner_all);
    ASSERT_FALSE(readOnly.ok());
    ASSERT_EQ(t.ui.messages.size(), 2u);
    EXPECT_EQ(t.ui.messages[1].title, "CLARION QUILLON 32 - Open file error!");
    EXPECT_EQ(t.folder.read("ro/MY.LIB"), old);
}

TEST_F(LibWriterTest, AFolderNamedLikeTheTargetIsNeverMoved)
{
    std::filesystem::create_directory(target);
    addModule(t.ws, "M", {{"A", 1}});
    const Status written = writeLibrary(t.ws, target);
    ASSERT_FALSE(written.ok());
    EXPECT_EQ(written.error().code, 5);
    EXPECT_TRUE(std::filesystem::is_directory(target));
    EXPECT_EQ(t.folder.names(), std::vector<std::string>{"MY.LIB"});
}

}  // namespace
}  // namespace quillon::lib
