// Tests of the command line and the load summary texts.
#include "program/command_line.h"

#include <gtest/gtest.h>

#include "base/ascii_text.h"
#include "platform/native_path.h"
#include "program/load_summary.h"

namespace quillon {
namespace {

const std::string kPad(90, '\xA0');
using platform::nativePath;

TEST(CommandLine, ShownTextNamesTheFirstInputsAndCountsTheRest)
{
    const CommandLine line =
        parseCommandLine({"a.dll", "b.dll", "c.dll", "d.dll", "/s:x.lib"}, SwitchRule::Posix);
    EXPECT_EQ(upperCase(line.shownText(2)), "A.DLL B.DLL ... AND 2 MORE /S:X.LIB");
    EXPECT_EQ(upperCase(line.shownText(4)), "A.DLL B.DLL C.DLL D.DLL /S:X.LIB");
    EXPECT_EQ(upperCase(line.shownText()), "A.DLL B.DLL C.DLL D.DLL /S:X.LIB");
}

TEST(CommandLine, InputFilesEndAtTheFirstSwitch)
{
    const CommandLine posix =
        parseCommandLine({"/dlls/A.DLL", "b.dll", "/s", "C.DLL"}, SwitchRule::Posix);
    EXPECT_EQ(posix.inputFiles, (std::vector<std::string>{nativePath("/dlls/A.DLL"), "b.dll"}));
    EXPECT_TRUE(posix.silent);
    EXPECT_FALSE(posix.target.has_value());
#ifdef _WIN32
    EXPECT_EQ(posix.shownText(), "/DLLS/A.DLL B.DLL /S C.DLL");
#else
    // Letter case names other files here: the line is shown as typed.
    EXPECT_EQ(posix.shownText(), "/dlls/A.DLL b.dll /s C.DLL");
#endif

    const CommandLine windows = parseCommandLine({"A.DLL", "/s", "B.DLL"}, SwitchRule::Windows);
    EXPECT_EQ(windows.inputFiles, (std::vector<std::string>{"A.DLL"}));
    const CommandLine windowsPath = parseCommandLine({"C:/X/A.DLL", "/s"}, SwitchRule::Windows);
    EXPECT_TRUE(windowsPath.inputFiles.empty());

    const CommandLine dash = parseCommandLine({"A.DLL", "--verbose", "B.DLL"}, SwitchRule::Posix);
    EXPECT_EQ(dash.inputFiles, (std::vector<std::string>{"A.DLL"}));
    EXPECT_FALSE(dash.silent);

    const CommandLine blank = parseCommandLine({"A.DLL", "  ", "B.DLL"}, SwitchRule::Posix);
    EXPECT_EQ(blank.inputFiles, (std::vector<std::string>{"A.DLL"}));
}

TEST(CommandLine, TargetFollowsTheColonOfTheSwitch)
{
    const CommandLine line = parseCommandLine({"A.DLL", "/S:  /out/X.LIB"}, SwitchRule::Posix);
    EXPECT_TRUE(line.silent);
    EXPECT_EQ(line.target, nativePath("/out/X.LIB"));
    EXPECT_FALSE(isSilentSwitch("/sx"));
    EXPECT_FALSE(isSilentSwitch("/dlls/a.dll"));
    EXPECT_TRUE(isSilentSwitch("/s:"));
}

TEST(CommandLine, FileNamesTakeThePlatformsFormWhereTheyEnter)
{
    // Under the Windows rule a parameter holding "/" ends the input files; the target after
    // "/s:" may be written with "/" all the same.
    const CommandLine windows =
        parseCommandLine({"C:\\Libs\\a.dll", "/s:C:/Out/x.lib"}, SwitchRule::Windows);
    EXPECT_EQ(windows.inputFiles, std::vector<std::string>{"C:\\Libs\\a.dll"});
    const CommandLine posix = parseCommandLine({"C:/Libs/b.dll", "/s"}, SwitchRule::Posix);
#ifdef _WIN32
    EXPECT_EQ(windows.target, "C:\\Out\\x.lib");
    EXPECT_EQ(posix.inputFiles, std::vector<std::string>{"C:\\Libs\\b.dll"});
#else
    EXPECT_EQ(windows.target, "C:/Out/x.lib");
    EXPECT_EQ(posix.inputFiles, std::vector<std::string>{"C:/Libs/b.dll"});
#endif
    EXPECT_EQ(windows.parameters[1], "/s:C:/Out/x.lib");  // the line itself as given
}

TEST(CommandLine, SilentTargetRules)
{
    auto target = [](std::vector<std::string> params) {
        return silentTarget(parseCommandLine(std::move(params), SwitchRule::Posix), "/cwd/");
    };
    EXPECT_EQ(target({"/dlls/KERNEL32.DLL", "B.DLL", "/s"}), nativePath("/dlls/Kernel32.lib"));
    EXPECT_EQ(target({"a.b.dll", "/s"}), "/cwd/A.b.lib");
    EXPECT_EQ(target({"/dlls/A.DLL", "/s:X.LIB"}), nativePath("/dlls/X.LIB"));
    EXPECT_EQ(target({"A.DLL", "/s:X.LIB"}), "/cwd/X.LIB");
    EXPECT_EQ(target({"A.DLL", "/s:/out/X.LIB"}), nativePath("/out/X.LIB"));
    EXPECT_EQ(target({"/s"}), "");
}

TEST(LoadSummary, OneFileWithoutNames)
{
    LoadCounts c;
    c.processed = 1;
    c.withoutNames = 1;
    c.withoutNamesFiles.add("/d/A.DLL");
    const LoadSummary s = loadSummary(c);
    EXPECT_EQ(s.pane1, "No exported names found in the selected file");
    ASSERT_TRUE(s.message.has_value());
    EXPECT_EQ(s.message->title, "CLARION QUILLON 32 - No exported names detected!");
    EXPECT_EQ(s.message->text,
              "    The selected file does not have any exported|    names recognizable by Clarion "
              "Quillon.||    File without exported names:|    /d/A.DLL|" +
                  kPad);
    EXPECT_EQ(s.pane2, "");
}

TEST(LoadSummary, EveryFileWithoutNamesAndManyGetTheSpacebarHint)
{
    LoadCounts c;
    c.processed = 12;
    c.withoutNames = 12;
    const LoadSummary s = loadSummary(c);
    EXPECT_EQ(s.pane1, "No exported names found in the 12 selected files");
    EXPECT_EQ(s.message->text,
              "    None of the 12 selected files have any exported|    names recognizable by "
              "Clarion Quillon.|    (Press the <Spacebar> to close this message window)||    Files "
              "without exported names:|" +
                  kPad);
}

TEST(LoadSummary, SomeOrOneOfManyWithoutNames)
{
    LoadCounts c;
    c.processed = 4;
    c.withoutNames = 2;
    c.modulesAdded = 2;
    c.symbolsAdded = 1;
    c.hadModules = true;
    LoadSummary s = loadSummary(c);
    EXPECT_EQ(s.pane1, "No exported names found in 2 of the 4 selected files");
    EXPECT_EQ(s.message->title, "CLARION QUILLON 32 - Missing exported names!");
    EXPECT_EQ(s.message->text.substr(0, 57),
              "    2 of the 4 selected files do not contain any exported");
    EXPECT_EQ(s.pane2, "2 new modules");
    EXPECT_EQ(s.pane3, "1 symbol");
    c.withoutNames = 1;
    c.aborted = 1;
    c.processed = 5;
    c.abortedFiles.add("/d/K.DLL");
    s = loadSummary(c);
    EXPECT_EQ(s.pane1, "No exported names found in one of the 4 selected files");
    EXPECT_EQ(
        s.message->text,
        "    One of the 4 selected files does not have any exported|    names recognizable by "
        "Clarion Quillon.||    File without exported names:||    Aborted files:|    /d/K.DLL|" +
            kPad);
}

TEST(LoadSummary, NotFoundAndLoadedVariants)
{
    LoadCounts c;
    c.processed = 2;
    c.notFound = 1;
    c.notFoundPath = "/d/GONE.DLL";
    c.notFoundFiles.add("/d/GONE.DLL");
    LoadSummary s = loadSummary(c);
    EXPECT_EQ(s.pane1, "File not located: /d/GONE.DLL");
    EXPECT_EQ(s.message->title, "CLARION QUILLON 32 - File not located!");
    EXPECT_EQ(s.message->text,
              "    The entered file was not located on the disk.||    File not "
              "located:|    /d/GONE.DLL|" +
                  kPad);
    c.notFound = 2;
    s = loadSummary(c);
    EXPECT_EQ(s.pane1, "2 files were not loacated");
    EXPECT_EQ(s.message->title, "CLARION QUILLON 32 - Files not located!");

    LoadCounts ok;
    ok.processed = 1;
    ok.lastPath = "/d/A.DLL";
    EXPECT_EQ(loadSummary(ok).pane1, "File loaded: /d/A.DLL");
    EXPECT_FALSE(loadSummary(ok).message.has_value());
    ok.processed = 5;
    ok.aborted = 2;
    EXPECT_EQ(loadSummary(ok).pane1, "3 files loaded - 2 file aborted");
    ok.aborted = 1;
    EXPECT_EQ(loadSummary(ok).pane1, "4 files loaded - One file aborted");
    ok.processed = 0;
    ok.aborted = 0;
    EXPECT_EQ(loadSummary(ok).pane1, "No files loaded");
    ok.cancelled = true;
    EXPECT_EQ(loadSummary(ok).pane1, "Cancelled");
}

TEST(LoadSummary, FileListTextStopsAt2000Characters)
{
    FileListText list;
    for (int i = 0; i < 100; ++i)
        list.add("/a/very/long/folder/name/FILE" + std::to_string(i) + ".DLL");
    EXPECT_EQ(list.text().size(), FileListText::kCapacity);
}

}  // namespace
}  // namespace quillon
