// The locate report for scripts.
#include "locate/locate_report.h"

#include <gtest/gtest.h>

#include "core/library_model.h"
#include "core/workspace.h"
#include "lib/lib_reader.h"
#include "support/lib_builder.h"
#include "support/locate_tree.h"

namespace quillon::locate {
namespace {

using testing::LocateTree;

TEST(LocateReport, OneLinePerModuleWithPathBitnessAndStep)
{
    LocateTree tree;
    tree.t.ws.options.UseNoMessages = false;
    const std::string user = tree.pe("wine/drive_c/windows/system32/user32.dll");
    const std::string gdi = tree.ne("p/GDI.EXE");
    const std::string text = tree.file("p/TEXT.DLL", "plain text");
    tree.setPath(tree.folder("p"));
    const std::size_t first = tree.t.ws.library.rows.size();
    appendModuleRow(tree.t.ws, "USER32", kOsUnknown);
    appendSymbolRow(tree.t.ws, "MessageBoxA", 1);
    appendModuleRow(tree.t.ws, "GDI", kOsUnknown);
    appendSymbolRow(tree.t.ws, "TextOut", 2);
    postProcessLoad(tree.t.ws, first, LoadedFile{tree.t.folder.file("app.lib"), false, 0});
    const LibraryList before = tree.t.ws.library.rows;

    const LocateReport report = locateModules(tree.t.ws, {"TEXT", "GONE", "Tab\tName\xE9"});
    EXPECT_FALSE(report.cancelled);
    EXPECT_EQ(locateReportText(report),
              "USER32\t" + user + "\t32\tSystemDir\n" + "GDI\t" + gdi + "\t16\tEnvironmentPath\n" +
                  "TEXT\t" + text + "\t?\tPreviousPath\n" + "GONE\t<File not found>\t-\t-\n" +
                  "Tab?Name\xC3\xA9\t<File not found>\t-\t-\n");
    EXPECT_EQ(tree.t.ws.library.rows, before);
    EXPECT_TRUE(tree.t.ui.messages.empty());
    EXPECT_FALSE(tree.t.ws.options.UseNoMessages);
}

TEST(LocateReport, ModulesOfALibFileAreLocated)
{
    LocateTree tree;
    const std::string kernel = tree.pe("wine/drive_c/windows/system32/Kernel32.dll");
    const std::string libFile =
        tree.file("app.lib", testing::libBytes({{"KERNEL32", "GetTickCount", 1},
                                                {"KERNEL32", "Sleep", 2},
                                                {"NOWHERE", "Nothing", 1}}));
    lib::LibLoadRequest request;
    request.fileName = libFile;
    request.quiet = true;
    const Result<lib::LibLoadOutcome> loaded = lib::loadLibrary(tree.t.ws, request);
    ASSERT_TRUE(loaded.ok());
    EXPECT_EQ(locateReportText(locateModules(tree.t.ws, {})),
              "KERNEL32\t" + kernel + "\t32\tSystemDir\n" + "NOWHERE\t<File not found>\t-\t-\n");
}

TEST(LocateReport, FixedOptionsOutlastTheNewPass)
{
    LocateTree tree;
    tree.file("wine/drive_c/windows/TEXT.DLL", "no header");
    AutolocateOptions verify;
    verify.UseVerifyOSAutolocate = true;
    locate::state(tree.t.ws).fixedOptions = verify;
    EXPECT_EQ(locateReportText(locateModules(tree.t.ws, {"TEXT"})),
              "TEXT\t<File not found>\t-\t-\n");
}

TEST(LocateReport, EscapeEndsTheReportEarly)
{
    LocateTree tree;
    tree.t.ui.keys = {ui::PendingKey::Escape};
    const LocateReport report = locateModules(tree.t.ws, {"A", "B"});
    EXPECT_TRUE(report.cancelled);
    EXPECT_TRUE(report.rows.empty());
}

}  // namespace
}  // namespace quillon::locate
