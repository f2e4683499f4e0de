// The statements of the help texts that are behaviour, each tried as written: the help must
// still say it, and the program must still do it.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "cli/command_table.h"
#include "cli/testing/quillon_run.h"
#include "support/lib_builder.h"
#include "support/refresh_tree.h"
#include "support/test_workspace.h"

namespace quillon::cli {
namespace {

using testing::runQuillon;
using testing::sampleFile;

/// The text with every run of blanks and line breaks made one blank.
std::string flattened(const std::string& text)
{
    std::string out;
    for (const char c : text) {
        const bool blank = c == ' ' || c == '\n';
        if (!blank)
            out += c;
        else if (!out.empty() && out.back() != ' ')
            out += ' ';
    }
    return out;
}

/// A scratch folder with the samples under the names the claims use, and a settings folder.
struct Desk {
    Desk()
    {
        std::filesystem::create_directories(folder.file("dlls"));
        std::filesystem::create_directories(folder.file("cwd"));
        std::filesystem::copy_file(sampleFile("QUILLSMP.DLL"), folder.file("dlls/quillsmp.dll"));
        std::filesystem::copy_file(sampleFile("QUILL16.DLL"), folder.file("dlls/QUILL16.DLL"));
    }
    /// Runs the program in the folder "cwd" with the desk's settings.
    testing::Run run(std::vector<std::string> arguments) const
    {
        arguments.insert(arguments.begin(), {"--settings", folder.file("settings")});
        testing::RunSetup setup;
        setup.workingFolder = folder.file("cwd");
        return runQuillon(arguments, setup);
    }
    [[nodiscard]] bool exists(const std::string& relative) const
    {
        return std::filesystem::exists(folder.file(relative));
    }
    quillon::testing::TempFolder folder;
    std::string dll = folder.file("dlls/quillsmp.dll");
    std::string dll16 = folder.file("dlls/QUILL16.DLL");
};

/// A statement of the help of `command` ("" for `quillon --help`) and how it is tried.
struct Claim {
    std::string command;
    std::string text;
    std::function<void(const Desk&)> tryIt;
};

std::vector<Claim> claims()
{
    return {
        {"",
         "quillsmp.dll and QUILLSMP.DLL give Quillsmp.lib), in the folder of the first input "
         "file",
         [](const Desk& d) {
             EXPECT_EQ(d.run({d.dll, "/s"}).status, 0);
             EXPECT_TRUE(d.exists("dlls/Quillsmp.lib"));
         }},
        {"", "or in the current folder when that file was given without one",
         [](const Desk& d) {
             std::filesystem::copy_file(d.dll16, d.folder.file("cwd/QUILL16.DLL"));
             EXPECT_EQ(d.run({"QUILL16.DLL", "/s"}).status, 0);
             EXPECT_TRUE(d.exists("cwd/Quill16.lib"));
         }},
        {"", "write OUT.LIB; a name without folder goes where the default would",
         [](const Desk& d) {
             EXPECT_EQ(d.run({d.dll, "/s:Named.lib"}).status, 0);
             EXPECT_TRUE(d.exists("dlls/Named.lib"));
         }},
        {"", "The options below may stand anywhere",
         [](const Desk& d) {
             EXPECT_EQ(d.run({d.dll, "--quiet", d.dll16, "/s:" + d.folder.file("both.lib")}).status,
                       0);
             EXPECT_NE(runQuillon({"exports", d.folder.file("both.lib")}).out.find("QUILL16"),
                       std::string::npos);
         }},
        {"", "any other argument starting with \"-\" is refused",
         [](const Desk& d) {
             EXPECT_EQ(d.run({d.dll, "-v", "/s"}).status, 2);
         }},
        {"", "Files after /s are not read (a warning names them)",
         [](const Desk& d) {
             const testing::Run run = d.run({d.dll, "/s:" + d.folder.file("one.lib"), d.dll16});
             EXPECT_EQ(run.status, 0);
             EXPECT_NE(run.err.find(d.dll16), std::string::npos);
             EXPECT_EQ(runQuillon({"exports", d.folder.file("one.lib")}).out.find("QUILL16"),
                       std::string::npos);
         }},
        {"",
         "--quiet print no message on stderr (every command; the exit status still tells the "
         "outcome",
         [](const Desk& d) {
             const std::string none = d.folder.file("none.dll");
             const std::string noLib = d.folder.file("none.lib");
             const std::vector<std::vector<std::string>> runs = {
                 {none, "/s"},       {"exports", none},    {"list", none},
                 {"map", none},      {"query", "x", none}, {"locate", noLib},
                 {"compare", noLib}, {"update", noLib},    {"exceptions", "remove", "NOPE"},
             };
             for (std::vector<std::string> arguments : runs) {
                 arguments.push_back("--quiet");
                 const testing::Run run = d.run(arguments);
                 EXPECT_NE(run.status, 0) << arguments.front();
                 EXPECT_EQ(run.err, "") << arguments.front();
             }
         }},
        {"",
         "exports, list, map, query, compare, locate, update --preview, cleanup --preview, "
         "\"exclude list\" and \"exceptions list\" never write the settings file",
         [](const Desk& d) {
             EXPECT_EQ(d.run({"list", d.dll}).status, 0);
             EXPECT_EQ(d.run({"map", d.dll}).status, 0);
             const std::string lib = d.folder.write(
                 "cwd/App.lib",
                 quillon::testing::LibBuilder().import("QUILLSMP.dll", "QsAbout", 1).bytes());
             EXPECT_EQ(d.run({"cleanup", "--duplicates", "--preview", lib}).status, 0);
             EXPECT_EQ(d.run({"exclude", "list"}).status, 0);
             EXPECT_FALSE(d.exists("settings/Quillon32.ini"));
         }},
        {"exports", "Reads no settings.",
         [](const Desk& d) {
             EXPECT_EQ(d.run({"exports", d.dll}).status, 0);
             EXPECT_FALSE(d.exists("settings"));
         }},
        {"list", "write to OUT (a name without folder: in the current folder)",
         [](const Desk& d) {
             EXPECT_EQ(d.run({"list", "-o", "list.txt", d.dll}).status, 0);
             EXPECT_TRUE(d.exists("cwd/list.txt"));
         }},
        {"map", "write to OUT (a name without folder: in the current folder)",
         [](const Desk& d) {
             EXPECT_EQ(d.run({"map", "-o", "quillsmp.clw", d.dll}).status, 0);
             EXPECT_TRUE(d.exists("cwd/quillsmp.clw"));
         }},
        {"exports", "add the undecorated name of each symbol (a last column",
         [](const Desk& d) {
             const testing::Run run = d.run({"exports", "--undecorate", d.dll});
             EXPECT_EQ(run.status, 0);
             EXPECT_NE(run.out.find("\t_QsInit@4\t39\t0\tQsInit\n"), std::string::npos) << run.out;
         }},
        {"list",
         "list only this module, named as the library names it (QUILLSMP.dll; letter case "
         "ignored)",
         [](const Desk& d) {
             EXPECT_EQ(d.run({"list", "--module=quillsmp.DLL", d.dll, d.dll16}).status, 0);
             EXPECT_EQ(d.run({"list", "--module=QUILLSMP", d.dll}).status, 2);
         }},
        {"query",
         "write the extracted functions as this LIB file (a name without folder: in the "
         "current folder",
         [](const Desk& d) {
             EXPECT_EQ(d.run({"query", "--save=Dates.lib", "date", d.dll}).status, 0);
             EXPECT_TRUE(d.exists("cwd/Dates.lib"));
         }},
        {"query", "whole (the whole name; KEYWORDS is then not split at blanks)",
         [](const Desk& d) {
             EXPECT_EQ(d.run({"query", "--match=whole", "QsLeft QsRight", d.dll}).status, 1);
             EXPECT_EQ(d.run({"query", "--match=contains", "QsLeft QsRight", d.dll}).status, 0);
         }},
        {"update", "write OUT.LIB instead of FILE.LIB (a name without folder: beside FILE.LIB)",
         [](const Desk& d) {
             const std::string lib = d.folder.write(
                 "libs/App.lib",
                 quillon::testing::LibBuilder().import("QUILLSMP.dll", "QsAbout", 1).bytes());
             testing::RunSetup setup;
             setup.environment = {{"PATH", d.folder.file("dlls")}};
             setup.workingFolder = d.folder.file("cwd");
             const testing::Run run = runQuillon(
                 {"update", "-o", "New.lib", lib, "--settings", d.folder.file("settings")}, setup);
             EXPECT_EQ(run.status, 0) << run.err;
             EXPECT_TRUE(d.exists("libs/New.lib"));
         }},
        {"update", "print the result (or the preview) as JSON; printed also with --quiet",
         [](const Desk& d) {
             const testing::Run run =
                 d.run({"update", "--json", "--quiet", d.folder.file("none.lib")});
             EXPECT_EQ(run.status, 4);
             EXPECT_NE(run.out.find("\"written\": false"), std::string::npos) << run.out;
         }},
        {"compare", "compares the one module of LIB, or the one --module names",
         [](const Desk& d) {
             const std::string two =
                 d.folder.write("Two.lib", quillon::testing::LibBuilder()
                                               .import("QUILLSMP.dll", "QsAbout", 1)
                                               .import("OTHER.dll", "X", 1)
                                               .bytes());
             EXPECT_EQ(d.run({"compare", two, d.dll}).status, 2);
             EXPECT_NE(d.run({"compare", "--module=QUILLSMP.DLL", two, d.dll}).status, 2);
         }},
        {"locate", "try more extensions (.VBX, .OCX, .AX, .CPL besides .DLL, .EXE, .DRV)",
         [](const Desk& d) {
             (void)d.folder.write("dlls/GAUGE.OCX", "x");
             EXPECT_EQ(d.run({"locate", "--priority", d.folder.file("dlls"), "GAUGE"}).status, 1);
             EXPECT_EQ(
                 d.run({"locate", "--deep", "--priority", d.folder.file("dlls"), "GAUGE"}).status,
                 0);
         }},
    };
}

TEST(HelpClaims, EachStatementOfTheHelpHolds)
{
    for (const Claim& claim : claims()) {
        std::vector<std::string> help{"--help"};
        if (!claim.command.empty())
            help.insert(help.begin(), claim.command);
        const std::string text = flattened(runQuillon(help).out);
        ASSERT_NE(text.find(flattened(claim.text)), std::string::npos)
            << "quillon " << claim.command << " --help no longer says: " << claim.text;
        SCOPED_TRACE("quillon " + claim.command + " --help: " + claim.text);
        const Desk desk;
        claim.tryIt(desk);
    }
}

TEST(HelpDocument, CommandLineSectionDescribesEveryCommandAndItsLinksLead)
{
    std::ifstream file(std::string(QUILLON_SOURCE_DIR) + "/src/app/help/Quillon32.html");
    const std::string html{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    ASSERT_FALSE(html.empty());
    for (const Command& command : commands()) {
        const std::string anchor = "name=\"cmdline-" + std::string(command.name) + "\"";
        EXPECT_NE(html.find(anchor), std::string::npos)
            << "no section for quillon " << command.name;
    }
    for (std::size_t at = html.find("href=\"#"); at != std::string::npos;
         at = html.find("href=\"#", at + 1)) {
        const std::size_t start = at + 7;
        const std::string name = html.substr(start, html.find('"', start) - start);
        EXPECT_NE(html.find("name=\"" + name + "\""), std::string::npos) << "#" << name;
    }
}

}  // namespace
}  // namespace quillon::cli
