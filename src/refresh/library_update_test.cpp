// Update library: counts and status texts, modules not located, kept modules, the flags.
#include "refresh/library_update.h"

#include <gtest/gtest.h>

#include "locate/locate_messages.h"
#include "support/refresh_tree.h"

namespace quillon::refresh {
namespace {

using testing::LibBuilder;
using testing::ModuleSymbols;
using testing::RefreshTree;

TEST(UpdateLibrary, CountLineTellsHowManyModulesCameFromExecutables)
{
    for (const int modules : {1, 2, 3}) {
        RefreshTree tree;
        LibBuilder lib;
        const char* const names[] = {"AAA.dll", "BBB.dll", "CCC.dll"};
        for (int i = 0; i < modules; ++i) {
            lib.import(names[i], "Old", 1);
            (void)tree.systemDll(names[i], {"New1", "New2"});
        }
        tree.load(tree.file("app.lib", lib.bytes()));

        const UpdateOutcome outcome = updateLibrary(tree.t.ws);
        EXPECT_EQ(outcome.updated, static_cast<std::size_t>(modules));
        EXPECT_EQ(outcome.notLocated, 0u);
        const char* const expected[] = {"One module was updated from DLL/EXE file",
                                        "Both modules updated from DLL/EXE files",
                                        "All 3 modules updated from DLL/EXE files"};
        EXPECT_EQ(tree.t.ui.statusText(1), expected[modules - 1]);
        EXPECT_EQ(tree.t.ui.statusText(2), "Update done");
        EXPECT_EQ(tree.t.ui.statusText(3), std::to_string(2 * modules) + " symbols");
        ASSERT_EQ(tree.contents().size(), static_cast<std::size_t>(modules));
        for (const ModuleSymbols& module : tree.contents())
            EXPECT_EQ(module.symbols, (std::vector<std::string>{"New1", "New2"}));
        EXPECT_TRUE(tree.t.ws.library.LibraryChanged);
        std::vector<std::string> passes = tree.t.ui.progressCaptions;
        std::erase(passes, "Loading...");
        EXPECT_EQ(passes, (std::vector<std::string>{"Locating...", "Removing..."}));
    }
}

TEST(UpdateLibrary, ModuleWithoutExecutableComesBackFromItsLibFile)
{
    RefreshTree tree;
    (void)tree.systemDll("HAVE.dll", {"Fresh"});
    const std::string lib = tree.file("app.lib", LibBuilder()
                                                     .import("LOST.dll", "Keep1", 1)
                                                     .import("LOST.dll", "Keep2", 2)
                                                     .import("HAVE.dll", "Stale", 1)
                                                     .bytes());
    tree.load(lib);
    tree.t.ws.options.UseNoMessages = false;

    const UpdateOutcome outcome = updateLibrary(tree.t.ws);
    EXPECT_EQ(outcome.updated, 1u);
    EXPECT_EQ(outcome.notLocated, 1u);
    EXPECT_EQ(outcome.statusText, "1 module updated - 1 module not located");
    EXPECT_EQ(tree.contents(), (std::vector<ModuleSymbols>{{"LOST.dll", {"Keep1", "Keep2"}},
                                                           {"HAVE.dll", {"Fresh"}}}));
    const LibraryRow* lost = tree.moduleRow("LOST.dll");
    ASSERT_NE(lost, nullptr);
    EXPECT_EQ(lost->fileName(), lib);
    EXPECT_EQ(lost->fileNameDll(), "<File not found>");
    EXPECT_EQ(tree.t.ws.library.modules.front().FILENAMEDLL, "<File not found>");
    EXPECT_EQ(tree.t.ws.library.modules.front().OS, kOsUnknown);
    EXPECT_EQ(tree.t.ws.library.modules.back().OS, kOs32);
    // The reload pass shows no message boxes; the search's own failure message is the only one.
    ASSERT_EQ(tree.t.ui.messages.size(), 1u);
    EXPECT_NE(tree.t.ui.statusHistory[2].end(),
              std::find(tree.t.ui.statusHistory[2].begin(), tree.t.ui.statusHistory[2].end(),
                        "From LIB file"));
}

TEST(UpdateLibrary, ModulesNotLocatedStayAsTheLibraryHoldsThem)
{
    RefreshTree tree;
    // Two modules whose names differ in letter case only, and two of one name: a search of the
    // LIB file by name would find the first of them for each.
    tree.load(tree.file("app.lib", LibBuilder()
                                       .import("KERNEL32", "Upper", 1)
                                       .import("kernel32", "Lower", 1)
                                       .import("TWICE", "First", 1)
                                       .import("OTHER", "Between", 1)
                                       .import("TWICE", "Second", 1)
                                       .bytes()));
    tree.t.ws.library.rows[1].SYMBOL = "EditedInMemory";
    const auto before = tree.contents();

    const UpdateOutcome outcome = updateLibrary(tree.t.ws);
    EXPECT_EQ(outcome.notLocated, 5u);
    EXPECT_EQ(outcome.statusText, "None of the 5 modules located");
    EXPECT_EQ(tree.contents(), before);
}

TEST(UpdateLibrary, ModuleKnownMissingIsNotSearchedAgainAndNoneLocatedIsCounted)
{
    RefreshTree tree;
    tree.load(tree.file("app.lib",
                        LibBuilder().import("ONE.dll", "A", 1).import("TWO.dll", "B", 1).bytes()));
    tree.t.ws.library.rows[0].setFileNameDll("<File not found>");
    const std::size_t searchesBefore = locate::state(tree.t.ws).results.size();

    const UpdateOutcome outcome = updateLibrary(tree.t.ws);
    EXPECT_EQ(outcome.statusText, "None of the 2 modules located");
    EXPECT_EQ(locate::state(tree.t.ws).results.size(), searchesBefore + 1);
    EXPECT_EQ(tree.contents(),
              (std::vector<ModuleSymbols>{{"ONE.dll", {"A"}}, {"TWO.dll", {"B"}}}));
}

TEST(UpdateLibrary, ModuleWhoseFileGivesNothingBackIsKeptNotLost)
{
    RefreshTree tree;
    const std::string gone = tree.dll("elsewhere/GONE.dll", {"Only"});
    tree.load(gone);
    tree.t.ws.library.rows[1].SYMBOL = "EditedInMemory";
    tree.t.ws.library.rows[0].OS = kOsUnknown;
    tree.t.ws.library.modules[0].OS = kOsUnknown;
    std::filesystem::remove(gone);

    const UpdateOutcome outcome = updateLibrary(tree.t.ws);
    EXPECT_EQ(outcome.notLocated, 1u);
    EXPECT_EQ(outcome.kept, 0u);
    EXPECT_EQ(tree.contents(), (std::vector<ModuleSymbols>{{"GONE.dll", {"EditedInMemory"}}}));
    EXPECT_EQ(tree.t.ws.library.ModuleCount, 1u);
    EXPECT_EQ(tree.t.ws.library.SymbolCount, 1u);
    EXPECT_EQ(tree.t.ws.library.rows[0].fileNameDll(), "<File not found>");
}

TEST(UpdateLibrary, ExecutableOfAnotherModuleDoesNotReplaceIt)
{
    RefreshTree tree;
    // The search takes "WIN.MEDIA.SPEECH" for a file name with the extension ".SPEECH".
    (void)tree.systemDll("WIN.MEDIA.dll", {"Other"});
    (void)tree.systemDll("KERNEL32.dll", {"New"});
    tree.load(tree.file(
        "app.lib",
        LibBuilder().import("WIN.MEDIA.SPEECH", "Speak", 1).import("KERNEL32", "Old", 1).bytes()));

    const UpdateOutcome outcome = updateLibrary(tree.t.ws);
    EXPECT_EQ(outcome.updated, 1u);
    EXPECT_EQ(outcome.kept, 1u);
    EXPECT_EQ(outcome.statusText, "1 module updated - 1 module not located");
    // A module named without the file's extension is the same module.
    EXPECT_EQ(tree.contents(), (std::vector<ModuleSymbols>{{"WIN.MEDIA.SPEECH", {"Speak"}},
                                                           {"KERNEL32.dll", {"New"}}}));
    EXPECT_EQ(tree.t.ws.library.rows[0].fileNameDll(), "<File not found>");
}

TEST(UpdateLibrary, ModulesNamedLongerThan20CharactersAreLocatedAndKeptApart)
{
    RefreshTree tree;
    // Two DLLs whose names share their first 20 characters.
    const std::string first = "api-ms-win-core-file-l1-1-0.dll";
    const std::string second = "api-ms-win-core-file-l1-2-0.dll";
    (void)tree.systemDll(first, {"CreateFileA", "CreateFileW"});
    (void)tree.systemDll(second, {"GetTempPath2A"});
    tree.load(tree.file(
        "app.lib", LibBuilder().import(first, "CreateFileA", 1).import(second, "Old", 1).bytes()));

    const UpdateOutcome outcome = updateLibrary(tree.t.ws);
    EXPECT_EQ(outcome.updated, 2u);
    EXPECT_EQ(tree.contents(), (std::vector<ModuleSymbols>{{first, {"CreateFileA", "CreateFileW"}},
                                                           {second, {"GetTempPath2A"}}}));
}

TEST(UpdateLibrary, LoadSettingsAreRestoredAndEscapeBeforeRemovalChangesNothing)
{
    RefreshTree tree;
    (void)tree.systemDll("AAA.dll", {"New"});
    tree.load(tree.file("app.lib", LibBuilder().import("AAA.dll", "Old", 1).bytes()));
    tree.t.ws.options.UseExpandAll = true;
    tree.t.ws.options.UseNoMessages = false;
    const LibraryList before = tree.t.ws.library.rows;

    tree.t.ui.keys.push_back(ui::PendingKey::Escape);
    tree.t.clock.now += 100;
    const UpdateOutcome cancelled = updateLibrary(tree.t.ws);
    EXPECT_TRUE(cancelled.cancelled);
    EXPECT_EQ(tree.t.ws.library.rows, before);

    tree.t.clock.now += 100;
    (void)updateLibrary(tree.t.ws);
    EXPECT_EQ(tree.contents(), (std::vector<ModuleSymbols>{{"AAA.dll", {"New"}}}));
    // A library of one collapsed module keeps it collapsed.
    EXPECT_EQ(tree.t.ws.library.rows[0].TREELEVEL, TreeLevel::ModuleCollapsed);
    EXPECT_TRUE(tree.t.ws.options.UseExpandAll);
    EXPECT_FALSE(tree.t.ws.options.UseNoMessages);
    EXPECT_FALSE(tree.t.ui.waitCursor);
}

TEST(UpdateLibrary, PlanListsWhatEachModuleWouldComeFromWithoutChangingRows)
{
    RefreshTree tree;
    const std::string have = tree.systemDll("HAVE.dll", {"Fresh"});
    const std::string lib = tree.file(
        "app.lib",
        LibBuilder().import("HAVE.dll", "Stale", 1).import("LOST.dll", "Keep", 1).bytes());
    tree.load(lib);
    const LibraryList before = tree.t.ws.library.rows;

    const UpdatePlan plan = planLibraryUpdate(tree.t.ws);
    EXPECT_EQ(plan.entries, (RefreshList{{have, "", "HAVE.dll"}, {lib, "LOST.dll", "LOST.dll"}}));
    EXPECT_EQ(plan.located, 1u);
    EXPECT_EQ(plan.notLocated(), 1u);
    EXPECT_EQ(tree.t.ws.library.rows, before);

    // A plan of another library is not applied.
    UpdatePlan other = plan;
    other.entries.pop_back();
    EXPECT_TRUE(applyLibraryUpdate(tree.t.ws, other).cancelled);
    EXPECT_EQ(tree.t.ws.library.rows, before);
}

}  // namespace
}  // namespace quillon::refresh
