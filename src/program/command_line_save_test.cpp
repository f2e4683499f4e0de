// Tests of silent command-line runs and the multi-file loader, over files the image builder
// writes, decoding the LIB files the runs write.
#include "program/command_line_save.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <tuple>

#include "lib/lib_reader.h"
#include "platform/paths.h"
#include "program/file_loader.h"
#include "support/exe_builder.h"
#include "support/lib_builder.h"
#include "support/sample_files.h"
#include "support/test_workspace.h"
#include "platform/native_path.h"

namespace quillon {
namespace {

using testing::TestWorkspace;
using Triple = std::tuple<std::string, std::string, int>;

const std::string kSep = "|" + std::string(95, '\xA0');
const std::string kHint = "|    [Suppress messages in the Advanced Options dialog]";

/// A command line as the result messages show it: upper-cased where letter case does not matter.
std::string kShown(const std::string& typed)
{
#ifdef _WIN32
    return upperCase(typed);
#else
    return typed;
#endif
}

/// The (module, symbol, ordinal) rows of a LIB file, read with the LIB reader.
std::vector<Triple> decodeLib(const std::string& path)
{
    TestWorkspace t;
    lib::LibLoadRequest request;
    request.fileName = path;
    request.quiet = true;
    EXPECT_TRUE(lib::loadLibrary(t.ws, request).ok());
    std::vector<Triple> rows;
    for (const LibraryRow& row : t.ws.library.rows) {
        if (row.isSymbol())
            rows.emplace_back(row.MODULENAME.str(), row.SYMBOL, row.ORDINAL);
    }
    return rows;
}

class SilentRun : public ::testing::Test {
protected:
    SilentRun()
    {
        a = t.folder.write("dlls/ALPHA.DLL", testing::buildPeWithNames({"One", "Two"}, "ALPHA.dll").bytes);
        b = t.folder.write("dlls/BETA.DLL", testing::buildPeWithNames({"Three"}, "BETA.dll").bytes);
        text = t.folder.write("dlls/NOTES.DLL", std::string(200, 'x'));
    }

    BatchResult run(std::vector<std::string> parameters)
    {
        BatchResult result;
        const CommandLine line = parseCommandLine(std::move(parameters), SwitchRule::Posix);
        EXPECT_EQ(processCommandLine(t.ws, line, {}, &result), 1);
        return result;
    }

