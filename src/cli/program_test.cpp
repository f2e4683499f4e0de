// What every subcommand of the command table keeps: --help, usage errors, a missing input named
// with its status, Ctrl+C, and the settings file of the runs that only look at files.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "cli/command_table.h"
#include "cli/exit_status_table.h"
#include "cli/testing/quillon_run.h"
#include "support/lib_builder.h"
#include "support/test_workspace.h"

namespace quillon::cli {
namespace {

using testing::runQuillon;

/// Settings a run that writes them would change (LoadOptions rewrites the first three keys).
constexpr const char* kSettings =
    "; kept as written\n[Options]\nUseBitCheckSet=0\nUseStatusBar=\n[Filelist]\nFileSuffix=txt\n"
    "[Folders]\nLastAddFolder=/nowhere/\n";

/// A folder with a DLL whose file name is not its module name, a LIB file of that module, and
/// a settings file.
struct Scene {
    Scene()
    {
        std::filesystem::copy_file(testing::sampleFile("QUILLSMP.DLL"), dll);
        folder.write("settings/Quillon32.ini", kSettings);
        folder.write("SYSTEM.INI", "[boot]\r\ndisplay.drv=vga.drv\r\n");
        std::filesystem::create_directories(folder.file("out"));
    }
    [[nodiscard]] std::string settings() const { return folder.read("settings/Quillon32.ini"); }
    /// Names in the output folder.
    [[nodiscard]] std::vector<std::string> outputs() const
    {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(folder.file("out")))
            names.push_back(entry.path().filename().string());
        return names;
    }

