// The whole-library pass: modes 0 and 2, progress, cancel, empty modules, summary texts.
#include "locate/update_library_data.h"

#include <algorithm>

#include <gtest/gtest.h>

#include "core/library_model.h"
#include "core/workspace.h"
#include "lib/save_file.h"
#include "locate/locate_hooks.h"
#include "maintenance/save_hooks.h"
#include "support/lib_builder.h"
#include "support/locate_tree.h"

namespace quillon::locate {
namespace {

using testing::LocateTree;

struct PassTree : LocateTree {
    PassTree() { t.ws.options.UseStatusBar = true; }

    /// A module loaded from a LIB file with `symbols` symbols.
    void module(std::string_view name, int symbols)
    {
        const std::size_t first = t.ws.library.rows.size();
        appendModuleRow(t.ws, name, kOsUnknown);
        for (int i = 0; i < symbols; ++i)
            appendSymbolRow(t.ws, std::string(name) + "_F" + std::to_string(i),
                            static_cast<std::uint16_t>(i + 1));
        postProcessLoad(t.ws, first, LoadedFile{t.folder.file("app.lib"), false, 0});
    }

    const LibraryRow& moduleRow(std::size_t n) const
    {
        std::size_t seen = 0;
        for (const LibraryRow& row : t.ws.library.rows) {
            if (row.isModule() && seen++ == n)
                return row;
        }
        static const LibraryRow none;
        return none;
    }
};

TEST(UpdateLibraryData, LocateModeRecordsPathAndBitnessEverywhere)
{
    PassTree tree;
    const std::string kernel = tree.ne("wine/drive_c/windows/system32/KRNL386.EXE");
    const std::string user = tree.pe("wine/drive_c/windows/USER32.DLL");
    tree.t.ws.exceptQ.entries.push_back({"KERNEL", "", "KRNL386.EXE", "EXE"});
    tree.module("KERNEL", 2);
    tree.module("USER32", 1);
    tree.module("MISSING", 1);

    const UpdateSummary summary = UpdateLibraryData(tree.t.ws, kUpdateLocate);
    EXPECT_EQ(summary, (UpdateSummary{3, 2, 0, false, 3}));
    const Library& lib = tree.t.ws.library;
    EXPECT_EQ(lib.rows[0].fileNameDll(), kernel);
    EXPECT_EQ(lib.rows[0].OS, kOs16);
    EXPECT_EQ(lib.rows[1].OS, kOs16);
    EXPECT_EQ(lib.rows[2].OS, kOs16);
    EXPECT_EQ(lib.rows[3].fileNameDll(), user);
    EXPECT_EQ(lib.rows[4].OS, kOs32);
    EXPECT_EQ(lib.rows[5].fileNameDll(), "<File not found>");
    EXPECT_EQ(lib.rows[5].OS, kOsUnknown);
    ASSERT_EQ(lib.modules.size(), 3u);
    EXPECT_EQ(lib.modules[0].FILENAMEDLL, kernel);
    EXPECT_EQ(lib.modules[1].OS, kOs32);
    EXPECT_EQ(lib.modules[2].FILENAMEDLL, "<File not found>");
    EXPECT_EQ(lib.rows[0].ICON, RowIcon::ShutFold16);
    EXPECT_EQ(lib.rows[3].ICON, RowIcon::ShutFold32);

    const auto& ui = tree.t.ui;
    EXPECT_EQ(ui.progressCaptions, std::vector<std::string>{"Locating..."});
    EXPECT_EQ(ui.progressTexts, (std::vector<std::string>{"KERNEL...", "USER32...", "MISSING..."}));
    EXPECT_EQ(ui.statusText(1), "2 of 3 files located - Press F4 for filelist");
    EXPECT_EQ(ui.statusText(2), "Files located");
    EXPECT_EQ(ui.statusText(3), "3 files checked");
    EXPECT_TRUE(ui.messages.empty());
}

TEST(UpdateLibraryData, RecordedFilesAreVerifiedNotSearched)
{
    PassTree tree;
    const std::string mine = tree.pe("mine/MYLIB.DLL");
    tree.pe("wine/drive_c/windows/system32/MYLIB.DLL");
    tree.module("MYLIB", 1);
    tree.t.ws.library.rows[0].setFileNameDll(mine);

    EXPECT_EQ(UpdateLibraryData(tree.t.ws, kUpdateLocate), (UpdateSummary{1, 1, 0, false, 1}));
    EXPECT_EQ(tree.t.ws.library.rows[0].fileNameDll(), mine);
    EXPECT_EQ(tree.t.ws.library.rows[0].OS, kOs32);
    EXPECT_EQ(tree.t.ui.statusHistory[1].front(), "Verifying files...");
    EXPECT_TRUE(locate::state(tree.t.ws).results.empty());
    EXPECT_EQ(tree.t.ui.statusText(1), "File located - Press F4 for filelist");
    EXPECT_EQ(tree.t.ui.statusText(3), "Done");
}

TEST(UpdateLibraryData, SummaryTexts)
{
    {
        PassTree tree;
        tree.module("NOPE", 1);
        (void)UpdateLibraryData(tree.t.ws, kUpdateLocate);
        EXPECT_EQ(tree.t.ui.statusText(1), "File was NOT located");
        EXPECT_EQ(tree.t.ui.statusText(3), "1 file checked");
    }
    {
        PassTree tree;
        tree.module("NOPE", 1);
        tree.module("NADA", 1);
        (void)UpdateLibraryData(tree.t.ws, kUpdateLocate);
        EXPECT_EQ(tree.t.ui.statusText(1), "None of the 2 files located");
    }
    {
        PassTree tree;
        tree.pe("wine/drive_c/windows/A.DLL");
        tree.pe("wine/drive_c/windows/B.DLL");
        tree.module("A", 1);
        tree.module("B", 1);
        (void)UpdateLibraryData(tree.t.ws, kUpdateLocate);
        EXPECT_EQ(tree.t.ui.statusText(1), "All 2 files located - Press F4 for filelist");
        EXPECT_EQ(tree.t.ui.statusText(3), "Done");
    }
}

TEST(UpdateLibraryData, EscapeInterruptsThePassAndEmptyModulesGo)
{
    PassTree tree;
    tree.pe("wine/drive_c/windows/A.DLL");
    tree.module("A", 2);
    tree.module("EMPTY", 0);
    tree.module("B", 1);
    tree.module("EMPTY2", 0);
    // Marks are renewed after the pass: an entry added to the exclusion list now marks A_F1.
    tree.t.ws.options.UseExcludeList = true;
    tree.t.ws.excludeList.assign({{"a_f1", 1}});
    // The first poll finds nothing; reading A's header takes a while, and the next poll finds
    // Escape.
    tree.t.ui.keys = {ui::PendingKey::None, ui::PendingKey::Escape};
    locate::state(tree.t.ws).headerTest = [&](const std::string& path) {
        tree.t.clock.now += 10;
        return headerKind(tree.t.files, path);
    };
    const UpdateSummary summary = UpdateLibraryData(tree.t.ws, kUpdateLocate);
    EXPECT_TRUE(summary.cancelled);
    EXPECT_EQ(summary.checked, 1u);
    EXPECT_EQ(summary.emptyRemoved, 2u);
    const auto markedA = std::find_if(tree.t.ws.library.rows.begin(), tree.t.ws.library.rows.end(),
                                      [](const LibraryRow& r) { return r.SYMBOL == "A_F1"; });
    ASSERT_NE(markedA, tree.t.ws.library.rows.end());
    EXPECT_EQ(markedA->EXCLUDE, kExcludeListed);
    const auto& panes = tree.t.ui.statusHistory;
    EXPECT_NE(std::find(panes[0].begin(), panes[0].end(), "Cancelled!"), panes[0].end());
    EXPECT_NE(std::find(panes[2].begin(), panes[2].end(), "Aborting..."), panes[2].end());
    EXPECT_NE(std::find(panes[2].begin(), panes[2].end(), "2 empty modules aborted"),
              panes[2].end());
    EXPECT_EQ(tree.t.ui.statusText(3), "Interrupted!");
    EXPECT_EQ(tree.t.ws.library.ModuleCount, 2u);
    EXPECT_EQ(tree.t.ws.library.SymbolCount, 3u);
    EXPECT_TRUE(tree.t.ws.library.LibraryChanged);
}

TEST(UpdateLibraryData, ThePassShowsOnlyItsProgressAndTheSummaryShowsAfterIt)
{
    PassTree tree;
    tree.pe("wine/drive_c/windows/USER32.DLL");
    tree.module("USER32", 1);
    tree.module("MISSING", 1);
    ProgressIndicator progress(tree.t.ui, true);
    const UpdateSummary summary = locateLibraryModules(tree.t.ws, progress);
    EXPECT_EQ(summary, (UpdateSummary{2, 1, 0, false, 2}));
    const auto& panes = tree.t.ui.statusHistory;
    EXPECT_TRUE(panes[0].empty());
    EXPECT_EQ(panes[1], (std::vector<std::string>{"Locating...", "Locating..."}));
    EXPECT_EQ(panes[2], (std::vector<std::string>{"Aborting..."}));
    showLocateSummary(tree.t.ui, true, summary);
    EXPECT_EQ(panes[0], (std::vector<std::string>{"1 of 2 files located - Press F4 for filelist"}));
    EXPECT_EQ(tree.t.ui.statusText(2), "Files located");
    EXPECT_EQ(tree.t.ui.statusText(3), "2 files checked");
    // Without the status bar the summary writes nothing.
    showLocateSummary(tree.t.ui, false, summary);
    EXPECT_EQ(panes[0].size(), 1u);
}

TEST(UpdateLibraryData, RefreshModeCountsAndCopiesBitness)
{
    PassTree tree;
    tree.module("A", 2);
    tree.t.ws.library.rows[0].OS = kOs32;
    tree.t.ws.library.SymbolCount = 99;
    const UpdateSummary summary = UpdateLibraryData(tree.t.ws, kUpdateRefresh);
    EXPECT_EQ(summary.checked, 1u);
    EXPECT_EQ(tree.t.ws.library.SymbolCount, 2u);
    EXPECT_EQ(tree.t.ws.library.rows[2].OS, kOs32);
    EXPECT_EQ(tree.t.ws.library.modules[0].OS, kOs32);
    EXPECT_EQ(tree.t.ws.library.rows[0].ICON, RowIcon::ShutFold32);
    EXPECT_EQ(tree.t.ui.statusText(1), "Updating data...");
    EXPECT_EQ(tree.t.ui.progressStarts, 0);
}

TEST(UpdateLibraryData, SaveLocatesAndDropsModulesOfTheWrongBitness)
{
    PassTree tree;
    tree.pe("wine/drive_c/windows/system32/USER32.DLL");
    tree.ne("wine/drive_c/windows/system32/USER.EXE");
    tree.module("USER32", 1);
    tree.module("USER", 1);
    tree.module("NOWHERE", 1);
    Workspace& ws = tree.t.ws;
    ws.library.LibraryFileName = tree.t.folder.file("OUT.LIB");
    ws.options.UseBitCheckSet = LibraryBitness::Set32Bit;  // a 32-bit library
    ws.options.UseBitCheck =
        BitCheck::RemoveInconsistentAndUnlocated;  // remove inconsistent and unlocated modules
    lib::SaveHooks hooks;
    maintenance::setCleanupHooks(hooks);
    setLocateHooks(hooks);

    EXPECT_EQ(lib::saveFile(ws, lib::SaveWhat::Library, false, hooks), 1);
    ASSERT_EQ(ws.library.modules.size(), 1u);
    EXPECT_EQ(ws.library.modules[0].MODULENAME.view(), "USER32");
    EXPECT_EQ(ws.library.modules[0].OS, kOs32);
    EXPECT_EQ(tree.t.folder.read("OUT.LIB"), testing::libBytes({{"USER32", "USER32_F0", 1}}));

    // The cleanup of the command-line creation takes the same pass.
    tree.module("USER", 1);
    ws.library.LibraryChanged = true;
    const maintenance::SaveCleanupResult removed = maintenance::runSaveCleanup(ws, locatePass());
    EXPECT_EQ(removed.modulesRemoved, 1u);
    EXPECT_EQ(ws.library.modules.size(), 1u);
}

}  // namespace
}  // namespace quillon::locate