    TestWorkspace t;
    std::string a, b, text;
};

TEST_F(SilentRun, AFailedWriteTellsTheWritersErrorNotThatOfTheLastFileRead)
{
    // The last input is rejected; the target's folder does not exist.
    const BatchResult r = run({a, text, "/s:" + t.folder.file("none/X.LIB")});
    EXPECT_TRUE(r.outcome == BatchOutcome::OpenFileError || r.outcome == BatchOutcome::WriteFailed);
    EXPECT_NE(r.code, 0);
    EXPECT_FALSE(r.errorText.empty());
    EXPECT_EQ(r.errorText.find("NoLib"), std::string::npos) << r.errorText;
}

TEST_F(SilentRun, DefaultTargetBesideTheFirstFile)
{
    const BatchResult r = run({a, b, "/s"});
    EXPECT_EQ(r.outcome, BatchOutcome::Saved);
    EXPECT_EQ(r.target, t.files.fullPath(t.folder.file("dlls/Alpha.lib")));
    EXPECT_EQ(decodeLib(r.target), (std::vector<Triple>{{"ALPHA.dll", "One", 1},
                                                        {"ALPHA.dll", "Two", 2},
                                                        {"BETA.dll", "Three", 1}}));
    ASSERT_EQ(t.ui.messages.size(), 1u);
    EXPECT_EQ(t.ui.messages[0].title, "CLARION QUILLON 32 - LIB-file created");
    EXPECT_EQ(batchExitCode(r), ExitStatus::Success);
}

TEST_F(SilentRun, ModuleNameLongerThan20CharactersIsWrittenWhole)
{
    const std::string name = "windows.devices.enumeration.dll";
    const std::string dll =
        t.folder.write("dlls/" + name, testing::buildPeWithNames({"Find"}, name).bytes);
    const BatchResult r = run({dll, "/s:wde.lib"});
    ASSERT_EQ(r.outcome, BatchOutcome::Saved);
    EXPECT_EQ(t.folder.read("dlls/wde.lib"), testing::libBytes({{name, "Find", 1}}));
}

TEST_F(SilentRun, TargetNamedWithAndWithoutFolder)
{
    BatchResult r = run({a, "/s:X.LIB"});
    EXPECT_EQ(r.target, t.files.fullPath(t.folder.file("dlls/X.LIB")));
    EXPECT_TRUE(std::filesystem::exists(r.target));
    TestWorkspace other;
    const std::string full = t.folder.file("out/Y.LIB");
    std::filesystem::create_directories(t.folder.file("out"));
    const CommandLine line = parseCommandLine({a, "/s:" + full}, SwitchRule::Posix);
    ASSERT_EQ(processCommandLine(other.ws, line, {}, &r), 1);
    EXPECT_EQ(r.target, t.files.fullPath(full));
    EXPECT_EQ(decodeLib(full).size(), 2u);
}

TEST_F(SilentRun, FilesAfterTheSwitchAreNotRead)
{
    const BatchResult r = run({a, "/s", b});
    EXPECT_EQ(decodeLib(r.target).size(), 2u);
}

TEST_F(SilentRun, MissingInputsAndFilesWithoutNames)
{
    BatchResult r = run({t.folder.file("dlls/GONE.DLL"), "/s"});
    EXPECT_EQ(r.outcome, BatchOutcome::NotLocated);
    ASSERT_EQ(t.ui.messages.size(), 1u);
    EXPECT_EQ(t.ui.messages[0].title, "CLARION QUILLON 32 - File(s) not located!");
    EXPECT_EQ(t.ui.messages[0].text,
              "    Creating LIB-file failed - Input file(s) not located!||    Command line "
              "parameter(s):|    " +
                  kShown(t.folder.file("dlls/GONE.DLL") + " /s") + "|    LIB-file name:|    " +
                  platform::nativePath(t.folder.file("dlls/Gone.lib")) + kSep + kHint);
    EXPECT_EQ(batchExitCode(r), ExitStatus::NotFound);

    TestWorkspace u;
    const CommandLine line = parseCommandLine({text, "/s"}, SwitchRule::Posix);
    ASSERT_EQ(processCommandLine(u.ws, line, {}, &r), 1);
    EXPECT_EQ(r.outcome, BatchOutcome::NoNames);
    ASSERT_FALSE(u.ui.messages.empty());
    EXPECT_EQ(u.ui.messages.back().title, "CLARION QUILLON 32 - No exported names found!");
    EXPECT_FALSE(std::filesystem::exists(t.folder.file("dlls/Notes.lib")));
}

TEST_F(SilentRun, SuppressedMessagesEndWithoutAnyMessageOrFile)
{
    t.ws.options.UseNoMessages = true;
    BatchResult r = run({t.folder.file("dlls/GONE.DLL"), "/s"});
    EXPECT_EQ(r.outcome, BatchOutcome::NotLocated);
    r = run({text, "/s"});
    EXPECT_EQ(r.outcome, BatchOutcome::NoNames);
    EXPECT_TRUE(t.ui.messages.empty());
    EXPECT_FALSE(std::filesystem::exists(t.folder.file("dlls/Notes.lib")));
}

TEST_F(SilentRun, WriteFailureIsReportedWithTheWritersCode)
{
    std::filesystem::create_directories(t.folder.file("dlls/Alpha.lib"));  // a folder in the way
    const BatchResult r = run({a, "/s"});
    EXPECT_NE(r.outcome, BatchOutcome::Saved);
    EXPECT_NE(batchExitCode(r), ExitStatus::Success);
    ASSERT_FALSE(t.ui.messages.empty());
    EXPECT_NE(t.ui.messages.back().title.find("CLARION QUILLON 32 - "), std::string::npos);
    EXPECT_TRUE(std::filesystem::is_directory(t.folder.file("dlls/Alpha.lib")));
}

TEST_F(SilentRun, SortsByTheLibSortOrderAndRemovesExcludedSymbols)
{
    const std::string c = t.folder.write("dlls/GAMMA.DLL",
                                         testing::buildPeWithNames({"Zed", "Alpha", "WEP"}, "GAMMA.dll").bytes);
    t.ws.options.UseLIBSortOrder = LibSortOrder::SymbolNames;
    t.ws.options.UseExcludeList = true;
    t.ws.excludeList.assign({{"wep", 1}});
    const BatchResult r = run({c, "/s"});
    EXPECT_EQ(decodeLib(r.target),
              (std::vector<Triple>{{"GAMMA.dll", "Alpha", 2}, {"GAMMA.dll", "Zed", 1}}));
}

TEST_F(SilentRun, RemovesGlobalDuplicatesInEveryKeepMode)
{
    const std::string c = t.folder.write(
        "dlls/GAMMA.DLL", testing::buildPeWithNames({"One", "Own"}, "GAMMA.dll").bytes);
    const std::vector<Triple> keepNone{{"ALPHA.dll", "Two", 2}, {"GAMMA.dll", "Own", 2}};
    const std::vector<Triple> keepFirst{
        {"ALPHA.dll", "One", 1}, {"ALPHA.dll", "Two", 2}, {"GAMMA.dll", "Own", 2}};
    // The "Match saved LIB" modes find no saved LIB file and keep none or the first.
    const std::vector<std::vector<Triple>> expected{keepNone, keepFirst, keepNone, keepFirst};
    for (int mode = 0; mode < 4; ++mode) {
        TestWorkspace run;
        run.ws.options.UseExcludeList = true;
        run.ws.options.UseExcludeGlobalDuplicates = true;
        run.ws.options.UseExcludeGlobalDuplicatesSet =
            static_cast<DuplicateKeep>(mode);  // each stored number
        const std::string target = t.folder.file("out" + std::to_string(mode) + ".lib");
        const CommandLine line = parseCommandLine({a, c, "/s:" + target}, SwitchRule::Posix);
        BatchResult r;
        ASSERT_EQ(processCommandLine(run.ws, line, {}, &r), 1);
        EXPECT_EQ(decodeLib(target), expected[static_cast<std::size_t>(mode)]) << mode;
    }
}

TEST_F(SilentRun, TerminalResultNamesTheFirstInputsAndTheQuietSwitch)
{
    std::vector<std::string> parameters{a, b};
    for (int i = 0; i < 5; ++i)
        parameters.push_back(
            t.folder.write("dlls/More" + std::to_string(i) + ".dll",
                           testing::buildPeWithNames({"M" + std::to_string(i)}, "MORE.dll").bytes));
    parameters.push_back("/s");
    BatchResult r;
    const CommandLine line = parseCommandLine(parameters, SwitchRule::Posix);
    ASSERT_EQ(processCommandLine(t.ws, line, {}, &r, ResultForm::Terminal), 1);
    ASSERT_EQ(t.ui.messages.size(), 1u);
    const std::string& text = t.ui.messages[0].text;
    EXPECT_NE(text.find("|    " + kShown(a + " " + b)), std::string::npos) << text;
    EXPECT_NE(text.find(" ... and 2 more " + kShown("/s")), std::string::npos) << text;
    EXPECT_EQ(text.find(kShown(parameters[6])), std::string::npos) << text;
    EXPECT_TRUE(text.ends_with(
        "|    [Suppress messages with --quiet, or with UseNoMessages=1 in section [Options]]"));
}

TEST_F(SilentRun, DerivedTargetTakesTheSpellingOfTheLibFileOnDisk)
{
    if (!platform::kCaseSensitivePaths)
        GTEST_SKIP() << "names ignore letter case here: All.lib is all.lib";
    // The library opened from all.lib is saved back into all.lib, not into a new All.lib.
    const std::string all = t.folder.write("libs/all.lib", testing::libBytes({{"A", "F", 1}}));
    const BatchResult r = run({all, "/s"});
    EXPECT_EQ(r.outcome, BatchOutcome::Saved);
    EXPECT_EQ(r.target, t.files.fullPath(all));
    EXPECT_FALSE(std::filesystem::exists(t.folder.file("libs/All.lib")));
    EXPECT_EQ(t.ws.library.LibraryFileName, t.files.fullPath(all));
}

TEST(LoadFileList, OpenedLibFileIsItsOwnTargetWhereCaseMatters)
{
    if (!platform::kCaseSensitivePaths)
        GTEST_SKIP() << "names ignore letter case here";
    TestWorkspace t;
    const std::string lower = t.folder.write("x/all.lib", testing::libBytes({{"A", "F", 1}}));
    loadFileList(t.ws, makeInputFileList(t.ws, {lower}));
    EXPECT_EQ(t.ws.library.LibraryFileName, lower);

    // A DLL beside a LIB file of its name in other letters takes that file as its target.
    TestWorkspace u;
    const std::string dll =
        t.folder.write("x/ALL.DLL", testing::buildPeWithNames({"G"}, "ALL.dll").bytes);
    loadFileList(u.ws, makeInputFileList(u.ws, {dll}));
    EXPECT_EQ(u.ws.library.LibraryFileName, lower);
}

TEST(LoadFileList, TwoFilesArriveCollapsedAndRejectionsAreQuiet)
{
    TestWorkspace t;
    t.ws.options.UseExpandAll = true;
    t.ws.options.UseStatusBar = true;
    const std::string a = t.folder.write("A.DLL", testing::buildPeWithNames({"F"}, "A.dll").bytes);
    const std::string le = t.folder.write("LE.DLL", testing::buildLe().bytes);
    LoadCounts counts;
    EXPECT_EQ(loadFileList(t.ws, makeInputFileList(t.ws, {a, le}), {}, {}, &counts), 2);
    EXPECT_EQ(t.ws.library.rows[0].TREELEVEL, TreeLevel::ModuleCollapsed);
    EXPECT_TRUE(t.ws.options.UseExpandAll);
    EXPECT_FALSE(t.ws.options.UseNoMessages);
    EXPECT_EQ(counts.withoutNames, 1);
    // Only the summary: one of the two files had no names.
    ASSERT_EQ(t.ui.messages.size(), 1u);
    EXPECT_EQ(t.ui.messages[0].title, "CLARION QUILLON 32 - Missing exported names!");
    EXPECT_EQ(t.ui.statusText(1), "No exported names found in one of the 2 selected files");
    EXPECT_EQ(t.ui.statusText(2), "1 module");
    EXPECT_EQ(t.ws.library.LibraryFileName, t.folder.file("A.lib"));
    EXPECT_EQ(t.settings.readSetting("Folders", "LastAddFolder"), t.folder.file(""));
}

TEST(LoadFileList, SecondLoadCountsNewRowsAndMarksTheLibraryChanged)
{
    TestWorkspace t;
    t.ws.options.UseStatusBar = true;
    const std::string a = t.folder.write("A.DLL", testing::buildPeWithNames({"F", "G"}, "A.dll").bytes);
    const std::string b = t.folder.write("B.DLL", testing::buildPeWithNames({"H"}, "B.dll").bytes);
    loadFileList(t.ws, makeInputFileList(t.ws, {a}));
    EXPECT_FALSE(t.ws.library.LibraryChanged);
    EXPECT_EQ(t.ui.statusText(1), "File loaded: " + a);
    loadFileList(t.ws, makeInputFileList(t.ws, {b}));
    EXPECT_TRUE(t.ws.library.LibraryChanged);
    EXPECT_EQ(t.ui.statusText(2), "1 new module");
    EXPECT_EQ(t.ui.statusText(3), "1 new symbol");
    EXPECT_EQ(t.ws.library.rows.back().UNSORTED, 5u);
}

TEST(LoadFileList, SameDllAgainAsksAndYesAbortsIt)
{
    TestWorkspace t;
    const std::string a = t.folder.write("A.DLL", testing::buildPeWithNames({"F"}, "A.dll").bytes);
    loadFileList(t.ws, makeInputFileList(t.ws, {a}));
    t.ui.answers = {1};  // "&Yes": abort loading this module
    LoadCounts counts;
    loadFileList(t.ws, makeInputFileList(t.ws, {a}), {}, {}, &counts);
    EXPECT_EQ(t.ui.messages.at(0).title, "CLARION QUILLON 32 - Duplicate!");
    EXPECT_EQ(counts.aborted, 1);
    EXPECT_EQ(t.ws.library.rows.size(), 2u);
    EXPECT_EQ(t.ws.library.ModuleCount, 1u);
    EXPECT_EQ(t.ws.library.SymbolCount, 1u);
}

TEST(BundledSamples, MatchWhatTheGeneratorMakes)
{
    TestWorkspace t;
    for (const testing::SampleFile& sample : testing::bundledSamples()) {
        const std::string path = std::string(QUILLON_SOURCE_DIR) + "/samples/" + sample.name;
        Result<std::vector<std::byte>> bytes = t.files.readWholeFile(path);
        ASSERT_TRUE(bytes.ok()) << path;
        EXPECT_TRUE(*bytes == sample.bytes) << sample.name << " differs: run make_samples";
    }
}

}  // namespace
}  // namespace quillon
