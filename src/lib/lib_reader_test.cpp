// Tests of the LIB test, the library loader, the reference loader and the file test.
#include "lib/lib_reader.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "core/library_model.h"
#include "base/text_encoding.h"
#include "lib/lib_messages.h"
#include "platform/file_system.h"
#include "support/lib_builder.h"
#include "support/test_workspace.h"

namespace quillon::lib {
namespace {

using testing::LibBuilder;
using testing::libBytes;

/// Module name, symbol name and ordinal of each row; module rows show ordinal 0.
struct Shape {
    std::string module;
    std::string symbol;
    std::uint16_t ordinal = 0;
    bool isModule = false;
    friend bool operator==(const Shape&, const Shape&) = default;
};

std::vector<Shape> shapeOf(const Workspace& ws)
{
    std::vector<Shape> shape;
    for (const LibraryRow& row : ws.library.rows)
        shape.push_back({row.MODULENAME.str(), row.SYMBOL.str(), row.ORDINAL, row.isModule()});
    return shape;
}

Shape mod(std::string name)
{
    return {name, name, 0, true};
}
Shape sym(std::string module, std::string symbol, std::uint16_t ordinal)
{
    return {std::move(module), std::move(symbol), ordinal, false};
}

std::string spacerLine()
{
    return "|" + std::string(90, kNonBreakingSpace) + "|    File:|    ";
}

class LibReaderTest : public ::testing::Test {
protected:
    Result<LibLoadOutcome> load(const std::string& path, std::string moduleName = {},
                                bool quietLoad = false)
    {
        LibLoadRequest request;
        request.fileName = path;
        request.moduleName = std::move(moduleName);
        request.QuietLoad = quietLoad;
        return loadLibrary(t.ws, request);
    }