    quillon::testing::TempFolder folder;
    std::string dll = folder.file("orig.dll");
    std::string libBytes = quillon::testing::LibBuilder()
                               .import("QUILLSMP.dll", "QsAbout", 1)
                               .import("QUILLSMP.dll", "QsGone", 99)
                               .bytes();
    std::string lib = folder.write("App.lib", libBytes);
    std::string missing = folder.file("missing.dll");
    std::string missingLib = folder.file("missing.lib");
    std::string out = folder.file("out/result.lib");
    std::string systemIni = folder.file("SYSTEM.INI");
};

/// A subcommand's runs for the checks below (the batch form is named "").
struct CommandCase {
    std::string name;
    /// A run over an input file that is not there, and the status it ends with; nothing for a
    /// command that reads no input file.
    std::optional<std::vector<std::string>> missingInput;
    ExitStatus missingStatus = ExitStatus::NotFound;
    /// An ordinary run; it writes any file into the scene's output folder.
    std::vector<std::string> work;
    /// The run never writes the settings file.
    bool readOnly = true;
};

std::vector<CommandCase> cases(const Scene& s)
{
    using enum ExitStatus;
    return {
        {"",
         std::vector<std::string>{s.missing, "/s:" + s.out},
         NotFound,
         {s.dll, "/s:" + s.out},
         false},
        {"exports", std::vector<std::string>{s.missing}, Failed, {s.dll}},
        {"list", std::vector<std::string>{s.missing}, NotFound, {"-o", s.out, s.dll}},
        {"map", std::vector<std::string>{s.missing}, NotFound, {"-o", s.out, s.dll}},
        {"query", std::vector<std::string>{"qs", s.missing}, NotFound, {"qs", s.dll}},
        {"locate", std::vector<std::string>{s.missingLib}, NotFound, {s.lib}},
        {"compare", std::vector<std::string>{s.missingLib}, CompareError, {s.lib, s.dll}},
        {"update", std::vector<std::string>{s.missingLib}, NotFound, {"--preview", s.lib}},
        {"cleanup",
         std::vector<std::string>{"--duplicates", s.missingLib},
         NotFound,
         {"--excluded", "--json", "--preview", s.lib}},
        {"exclude", std::nullopt, Success, {"list"}},
        {"exceptions", std::nullopt, Success, {"list"}},
        {"exceptions",
         std::vector<std::string>{"import", "--system-ini", s.missing},
         NotFound,
         {"import", "--system-ini", s.systemIni},
         false},
    };
}

/// The arguments of a run of `c` with `arguments`, over the scene's settings.
std::vector<std::string> commandLine(const Scene& s, const CommandCase& c,
                                     const std::vector<std::string>& arguments)
{
    std::vector<std::string> line{"--settings", s.folder.file("settings")};
    if (!c.name.empty())
        line.push_back(c.name);
    line.insert(line.end(), arguments.begin(), arguments.end());
    return line;
}

TEST(Program, EveryCommandOfTheTableHasItsChecks)
{
    const Scene s;
    const std::vector<CommandCase> all = cases(s);
    for (const Command& command : commands()) {
        const bool covered = std::any_of(
            all.begin(), all.end(), [&](const CommandCase& c) { return c.name == command.name; });
        EXPECT_TRUE(covered) << "no checks for quillon " << command.name;
    }
}

TEST(Program, HelpListsEveryCommandAndEachCommandExplainsItself)
{
    const testing::Run top = runQuillon({"--help"});
    EXPECT_EQ(top.status, 0);
    EXPECT_NE(top.out.find("Exit status:\n  0   the LIB file was written\n"), std::string::npos);
    for (const Command& command : commands()) {
        EXPECT_NE(top.out.find("  " + std::string(command.name)), std::string::npos);
        EXPECT_NE(top.out.find(std::string(command.summary)), std::string::npos);
        const testing::Run help = runQuillon({std::string(command.name), "--help"});
        EXPECT_EQ(help.status, 0) << command.name;
        EXPECT_NE(help.out.find("Usage: quillon " + std::string(command.name)), std::string::npos);
        EXPECT_NE(help.out.find("--settings DIR"), std::string::npos) << command.name;
        EXPECT_NE(help.out.find("--quiet"), std::string::npos) << command.name;
        EXPECT_NE(help.out.find(exitStatusHelp(command.name)), std::string::npos) << command.name;
        EXPECT_EQ(help.err, "");
    }
}

TEST(Program, UnknownOptionIsAUsageErrorOfEveryCommand)
{
    const Scene s;
    for (const CommandCase& c : cases(s)) {
        std::vector<std::string> arguments = c.work;
        arguments.insert(arguments.begin(), "--no-such-option");
        const testing::Run run = runQuillon(commandLine(s, c, arguments));
        EXPECT_EQ(run.status, 2) << "quillon " << c.name;
        EXPECT_NE(run.err.find("--no-such-option"), std::string::npos) << run.err;
        EXPECT_TRUE(s.outputs().empty()) << "quillon " << c.name;
    }
}

TEST(Program, MissingInputIsNamedOnStderrWithItsDocumentedStatus)
{
    const Scene s;
    for (const CommandCase& c : cases(s)) {
        if (!c.missingInput)
            continue;
        const testing::Run run = runQuillon(commandLine(s, c, *c.missingInput));
        EXPECT_EQ(run.status, exitCode(c.missingStatus)) << "quillon " << c.name << "\n" << run.err;
        EXPECT_TRUE(
            hasExitStatus(c.name.empty() ? kBatchForm : std::string_view(c.name), c.missingStatus))
            << "quillon " << c.name;
        const std::string named = std::find(c.missingInput->begin(), c.missingInput->end(),
                                            s.missing) != c.missingInput->end()
                                      ? s.missing
                                      : s.missingLib;
        EXPECT_NE(run.err.find(named), std::string::npos) << "quillon " << c.name << "\n"
                                                          << run.err;
    }
}

TEST(Program, OutputThatCannotBeWrittenIsAFailureWithTheSystemsReason)
{
    testing::RunSetup full;
    full.standardOutputFile = "/dev/full";
    Scene s;
    std::vector<CommandCase> all = cases(s);
    all.push_back({"exceptions", {}, {}, {"add", "KERNEL", "KRNL386.EXE"}, false});
    all.push_back({"", {}, {}, {"--help"}, false});
    for (const CommandCase& c : all) {
        const std::vector<std::string> line = commandLine(s, c, c.work);
        if (runQuillon(line).out.empty())
            continue;  // a run that prints nothing has nothing to fail at
        const testing::Run run = runQuillon(line, full);
        EXPECT_NE(run.status, 0) << "quillon " << c.name;
        EXPECT_NE(run.err.find("No space left on device"), std::string::npos)
            << "quillon " << c.name << "\n"
            << run.err;
    }
}

TEST(Program, CtrlCStopsEveryCommandWithItsStatusAndNoOutput)
{
    testing::RunSetup interrupted;
    interrupted.interruptAtStart = true;
    Scene s;
    std::vector<CommandCase> all = cases(s);
    // The runs that write: the output file of list and query, the LIB file of update, the
    // settings file of exceptions (the import as it is).
    for (CommandCase& c : all) {
        if (c.name == "query")
            c.work.insert(c.work.begin(), "--save=" + s.out);
        if (c.name == "update")
            c.work = {s.lib};
        if (c.name == "cleanup")
            c.work = {"--excluded", s.lib};
        if (c.name == "exceptions" && c.readOnly)
            c.work = {"add", "KERNEL", "KRNL386.EXE"};
        if (c.name == "exclude")
            c.work = {"add", "DllEntryPoint"};
    }
    for (const CommandCase& c : all) {
        const std::string settings = s.settings();
        const testing::Run run = runQuillon(commandLine(s, c, c.work), interrupted);
        const ExitStatus expected =
            c.name == "compare" ? ExitStatus::CompareCancelled : ExitStatus::Cancelled;
        EXPECT_EQ(run.status, exitCode(expected)) << "quillon " << c.name << "\n" << run.err;
        EXPECT_TRUE(
            hasExitStatus(c.name.empty() ? kBatchForm : std::string_view(c.name), expected));
        EXPECT_EQ(run.out, "") << "quillon " << c.name;
        EXPECT_TRUE(s.outputs().empty()) << "quillon " << c.name;
        EXPECT_EQ(s.folder.read("App.lib"), s.libBytes);
        EXPECT_FALSE(std::filesystem::exists(s.folder.file("App.li_")));
        if (c.readOnly || c.name == "exceptions" || c.name == "exclude") {
            EXPECT_EQ(s.settings(), settings) << "quillon " << c.name;
        }
    }
}

TEST(Program, CtrlCDuringALongRunStopsItWithoutOutput)
{
    quillon::testing::TempFolder folder;
    // 200,000 symbols in 2,000 modules: each run below takes seconds.
    quillon::testing::LibBuilder big;
    for (int m = 0; m < 2000; ++m) {
        for (int f = 1; f <= 100; ++f)
            big.import("MODULE" + std::to_string(m), "Function_" + std::to_string(f),
                       static_cast<std::uint16_t>(f));
    }
    const std::string lib = folder.write("Big.lib", big.bytes());
    // The output folder exists, so that a run that reaches its output before the interrupt
    // still has to stop as cancelled and leave nothing there.
    std::filesystem::create_directory(folder.file("out"));
    testing::RunSetup setup;
    setup.interruptAfter = std::chrono::milliseconds(200);
    const std::vector<std::pair<std::vector<std::string>, ExitStatus>> runs = {
        {{"exports", lib}, ExitStatus::Cancelled},
        {{"list", "-o", folder.file("out/list.txt"), lib}, ExitStatus::Cancelled},
        {{"map", "-o", folder.file("out/map.clw"), lib}, ExitStatus::Cancelled},
        {{"locate", lib}, ExitStatus::Cancelled},
        {{"compare", lib}, ExitStatus::CompareCancelled},
    };
    for (const auto& [arguments, status] : runs) {
        std::vector<std::string> line{"--settings", folder.file("settings")};
        line.insert(line.end(), arguments.begin(), arguments.end());
        const testing::Run run = runQuillon(line, setup);
        EXPECT_EQ(run.status, exitCode(status)) << arguments.front() << "\n" << run.err;
        EXPECT_EQ(run.out, "") << arguments.front();
        EXPECT_TRUE(std::filesystem::is_empty(folder.file("out"))) << arguments.front();
    }
}

TEST(Program, ReadOnlyCommandsLeaveTheSettingsFileByteForByte)
{
    const Scene s;
    std::vector<CommandCase> all = cases(s);
    all.push_back({"list", {}, {}, {"--format=json", "--undecorate", s.dll, s.lib}});
    all.push_back({"exports", {}, {}, {"--undecorate", "--json", s.dll}});
    all.push_back({"map", {}, {}, {"--prototypes", s.dll, s.lib}});
    all.push_back({"locate", {}, {}, {"--verify", "QUILLSMP"}});
    all.push_back({"compare", {}, {}, {s.lib}});
    for (const CommandCase& c : all) {
        if (!c.readOnly)
            continue;
        const testing::Run run = runQuillon(commandLine(s, c, c.work));
        EXPECT_NE(run.status, -1);
        EXPECT_EQ(s.settings(), kSettings) << "quillon " << c.name;
    }
    // The batch form records the folder of the files it loaded and the module found in a file
    // of another name, as the desktop program does.
    ASSERT_EQ(runQuillon(commandLine(s, cases(s).front(), {s.dll, "/s:" + s.out})).status, 0);
    EXPECT_NE(s.settings().find("LastAddFolder=" + s.folder.path().string()), std::string::npos);
    EXPECT_NE(s.settings().find("Filename1=ORIG.DLL"), std::string::npos);
}

TEST(Program, SettingsFileCopiedToAnotherFolderIsUsedThere)
{
    quillon::testing::TempFolder folder;
    const std::string sample = testing::sampleFile("QUILLSMP.DLL");
    ASSERT_EQ(runQuillon({"--settings", folder.file("first"), sample, "/s:" + folder.file("a.lib")})
                  .status,
              0);
    const std::string first = folder.read("first/Quillon32.ini");
    EXPECT_EQ(first.find("ProgFolder"), std::string::npos);
    folder.write("second/Quillon32.ini", first);
    ASSERT_EQ(
        runQuillon({"--settings", folder.file("second"), "exceptions", "add", "K", "K.EXE"}).status,
        0);
    EXPECT_EQ(folder.read("first/Quillon32.ini"), first);
    EXPECT_NE(folder.read("second/Quillon32.ini").find("Modulename1=K\n"), std::string::npos);
}

TEST(Program, CommonOptionsMayStandBeforeTheCommand)
{
    const Scene s;
    const testing::Run run =
        runQuillon({"--settings", s.folder.file("settings"), "--quiet", "list", s.missing});
    EXPECT_EQ(run.status, 4);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(s.settings(), kSettings);
    const testing::Run equals =
        runQuillon({"--settings=" + s.folder.file("settings"), "exports", s.dll});
    EXPECT_EQ(equals.status, 0);
}

}  // namespace
}  // namespace quillon::cli
