// Revert module, update module and the update of the marked modules.
#include "refresh/module_reload.h"

#include <gtest/gtest.h>

#include "base/text_encoding.h"
#include "support/refresh_tree.h"

namespace quillon::refresh {
namespace {

using testing::LibBuilder;
using testing::ModuleSymbols;
using testing::RefreshTree;

struct TwoModules : RefreshTree {
    TwoModules()
    {
        lib = file("app.lib", LibBuilder()
                                  .import("ONE.dll", "A1", 1)
                                  .import("ONE.dll", "A2", 2)
                                  .import("TWO.dll", "B1", 1)
                                  .bytes());
        load(lib);
    }
    std::string lib;
};

TEST(RevertModule, ReloadsTheModuleFromItsLibFileAtTheEndOfTheList)
{
    TwoModules tree;
    tree.t.ws.library.rows[1].SYMBOL = "Edited";
    tree.t.ws.library.LibraryChanged = false;

    const ModuleReloadResult result = reloadModule(tree.t.ws, 1, ModuleSource::OwnFile);
    EXPECT_EQ(result.end, ModuleReloadEnd::Reloaded);
    EXPECT_EQ(result.selectRow, std::optional<std::size_t>(2));
    EXPECT_EQ(tree.contents(),
              (std::vector<ModuleSymbols>{{"TWO.dll", {"B1"}}, {"ONE.dll", {"A1", "A2"}}}));
    EXPECT_EQ(tree.t.ws.library.ModuleCount, 2u);
    EXPECT_EQ(tree.t.ws.library.SymbolCount, 3u);
    EXPECT_EQ(tree.t.ws.library.modules.back().MODULENAME.view(), "ONE.dll");
    EXPECT_EQ(tree.t.ws.library.rows[2].MARK, 0);
    EXPECT_TRUE(tree.t.ws.library.LibraryChanged);
    EXPECT_EQ(tree.t.ui.statusText(1), "File: " + tree.lib);
    EXPECT_EQ(tree.t.ui.statusText(2), "Revert done");
    EXPECT_EQ(tree.t.ui.statusText(3), "One.dll...");
}

TEST(RevertModule, ModuleGoneFromItsFileIsRemovedWithModuleNotFound)
{
    TwoModules tree;
    tree.t.ws.options.UseNoMessages = false;
    (void)tree.file("app.lib", LibBuilder().import("TWO.dll", "B1", 1).bytes());

    const ModuleReloadResult result = reloadModule(tree.t.ws, 0, ModuleSource::OwnFile);
    EXPECT_EQ(result.end, ModuleReloadEnd::NotInFile);
    EXPECT_EQ(tree.contents(), (std::vector<ModuleSymbols>{{"TWO.dll", {"B1"}}}));
    EXPECT_EQ(tree.t.ui.statusText(2), "NOT in file");
    ASSERT_EQ(tree.t.ui.messages.size(), 1u);
    EXPECT_EQ(tree.t.ui.messages[0].title, "CLARION QUILLON 32 - Module not found!");
    EXPECT_EQ(tree.t.ui.messages[0].text, "    Module ONE.dll was NOT found in the file!|" +
                                              std::string(90, kNonBreakingSpace) +
                                              "|    File:|    " + tree.lib);
    EXPECT_TRUE(tree.t.ws.library.LibraryChanged);
}

TEST(RevertModule, FileGoneFromTheDiskIsToldAndTheModuleKept)
{
    TwoModules tree;
    tree.t.ws.options.UseNoMessages = false;
    std::filesystem::remove(tree.lib);
    const LibraryList before = tree.t.ws.library.rows;

    const ModuleReloadResult result = reloadModule(tree.t.ws, 0, ModuleSource::OwnFile);
    EXPECT_EQ(result.end, ModuleReloadEnd::FileMissing);
    EXPECT_EQ(tree.t.ws.library.rows, before);
    ASSERT_EQ(tree.t.ui.messages.size(), 1u);
    EXPECT_EQ(tree.t.ui.messages[0].title, "CLARION QUILLON 32 - File not found!");
}

TEST(UpdateModule, WithoutExecutableTheModuleStaysAsItWas)
{
    TwoModules tree;
    const LibraryList before = tree.t.ws.library.rows;

    const ModuleReloadResult result = reloadModule(tree.t.ws, 4, ModuleSource::Executable);
    EXPECT_EQ(result.end, ModuleReloadEnd::NotLocated);
    EXPECT_EQ(tree.t.ws.library.rows, before);
    EXPECT_EQ(tree.t.ui.statusText(1), "File: <File not found>");
    EXPECT_EQ(tree.t.ui.statusText(2), "NOT located");
    EXPECT_EQ(tree.t.ui.statusText(3), "Two.dll...");
}

TEST(UpdateModule, LocatedExecutableReplacesTheModuleKeepingItsExpansion)
{
    TwoModules tree;
    const std::string dll = tree.systemDll("ONE.dll", {"A1", "A3", "A4"});
    tree.t.ws.library.rows[0].TREELEVEL = TreeLevel::ModuleExpanded;

    const ModuleReloadResult result = reloadModule(tree.t.ws, 0, ModuleSource::Executable);
    EXPECT_EQ(result.end, ModuleReloadEnd::Reloaded);
    EXPECT_EQ(tree.contents(),
              (std::vector<ModuleSymbols>{{"TWO.dll", {"B1"}}, {"ONE.dll", {"A1", "A3", "A4"}}}));
    const LibraryRow* one = tree.moduleRow("ONE.dll");
    ASSERT_NE(one, nullptr);
    EXPECT_EQ(one->fileName(), dll);
    EXPECT_EQ(one->OS, kOs32);
    EXPECT_EQ(one->TREELEVEL, TreeLevel::ModuleExpanded);
    EXPECT_FALSE(tree.t.ws.options.UseExpandAll);
    EXPECT_EQ(tree.t.ui.statusText(2), "Update done");
}

TEST(UpdateModule, ExecutableOfAnotherModuleLeavesTheModuleWhereItWas)
{
    RefreshTree tree;
    (void)tree.systemDll("WIN.MEDIA.dll", {"Other"});
    tree.load(tree.file(
        "app.lib",
        LibBuilder().import("WIN.MEDIA.SPEECH", "Speak", 1).import("TWO.dll", "B1", 1).bytes()));
    const LibraryList before = tree.t.ws.library.rows;

    const ModuleReloadResult result = reloadModule(tree.t.ws, 0, ModuleSource::Executable);
    EXPECT_EQ(result.end, ModuleReloadEnd::NotLocated);
    EXPECT_EQ(tree.t.ws.library.rows, before);
    EXPECT_EQ(tree.t.ui.statusText(2), "NOT located");
}

TEST(UpdateModule, MarkedModulesAreUpdatedOneAfterAnother)
{
    RefreshTree tree;
    (void)tree.systemDll("AAA.dll", {"NewA"});
    (void)tree.systemDll("CCC.dll", {"NewC"});
    tree.load(tree.file("app.lib", LibBuilder()
                                       .import("AAA.dll", "OldA", 1)
                                       .import("BBB.dll", "OldB", 1)
                                       .import("CCC.dll", "OldC", 1)
                                       .import("DDD.dll", "OldD", 1)
                                       .bytes()));
    LibraryList& rows = tree.t.ws.library.rows;
    rows[0].MARK = 1;  // AAA: its module row
    rows[5].MARK = 1;  // CCC: a symbol row
    rows[6].MARK = 1;  // DDD: not located, stays

    const MarkedUpdateResult result = updateMarkedModules(tree.t.ws);
    EXPECT_EQ(result.updated, 2u);
    EXPECT_EQ(result.notLocated, 1u);
    EXPECT_EQ(tree.contents(), (std::vector<ModuleSymbols>{{"BBB.dll", {"OldB"}},
                                                           {"DDD.dll", {"OldD"}},
                                                           {"AAA.dll", {"NewA"}},
                                                           {"CCC.dll", {"NewC"}}}));
    EXPECT_EQ(tree.t.ui.statusText(1), "2 modules updated - 1 module not located");
}

}  // namespace
}  // namespace quillon::refresh