    testing::TestWorkspace t;
};

TEST_F(LibReaderTest, LoadsModulesAndSymbolsInFileOrder)
{
    const std::string path = t.folder.write(
        "A.LIB", libBytes({{"KERNEL", "Beep", 4}, {"KERNEL", "Yield", 29}, {"USER", "Box", 1}}));
    const auto outcome = load(path);
    ASSERT_TRUE(outcome.ok());
    EXPECT_EQ(*outcome, (LibLoadOutcome{LibLoadEnd::Loaded, 5}));
    EXPECT_EQ(shapeOf(t.ws),
              (std::vector<Shape>{mod("KERNEL"), sym("KERNEL", "Beep", 4),
                                  sym("KERNEL", "Yield", 29), mod("USER"), sym("USER", "Box", 1)}));
    const LibraryRow& module = t.ws.library.rows[0];
    EXPECT_EQ(module.TREELEVEL, TreeLevel::ModuleCollapsed);
    EXPECT_EQ(module.ICON, RowIcon::ShutFold);
    EXPECT_EQ(module.MARK, 0);
    EXPECT_EQ(module.fileName(), path);
    EXPECT_EQ(module.fileNameDll(), "");
    EXPECT_EQ(t.ws.library.rows[1].ICON, RowIcon::Function);
    EXPECT_EQ(t.ws.library.rows[1].TREELEVEL, TreeLevel::Symbol);
    EXPECT_EQ(t.ws.library.ModuleCount, 2u);
    EXPECT_EQ(t.ws.library.SymbolCount, 3u);
    EXPECT_EQ(t.ws.library.modules.size(), 2u);
    EXPECT_TRUE(t.ui.messages.empty());
}

TEST_F(LibReaderTest, RepeatedRecordOpensASecondModuleOfTheSameName)
{
    const std::string path =
        t.folder.write("A.LIB", libBytes({{"M", "A", 1}, {"M", "A", 1}, {"M", "B", 2}}));
    ASSERT_TRUE(load(path).ok());
    EXPECT_EQ(shapeOf(t.ws), (std::vector<Shape>{mod("M"), sym("M", "A", 1), mod("M"),
                                                 sym("M", "A", 1), sym("M", "B", 2)}));
}

TEST_F(LibReaderTest, OtherRecordsDoNotInterruptAModule)
{
    LibBuilder lib;
    lib.import("A", "X", 1).record(0x96, "\x04NAME").import("A", "Y", 2);
    ASSERT_TRUE(load(t.folder.write("A.LIB", lib.bytes())).ok());
    EXPECT_EQ(shapeOf(t.ws), (std::vector<Shape>{mod("A"), sym("A", "X", 1), sym("A", "Y", 2)}));
}

TEST_F(LibReaderTest, ModuleAlreadyPresentArrivesHooked)
{
    const std::string path = t.folder.write("A.LIB", libBytes({{"KERNEL", "Beep", 4}}));
    ASSERT_TRUE(load(path).ok());
    ASSERT_TRUE(load(path).ok());
    ASSERT_EQ(t.ws.library.rows.size(), 4u);
    EXPECT_EQ(t.ws.library.rows[2].MARK, 1);
    EXPECT_EQ(t.ws.library.rows[3].MARK, 1);
    EXPECT_EQ(t.ws.library.rows[2].ICON, RowIcon::ShutFoldBlueHook);
    EXPECT_EQ(t.ws.library.rows[3].UNSORTED, 4u);
}

TEST_F(LibReaderTest, SearchModeTakesOneModuleInAnyLetterCase)
{
    t.ws.options.UseStatusBar = true;
    const std::string path = t.folder.write("A.LIB", libBytes({{"USER", "Box", 1},
                                                               {"Kernel", "Beep", 4},
                                                               {"Kernel", "Yield", 29},
                                                               {"GDI", "Line", 3},
                                                               {"Kernel", "Late", 30}}));
    const auto outcome = load(path, "kernel");
    ASSERT_TRUE(outcome.ok());
    EXPECT_EQ(outcome->end, LibLoadEnd::Loaded);
    // The later group of the same name is another module and is not merged into this one.
    EXPECT_EQ(shapeOf(t.ws), (std::vector<Shape>{mod("Kernel"), sym("Kernel", "Beep", 4),
                                                 sym("Kernel", "Yield", 29)}));
    EXPECT_EQ(t.ui.progressCaptions, (std::vector<std::string>{"Searching file..."}));
    EXPECT_EQ(t.ui.statusText(2), "Loading...");
}

TEST_F(LibReaderTest, SearchModeEndsAtASecondModuleOfTheSameName)
{
    const std::string path = t.folder.write(
        "A.LIB", libBytes({{"KERNEL", "Beep", 4}, {"Kernel", "Beep", 4}, {"KERNEL", "X", 5}}));
    ASSERT_TRUE(load(path, "KERNEL").ok());
    EXPECT_EQ(shapeOf(t.ws), (std::vector<Shape>{mod("KERNEL"), sym("KERNEL", "Beep", 4)}));
}

TEST_F(LibReaderTest, SearchModeReportsAModuleNotFound)
{
    t.ws.options.UseStatusBar = true;
    t.ui.status(3, "3 symbols");
    const auto outcome = load(t.folder.write("A.LIB", libBytes({{"USER", "Box", 1}})), "GDI");
    ASSERT_TRUE(outcome.ok());
    EXPECT_EQ(*outcome, (LibLoadOutcome{LibLoadEnd::ModuleNotFound, 0}));
    EXPECT_TRUE(t.ws.library.rows.empty());
    EXPECT_EQ(t.ui.statusText(2), "Module not found");
    EXPECT_EQ(t.ui.statusText(3), "");
}

TEST_F(LibReaderTest, EscapeRemovesEverythingTheLoadAdded)
{
    ASSERT_TRUE(load(t.folder.write("A.LIB", libBytes({{"A", "X", 1}}))).ok());
    const LibraryList rowsBefore = t.ws.library.rows;
    const ModuleTable modulesBefore = t.ws.library.modules;
    const std::string second =
        t.folder.write("B.LIB", libBytes({{"B", "X", 1}, {"B", "Y", 2}, {"C", "Z", 3}}));
    t.ui.keys = {ui::PendingKey::Escape};
    t.clock.now += 100;
    const auto cancelled = load(second);
    ASSERT_TRUE(cancelled.ok());
    EXPECT_EQ(cancelled->end, LibLoadEnd::Cancelled);
    EXPECT_EQ(t.ws.library.rows, rowsBefore);
    EXPECT_EQ(t.ws.library.modules, modulesBefore);
    EXPECT_EQ(t.ws.library.SymbolCount, 1u);
    EXPECT_EQ(t.ws.library.ModuleCount, 1u);
}

TEST_F(LibReaderTest, NotALibraryFileIsReportedByteForByte)
{
    const std::string path = t.folder.write("X.LIB", LibBuilder().importByName("M", "A").bytes());
    const auto outcome = load(path);
    ASSERT_TRUE(outcome.ok());
    EXPECT_EQ(outcome->end, LibLoadEnd::NotLibrary);
    ASSERT_EQ(t.ui.messages.size(), 1u);
    EXPECT_EQ(t.ui.messages[0].title, "CLARION QUILLON 32 - NOT a library file!");
    EXPECT_EQ(t.ui.messages[0].text,
              "    This file is NOT a Clarion LIB-file containing any linking|    information "
              "recognizeable by Clarion Quillon." +
                  spacerLine() + path + "|    (This file cannot be opened by Clarion Quillon)");
}

TEST_F(LibReaderTest, QuietLoadShowsNoMessage)
{
    const auto outcome = load(t.folder.write("X.LIB", ""), {}, true);
    ASSERT_TRUE(outcome.ok());
    EXPECT_EQ(outcome->end, LibLoadEnd::NotLibrary);
    EXPECT_TRUE(t.ui.messages.empty());
}

TEST_F(LibReaderTest, EmptyLoadIsRemovedAndReported)
{
    t.ws.options.UseStatusBar = true;
    t.ui.status(3, "1 symbol");
    appendModuleRow(t.ws, "M", kOsUnknown);
    EXPECT_TRUE(dropEmptyLoad(t.ws, 0, "/x/E.LIB", true, false));
    EXPECT_TRUE(t.ws.library.rows.empty());
    EXPECT_EQ(t.ui.statusText(3), "");
    ASSERT_EQ(t.ui.messages.size(), 1u);
    EXPECT_EQ(t.ui.messages[0].title, "CLARION QUILLON 32 - Empty library file!");
    EXPECT_EQ(t.ui.messages[0].text,
              "    This LIB-file does not contain any linking information|    recognizeable by "
              "Clarion Quillon." +
                  spacerLine() + "/x/E.LIB|    (This file cannot be opened by Clarion Quillon)");

    appendModuleRow(t.ws, "M", kOsUnknown);
    appendSymbolRow(t.ws, "A", 1);
    EXPECT_FALSE(dropEmptyLoad(t.ws, 0, "/x/E.LIB", true, false));
    EXPECT_EQ(t.ws.library.rows.size(), 2u);
}

TEST_F(LibReaderTest, OpenErrorsGoBackWithoutAMessage)
{
    const auto missing = load(t.folder.file("NONE.LIB"));
    ASSERT_FALSE(missing.ok());
    EXPECT_EQ(missing.error(), (Error{2, "File not found"}));

    std::filesystem::create_directory(t.folder.file("DIR.LIB"));
    const auto folder = load(t.folder.file("DIR.LIB"));
    ASSERT_FALSE(folder.ok());
    EXPECT_EQ(folder.error().code, 5);
    EXPECT_TRUE(t.ui.messages.empty());
}

TEST_F(LibReaderTest, ReadErrorIsPosted)
{
    const std::string path = t.folder.write("A.LIB", libBytes({{"M", "A", 1}}));
    t.files.setFaultHook([](platform::FileOp op, const std::string&) {
        return op == platform::FileOp::Read ? 90 : 0;
    });
    const auto outcome = load(path);
    ASSERT_FALSE(outcome.ok());
    EXPECT_EQ(outcome.error().code, 90);
    EXPECT_TRUE(t.ws.library.rows.empty());
}

TEST_F(LibReaderTest, RowsBeforeATruncatedHeaderStay)
{
    LibBuilder lib;
    lib.import("M", "A", 1).raw("\x88\x05");
    const auto outcome = load(t.folder.write("A.LIB", lib.bytes()));
    ASSERT_FALSE(outcome.ok());
    EXPECT_EQ(outcome.error().code, 33);
    EXPECT_EQ(shapeOf(t.ws), (std::vector<Shape>{mod("M"), sym("M", "A", 1)}));
    EXPECT_EQ(t.ws.library.SymbolCount, 1u);
}

#ifndef _WIN32
// On Windows no other program can shorten a file the loader has open.
TEST_F(LibReaderTest, AFileCutShortWhileItIsReadEndsTheLoadWithAReadError)
{
    std::string bytes;
    for (int i = 0; i < 2000; ++i)
        bytes += libBytes({{"M", "Function" + std::to_string(i), static_cast<std::uint16_t>(i + 1)}});
    const std::string path = t.folder.write("CUT.LIB", bytes);
    // Another program cuts the file to one page after it was mapped, before it is walked.
    t.files.setFaultHook([](platform::FileOp op, const std::string& file) {
        if (op == platform::FileOp::Read)
            std::filesystem::resize_file(file, 4096);
        return 0;
    });
    const auto outcome = load(path);
    ASSERT_FALSE(outcome.ok());
    EXPECT_EQ(outcome.error().code, 33);
    // The records of the first page stay, as before any read error.
    EXPECT_GT(t.ws.library.SymbolCount, 100u);
    EXPECT_LT(t.ws.library.SymbolCount, 2000u);
}
#endif

TEST_F(LibReaderTest, ProgressFollowsTheFilePositionOrCountsSymbols)
{
    const std::string bytes = libBytes({{"M", "A", 1}, {"M", "B", 2}});
    const std::string path = t.folder.write("A.LIB", bytes);
    ASSERT_TRUE(load(path).ok());
    EXPECT_EQ(t.ui.progressCaptions, (std::vector<std::string>{"Loading..."}));
    EXPECT_EQ(t.ui.progressTexts, (std::vector<std::string>{"13 bytes", "26 bytes", "26 bytes"}));
    EXPECT_EQ(t.ui.progressEnds, 1);

    t.ui.progressTexts.clear();
    t.ws.options.UseStatusBar = true;
    LibLoadRequest request{path, true, false, {}, false, 2};
    ASSERT_TRUE(loadLibrary(t.ws, request).ok());
    EXPECT_EQ(t.ui.progressTexts,
              (std::vector<std::string>{"1 symbols", "2 symbols", "2 symbols"}));

    t.ui.progressTexts.clear();
    request.quiet = true;
    request.moduleName = "m";
    ASSERT_TRUE(loadLibrary(t.ws, request).ok());
    EXPECT_TRUE(t.ui.progressTexts.empty());
    EXPECT_TRUE(t.ui.statusHistory[1].empty());  // no "Loading..." without progress
}

TEST_F(LibReaderTest, LibTestAcceptsOnlyImportsByOrdinal)
{
    const auto yes = libTest(t.ws, t.folder.write("Y.LIB", libBytes({{"M", "A", 1}})));
    ASSERT_TRUE(yes.ok());
    EXPECT_TRUE(*yes);
    EXPECT_TRUE(t.ui.messages.empty());
    const auto no =
        libTest(t.ws, t.folder.write("N.LIB", LibBuilder().importByName("M", "A").bytes()));
    ASSERT_TRUE(no.ok());
    EXPECT_FALSE(*no);
    EXPECT_EQ(t.ui.messages.size(), 1u);
    const auto quiet = libTest(t.ws, t.folder.file("N.LIB"), true);
    ASSERT_TRUE(quiet.ok());
    EXPECT_FALSE(*quiet);
    EXPECT_EQ(t.ui.messages.size(), 1u);
}

TEST_F(LibReaderTest, ReferenceLoaderFillsSavedLibSymbols)
{
    const std::string path =
        t.folder.write("A.LIB", libBytes({{"Kernel", "Beep", 4}, {"USER", "Box", 1}}));
    ASSERT_TRUE(load(path).ok());
    t.ws.library.LibraryFileName = path;
    t.ws.SavedLibSymbols.push_back({});
    ASSERT_TRUE(loadSavedLibSymbols(t.ws).ok());
    const SavedLibSymbolList expected{
        {ModuleName("Kernel"), "Kernel", "KERNEL", TreeLevel::ModuleExpanded, 0, 1, 0},
        {ModuleName("Kernel"), "Beep", "BEEP", TreeLevel::Symbol, 4, 2, 0},
        {ModuleName("USER"), "USER", "USER", TreeLevel::ModuleExpanded, 0, 3, 0},
        {ModuleName("USER"), "Box", "BOX", TreeLevel::Symbol, 1, 4, 0},
    };
    EXPECT_EQ(t.ws.SavedLibSymbols, expected);
    EXPECT_TRUE(t.ui.messages.empty());
}

TEST_F(LibReaderTest, ReferenceLoaderNeedsALibraryFromALibFile)
{
    const std::string path = t.folder.write("A.LIB", libBytes({{"M", "A", 1}}));
    ASSERT_TRUE(load(path).ok());
    t.ws.SavedLibSymbols.push_back({});
    ASSERT_TRUE(loadSavedLibSymbols(t.ws).ok());  // no library file name
    EXPECT_TRUE(t.ws.SavedLibSymbols.empty());

    t.ws.library.LibraryFileName = path;
    t.ws.library.modules[0].FILENAME = "/x/M.DLL";
    ASSERT_TRUE(loadSavedLibSymbols(t.ws).ok());
    EXPECT_TRUE(t.ws.SavedLibSymbols.empty());
}

TEST_F(LibReaderTest, FileTestOfTheCompareDialog)
{
    int executableTests = 0;
    const ExecutableTest exe = [&](Workspace&, const std::string&) {
        ++executableTests;
        return ReadOutcome{};
    };
    EXPECT_TRUE(fileTest(t.ws, t.folder.write("good.lib", libBytes({{"M", "A", 1}})), exe).read());
    EXPECT_TRUE(fileTest(t.ws, t.folder.write("bad.lib", "plain text"), exe).rejected());
    EXPECT_EQ(t.ui.messages.size(), 1u);
    const ReadOutcome missing = fileTest(t.ws, t.folder.file("missing.lib"), exe);
    EXPECT_TRUE(missing.failed());
    EXPECT_EQ(missing.ErrorText, "File not found");
    EXPECT_EQ(t.ui.messages.size(), 1u);
    EXPECT_EQ(executableTests, 0);
    EXPECT_TRUE(fileTest(t.ws, t.folder.file("some.dll"), exe).read());
    EXPECT_EQ(executableTests, 1);
    // A name is a LIB file's only when it ends in ".LIB": a DLL in a folder "my.libs" is an
    // executable.
    EXPECT_TRUE(fileTest(t.ws, t.folder.file("my.libs/some.dll"), exe).read());
    EXPECT_EQ(executableTests, 2);
}

}  // namespace
}  // namespace quillon::lib
