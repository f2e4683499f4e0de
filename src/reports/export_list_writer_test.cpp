// Tests of writing the export list: the layout of a small library against its golden file,
// module switches, cancellation, the clipboard question, the retry box and the status texts.
#include "reports/export_list_writer.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "reports/export_list_command.h"
#include "support/library_builder.h"
#include "support/test_workspace.h"

namespace quillon::reports {
namespace {

using testing::TestWorkspace;

std::string readSourceFile(const std::string& relative)
{
    std::ifstream in(std::string(QUILLON_SOURCE_DIR) + "/" + relative, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string written(Workspace& ws, bool copied = false)
{
    StringSink sink;
    const PassListRows rows(ws.pass);
    const ExportWriteOutcome outcome = writeExportList(ws, rows, sink, {copied, false});
    EXPECT_EQ(outcome.bytes, sink.text().size());
    return sink.text();
}

struct ExportListTest : ::testing::Test {
    ExportListTest()
    {
        testing::addModule(t.ws, "KERNEL32", {{"GetTickCount", 7}, {"Sleep", 12345}});
        testing::addModule(t.ws, "USER32",
                           {{"A_Long_Exported_Function_Name_Of_37ch", 1}, {"MessageBoxA", 2}});
        t.ws.library.LibraryFileName = "/work/win.lib";
    }
    TestWorkspace t;
};

TEST_F(ExportListTest, SmallLibraryMatchesItsGoldenFile)
{
    ASSERT_EQ(fillExportRows(t.ws, std::nullopt), 4u);
    t.ws.pass[1].COMMENT = "changed";
    EXPECT_EQ(written(t.ws, true), readSourceFile("src/reports/testdata/export_list_small.txt"));
}

TEST_F(ExportListTest, OneModuleHasOneStartAndOneEndComment)
{
    ASSERT_EQ(fillExportRows(t.ws, 3), 2u);
    const std::string text = written(t.ws);
    EXPECT_EQ(text.find(";Start of Exported Procedures from "),
              text.rfind(";Start of Exported Procedures from "));
    EXPECT_NE(text.find(";Start of Exported Procedures from USER32\r\n"), std::string::npos);
    EXPECT_NE(text.find(";End of Exported Procedures from USER32\r\n"), std::string::npos);
    EXPECT_EQ(text.find("KERNEL32"), std::string::npos);
    EXPECT_EQ(text.find("List is copied"), std::string::npos);
    EXPECT_EQ(fillExportRows(t.ws, 1), 0u);  // a symbol row is no module
}

TEST_F(ExportListTest, TreeFormSkipsModuleRowsAndSwitchesOnNameChange)
{
    struct TreeRows final : ExportRowSource {
        std::size_t size() const override { return 6; }
        ExportRow at(std::size_t i) const override
        {
            static constexpr const char* kModules[] = {"A", "A", "B", "B", "b", "b"};
            const bool moduleRow = i % 2 == 0;
            return ExportRow{kModules[i], moduleRow ? "" : "f", 1, {}, moduleRow};
        }
    } rows;
    StringSink sink;
    (void)writeExportList(t.ws, rows, sink, {});
    EXPECT_NE(sink.text().find(";Start of Exported Procedures from A\r\n  f "), std::string::npos);
    // "b" and "B" are two modules of the library: each has its own section.
    EXPECT_NE(
        sink.text().find(
            ";End of Exported Procedures from A\r\n\r\n"
            ";Start of Exported Procedures from B\r\n  f                                     @1\r\n"
            ";End of Exported Procedures from B\r\n\r\n"
            ";Start of Exported Procedures from b\r\n  f                                     @1\r\n"
            ";End of Exported Procedures from b\r\n"),
        std::string::npos);
}

TEST_F(ExportListTest, ModulesWhoseNamesDifferInCaseOnlyHaveTheirOwnSections)
{
    testing::addModule(t.ws, "user32", {{"MessageBoxW", 3}});
    ASSERT_EQ(fillExportRows(t.ws, std::nullopt), 5u);
    const std::string text = written(t.ws);
    EXPECT_NE(text.find(";End of Exported Procedures from USER32\r\n\r\n"
                        ";Start of Exported Procedures from user32\r\n"),
              std::string::npos);
    EXPECT_TRUE(text.find(";End of Exported Procedures from user32\r\n") != std::string::npos);
}

TEST_F(ExportListTest, EscapeLeavesTheEndBlockOut)
{
    (void)fillExportRows(t.ws, std::nullopt);
    t.ws.options.UseStatusBar = true;
    t.ui.keys = {ui::PendingKey::Escape};
    const std::string file = t.folder.file("ExportList.txt");
    const ExportListRun run = runExportList(t.ws, PassListRows(t.ws.pass), {}, file);
    EXPECT_EQ(run.end, ExportListEnd::Cancelled);
    const std::string text = t.folder.read("ExportList.txt");
    EXPECT_EQ(text.size(), run.bytes);
    EXPECT_EQ(text.find("E N D"), std::string::npos);
    EXPECT_TRUE(text.ends_with("@7\r\n"));
    EXPECT_EQ(t.ui.statusText(1), "Cancelled");
    EXPECT_EQ(t.ui.statusText(2), "");
    EXPECT_EQ(t.ui.progressStarts, t.ui.progressEnds);
}

TEST_F(ExportListTest, CommandAsksAboutTheClipboardRetriesTheFileAndEndsWithStatus)
{
    (void)fillExportRows(t.ws, std::nullopt);
    t.ws.options.UseStatusBar = true;
    t.ws.options.UseExportTextCopy = AskChoice::Ask;
    const std::string file = t.folder.file("ExportList.txt");
    int failures = 1;
    t.files.setFaultHook([&](platform::FileOp op, const std::string&) {
        return op == platform::FileOp::Create && failures-- > 0 ? 5 : 0;
    });
    t.ui.answers = {1, 1};  // copy: Yes; open error: Retry
    const ExportListRun run = runExportList(t.ws, PassListRows(t.ws.pass), {}, file);
    EXPECT_EQ(run.end, ExportListEnd::Written);
    EXPECT_TRUE(run.copy);
    ASSERT_EQ(t.ui.messages.size(), 2u);
    EXPECT_EQ(t.ui.messages[0].title, "CLARION QUILLON 32 - Copy text to clipboard?");
    EXPECT_NE(t.ui.messages[0].text.find("|    /WORK/WIN.LIB|"), std::string::npos);
    EXPECT_EQ(t.ui.messages[1].title, "CLARION QUILLON 32 - File Open Error!");
    EXPECT_NE(t.ui.messages[1].text.find("|    Filname: " + file + "||    Do you want to retry?"),
              std::string::npos);
    EXPECT_NE(t.folder.read("ExportList.txt").find("List is copied to the clipboard"),
              std::string::npos);
    EXPECT_EQ(t.ui.statusHistory[1].front(), "Exporting...");
    EXPECT_EQ(t.ui.statusText(1), "Library: /work/win.lib");
    EXPECT_EQ(t.ui.statusText(2), "Export list");
    ASSERT_FALSE(t.ui.progressTexts.empty());
    EXPECT_TRUE(t.ui.progressTexts.back().ends_with(" bytes"));

    // Cancel in the retry box ends the command without a file.
    t.ws.options.UseExportTextCopy = AskChoice::Never;
    failures = 1;
    t.ui.answers = {2};
    EXPECT_EQ(runExportList(t.ws, PassListRows(t.ws.pass), {"USER32"}, file).end,
              ExportListEnd::OpenCancelled);
}

TEST(ExportListEditor, TooBigListsAskUnlessAlwaysIsSet)
{
    EXPECT_EQ(editorChoice(AskChoice::Never, false), EditorChoice::Never);
    EXPECT_EQ(editorChoice(AskChoice::Never, true), EditorChoice::Ask);
    EXPECT_EQ(editorChoice(AskChoice::Ask, false), EditorChoice::Ask);
    EXPECT_EQ(editorChoice(AskChoice::Always, true), EditorChoice::Always);
}

}  // namespace
}  // namespace quillon::reports
