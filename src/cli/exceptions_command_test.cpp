// `quillon exceptions`: the list kept in the settings file, refused entries, the import from
// SYSTEM.INI, failed output.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include <nlohmann/json.hpp>

#include "cli/testing/quillon_run.h"
#include "support/test_workspace.h"

namespace quillon::cli {
namespace {

using testing::runQuillon;

struct ExceptionsCommand : ::testing::Test {
    testing::Run exceptions(std::vector<std::string> arguments,
                            const testing::RunSetup& setup = {}) const
    {
        return testing::runCommand("exceptions", folder.file("settings"), std::move(arguments),
                                   setup);
    }
    [[nodiscard]] std::string settings() const { return folder.read("settings/Quillon32.ini"); }
    quillon::testing::TempFolder folder;
};

TEST_F(ExceptionsCommand, AddsListsAndRemovesPairs)
{
    const testing::Run added = exceptions({"add", "kernel", "/windows/system/krnl386.exe"});
    ASSERT_EQ(added.status, 0) << added.err;
    EXPECT_EQ(added.out, "KERNEL = KRNL386.EXE\n");
    EXPECT_EQ(exceptions({"--json"}).out,
              "[\n  {\n    \"file\": \"KRNL386.EXE\",\n    \"module\": \"KERNEL\"\n  }\n]\n");
    EXPECT_EQ(exceptions({"remove", "NOPE"}).status, 1);
    EXPECT_EQ(exceptions({"remove", "kernel"}).status, 0);
    EXPECT_EQ(exceptions({"list"}).out, "");
}

TEST_F(ExceptionsCommand, ControlCharactersAreRefusedBeforeAnythingIsWritten)
{
    ASSERT_EQ(exceptions({"add", "KERNEL", "KRNL386.EXE"}).status, 0);
    const std::string before = settings();
    for (const std::string& module : {std::string("BAD\nNAME"), std::string("TAB\tNAME")}) {
        const testing::Run refused = exceptions({"add", module, "FILE.DLL"});
        EXPECT_EQ(refused.status, 1);
        EXPECT_NE(refused.err.find("control character"), std::string::npos) << refused.err;
    }
    EXPECT_EQ(exceptions({"add", "GOOD", "FI\x01LE.DLL"}).status, 1);
    EXPECT_EQ(settings(), before);
}

TEST_F(ExceptionsCommand, OutputThatCannotBeWrittenIsAFailure)
{
    ASSERT_EQ(exceptions({"add", "KERNEL", "KRNL386.EXE"}).status, 0);
    testing::RunSetup full;
    full.standardOutputFile = "/dev/full";
    const testing::Run run = exceptions({"list"}, full);
    EXPECT_EQ(run.status, 6);
    EXPECT_NE(run.err.find("No space left on device"), std::string::npos) << run.err;
}

/// A SYSTEM.INI whose [boot] section names two drivers in files of another name.
constexpr const char* kSystemIni =
    "[boot]\r\nshell=progman.exe\r\ndisplay.drv=vga.drv ; the display\r\n"
    "mouse.drv=mouse.drv\r\nkeyboard.drv=kbdus.drv\r\n";

TEST_F(ExceptionsCommand, ImportAddsOnlyNewDriversAndWritesNothingWhenNoneIsNew)
{
    const std::string systemIni = folder.write("SYSTEM.INI", kSystemIni);
    ASSERT_EQ(exceptions({"add", "display", "ega.drv"}).status, 0);
    const testing::Run first = exceptions({"import", "--system-ini", systemIni});
    ASSERT_EQ(first.status, 0) << first.err;
    // DISPLAY is kept as the list held it; MOUSE is in a file of its own name.
    EXPECT_EQ(first.out, "DISPLAY = EGA.DRV\nKEYBOARD = KBDUS.DRV\n");
    EXPECT_EQ(first.err, "quillon exceptions: 1 entry imported from SYSTEM.INI\n");

    const std::string before = settings();
    const std::filesystem::file_time_type written =
        std::filesystem::last_write_time(folder.file("settings/Quillon32.ini"));
    const testing::Run again = exceptions({"--json", "import", "--system-ini", systemIni});
    EXPECT_EQ(again.status, 0) << again.err;
    EXPECT_EQ(again.err, "quillon exceptions: No new entries found in SYSTEM.INI\n");
    const nlohmann::json report = nlohmann::json::parse(again.out);
    EXPECT_EQ(report["added"], 0);
    EXPECT_EQ(report["systemIni"], systemIni);
    EXPECT_EQ(report["list"].size(), 2U);
    EXPECT_EQ(settings(), before);
    EXPECT_EQ(std::filesystem::last_write_time(folder.file("settings/Quillon32.ini")), written);

    // Neither a binary file nor an executable holds a [boot] section.
    constexpr char kDamaged[] = "\0\xff[boot]\0\ndisplay.drv=\x01\n\xfe\x80";
    folder.write("damaged.ini", std::string(kDamaged, sizeof kDamaged - 1));
    for (const std::string& other :
         {folder.file("damaged.ini"), testing::sampleFile("QUILLSMP.DLL")}) {
        const testing::Run run = exceptions({"import", "--system-ini", other});
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(settings(), before) << other;
    }
}

TEST_F(ExceptionsCommand, ImportFromAMissingFileOrIntoReadOnlySettingsChangesNothing)
{
    ASSERT_EQ(exceptions({"add", "KERNEL", "KRNL386.EXE"}).status, 0);
    const std::string before = settings();
    for (const std::string& missing : {folder.file("none/SYSTEM.INI"), folder.path().string()}) {
        const testing::Run run = exceptions({"import", "--system-ini", missing});
        EXPECT_EQ(run.status, 4);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err, "quillon exceptions: SYSTEM.INI was not found: " + missing + "\n");
    }
    // Without --system-ini: the one of the Wine prefix.
    testing::RunSetup wine;
    wine.environment = {{"WINEPREFIX", folder.file("prefix")}};
    EXPECT_EQ(exceptions({"import"}, wine).err,
              "quillon exceptions: SYSTEM.INI was not found: " +
                  folder.file("prefix/drive_c/windows/system.ini") + "\n");
    folder.write("prefix/drive_c/windows/system.ini", kSystemIni);
    EXPECT_EQ(exceptions({"import"}, wine).status, 0);
    EXPECT_NE(settings().find("Modulename3=KEYBOARD"), std::string::npos) << settings();

    const std::string imported = settings();
    const std::string ini = folder.file("settings/Quillon32.ini");
    std::filesystem::permissions(ini, std::filesystem::perms::owner_read);
    folder.write("more.ini", "[boot]\nnetwork.drv=lanman.drv\n");
    const testing::Run refused = exceptions({"import", "--system-ini", folder.file("more.ini")});
    std::filesystem::permissions(ini, std::filesystem::perms::owner_read |
                                          std::filesystem::perms::owner_write);
    EXPECT_EQ(refused.status, 6);
    EXPECT_NE(refused.err.find("writing " + ini), std::string::npos) << refused.err;
    EXPECT_EQ(settings(), imported);
}

}  // namespace
}  // namespace quillon::cli
