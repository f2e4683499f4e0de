// Tests of the save command: target name, cleanup seam, sort rule, status texts.
#include "lib/save_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "core/library_model.h"
#include "core/sort_library.h"
#include "settings/settings_store.h"
#include "support/lib_builder.h"
#include "support/test_workspace.h"

namespace quillon::lib {
namespace {

using testing::libBytes;

class SaveFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        t.ws.options.UseStatusBar = true;
        target = t.folder.file("MY.LIB");
        t.ws.library.LibraryFileName = target;
        addModule("B", {{"Y", 2}, {"X", 1}});
        addModule("A", {{"Z", 3}});
        t.ws.library.LibraryChanged = true;
    }

    void addModule(std::string_view name, const std::vector<std::pair<std::string, int>>& symbols)
    {
        const std::size_t first = t.ws.library.rows.size();
        appendModuleRow(t.ws, name, kOsUnknown);
        for (const auto& [symbol, ordinal] : symbols)
            appendSymbolRow(t.ws, symbol, static_cast<std::uint16_t>(ordinal));
        postProcessLoad(t.ws, first, LoadedFile{"/dll/" + std::string(name) + ".DLL", true, 0});
    }

    /// Removes the last module row and its symbols, keeping the counters as the cleanups do.
    static void removeLastModule(Workspace& ws)
    {
        auto& rows = ws.library.rows;
        std::size_t at = rows.size();
        while (at > 0 && !rows[at - 1].isModule())
            --at;
        ws.library.SymbolCount -= static_cast<std::uint32_t>(rows.size() - at);
        truncateLibrary(ws, at - 1);
        rebuildModuleTable(ws);
    }

    testing::TestWorkspace t;
    std::string target;
};

TEST_F(SaveFileTest, SavesUnderTheLibraryNameAndReports)
{
    std::vector<std::string> recent;
    SaveHooks hooks;
    hooks.addRecentFile = [&](Workspace&, const std::string& name) { recent.push_back(name); };
    EXPECT_EQ(saveFile(t.ws, SaveWhat::Library, false, hooks), 1);
    EXPECT_EQ(t.folder.read("MY.LIB"), libBytes({{"B", "Y", 2}, {"B", "X", 1}, {"A", "Z", 3}}));
    EXPECT_FALSE(t.ws.library.LibraryChanged);
    EXPECT_EQ(recent, std::vector<std::string>{target});
    EXPECT_EQ(t.ui.statusHistory[0],
              (std::vector<std::string>{"Saving library...", "Sorting...", "Saving...",
                                        "Library: " + target + " saved to disk"}));
    EXPECT_EQ(t.ui.statusText(2), "Done");
    EXPECT_EQ(t.ui.statusText(3), "");
    const std::string folder = (t.folder.path() / "").string();
    EXPECT_EQ(t.ws.options.LastSaveFolder, folder);
    EXPECT_EQ(t.ws.settings().readSetting("Folders", "LastSaveFolder"), folder);
}

TEST_F(SaveFileTest, NothingToSaveReturnsZero)
{
    t.ws.library.rows.clear();
    EXPECT_EQ(saveFile(t.ws), 0);
    EXPECT_EQ(saveFile(t.ws, SaveWhat::QueryResults), 0);
    EXPECT_FALSE(std::filesystem::exists(target));
    EXPECT_TRUE(t.ui.statusHistory[0].empty());
}

TEST_F(SaveFileTest, CommandLineModeIsAnInternalError)
{
    EXPECT_EQ(saveFile(t.ws, SaveWhat::Library, false, {}, RunMode{true, false}), 0);
    ASSERT_EQ(t.ui.messages.size(), 1u);
    EXPECT_EQ(t.ui.messages[0].title, "CLARION QUILLON 32 - Internal error!");
    EXPECT_EQ(t.ui.messages[0].text,
              "    This procedure should not be called from the command-line parameter "
              "procedures.|    Please report this error.|    Procedure: SaveFile|    Source "
              "file: fileproc");
    EXPECT_FALSE(std::filesystem::exists(target));
}

TEST_F(SaveFileTest, AskNameUsesTheSaveDialog)
{
    const std::string chosen = t.folder.file("sub/NEW.LIB");
    std::filesystem::create_directory(t.folder.path() / "sub");
    t.ui.dialogResults.push_back({chosen});
    EXPECT_EQ(saveFile(t.ws, SaveWhat::Library, true), 1);
    ASSERT_EQ(t.ui.dialogs.size(), 1u);
    EXPECT_EQ(t.ui.dialogs[0].title, "Save library file -" + target);
    EXPECT_EQ(t.ui.dialogs[0].filters, "Library files (*.lib)|*.lib|All files (*.*)|*.*");
    EXPECT_EQ(t.ws.library.LibraryFileName, chosen);
    EXPECT_TRUE(std::filesystem::exists(chosen));
    EXPECT_EQ(t.ws.options.LastSaveFolder, (t.folder.path() / "sub" / "").string());
}

TEST_F(SaveFileTest, NameTypedWithoutTheExtensionGetsIt)
{
    for (const auto& [typed, saved] : {std::pair<std::string, std::string>{"NEW", "NEW.LIB"},
                                       {"mine", "mine.lib"},
                                       {"two.dots", "two.dots.lib"},
                                       {"done.Lib", "done.Lib"}}) {
        t.ui.dialogResults.push_back({t.folder.file(typed)});
        EXPECT_EQ(saveFile(t.ws, SaveWhat::Library, true), 1) << typed;
        EXPECT_EQ(t.ws.library.LibraryFileName, t.folder.file(saved));
        EXPECT_TRUE(std::filesystem::exists(t.folder.file(saved))) << saved;
    }
    EXPECT_FALSE(std::filesystem::exists(t.folder.file("mine")));
    EXPECT_FALSE(std::filesystem::exists(t.folder.file("NEW")));
}

TEST_F(SaveFileTest, CancelledDialogKeepsTheTarget)
{
    EXPECT_EQ(saveFile(t.ws, SaveWhat::Library, true), 0);
    EXPECT_EQ(t.ws.library.LibraryFileName, target);
    EXPECT_FALSE(std::filesystem::exists(target));
    EXPECT_TRUE(t.ws.library.LibraryChanged);
}

TEST_F(SaveFileTest, FailureIsReportedAndKeepsTheLibraryChanged)
{
    t.files.setFaultHook([](platform::FileOp op, const std::string&) {
        return op == platform::FileOp::Close ? 90 : 0;
    });
    EXPECT_EQ(saveFile(t.ws), 0);
    EXPECT_TRUE(t.ws.library.LibraryChanged);
    EXPECT_EQ(t.ui.statusText(1), "Library: " + target + " - save failed");
    EXPECT_EQ(t.ui.statusText(2), "Save failed!");
    EXPECT_EQ(t.ui.statusText(3), "90");
    EXPECT_EQ(t.ws.options.LastSaveFolder, "");
    EXPECT_FALSE(std::filesystem::exists(target));
}

TEST_F(SaveFileTest, CleanupStepsRunAsTheSettingsAsk)
{
    std::vector<std::string> calls;
    SaveHooks hooks;
    hooks.updateLibraryData = [&](Workspace&, int mode) {
        calls.push_back("update " + std::to_string(mode));
    };
    hooks.removeInconsistentModules = [&](Workspace& ws, bool unlocated) {
        calls.push_back(unlocated ? "inconsistent+unlocated" : "inconsistent");
        removeLastModule(ws);
    };
    hooks.removeDuplicateModules = [&](Workspace&) { calls.push_back("duplicates"); };
    hooks.removeMarkedSymbols = [&](Workspace&) { calls.push_back("marked"); };

    // Options off: no cleanup runs.
    EXPECT_EQ(saveFile(t.ws, SaveWhat::Library, false, hooks), 1);
    EXPECT_TRUE(calls.empty());

    t.ws.options.UseBitCheckDuplicates = true;
    t.ws.options.UseExcludeList = true;
    EXPECT_EQ(saveFile(t.ws, SaveWhat::Library, false, hooks), 1);
    EXPECT_EQ(calls, (std::vector<std::string>{"duplicates", "marked"}));

    calls.clear();
    t.ws.options.UseBitCheck = BitCheck::RemoveInconsistentAndUnlocated;
    EXPECT_EQ(saveFile(t.ws, SaveWhat::Library, false, hooks), 1);
    EXPECT_EQ(calls, (std::vector<std::string>{"update 2", "inconsistent+unlocated", "marked",
                                               "update 0"}));
    EXPECT_EQ(t.ui.statusText(1), "Library: " + target + " - Modules removed: 1");
    EXPECT_EQ(t.ui.statusText(3), "1 symbol removed");
    EXPECT_EQ(t.folder.read("MY.LIB"), libBytes({{"B", "Y", 2}, {"B", "X", 1}}));
}

TEST_F(SaveFileTest, SymbolsRemovedAreCountedInPaneThree)
{
    SaveHooks hooks;
    hooks.removeMarkedSymbols = [](Workspace& ws) {
        auto& rows = ws.library.rows;
        rows.erase(rows.begin() + 1, rows.begin() + 3);  // both symbols of B
        ws.library.SymbolCount -= 2;
    };
    t.ws.options.UseExcludeList = true;
    EXPECT_EQ(saveFile(t.ws, SaveWhat::Library, false, hooks), 1);
    EXPECT_EQ(t.ui.statusText(1), "Library: " + target + " saved to disk");
    EXPECT_EQ(t.ui.statusText(3), "2 symbols removed");
}

TEST_F(SaveFileTest, SortOrderOutOfRangeIsStoredBackAsFileOrder)
{
    t.ws.options.UseLIBSortOrder = static_cast<LibSortOrder>(7);
    sortLibrary(t.ws, SortOrder::SymbolNames, false);
    EXPECT_EQ(saveFile(t.ws), 1);
    EXPECT_EQ(t.ws.options.UseLIBSortOrder, LibSortOrder::FileOrder);
    EXPECT_EQ(t.ws.settings().readNumber("Options", "UseLIBSortOrder", 0), 3);
    EXPECT_EQ(t.folder.read("MY.LIB"), libBytes({{"B", "Y", 2}, {"B", "X", 1}, {"A", "Z", 3}}));

    t.ws.options.UseLIBSortOrder = LibSortOrder::SymbolNames;
    EXPECT_EQ(saveFile(t.ws), 1);
    EXPECT_EQ(t.folder.read("MY.LIB"), libBytes({{"A", "Z", 3}, {"B", "X", 1}, {"B", "Y", 2}}));

    // 0 keeps the order the list has now.
    t.ws.options.UseLIBSortOrder = LibSortOrder::Current;
    sortLibrary(t.ws, SortOrder::OrdinalNumbers, true);
    EXPECT_EQ(saveFile(t.ws), 1);
    EXPECT_EQ(t.folder.read("MY.LIB"), libBytes({{"B", "Y", 2}, {"B", "X", 1}, {"A", "Z", 3}}));
}

TEST_F(SaveFileTest, ExtractedFunctionsAreSavedUnderTheirOwnName)
{
    t.ws.queryResults.rows = {{ModuleName("B"), "Y", 2, 3, 1}, {ModuleName("A"), "Z", 3, 5, 1}};
    t.ws.options.UseLIBSortOrder = LibSortOrder::SymbolNames;
    EXPECT_EQ(saveFile(t.ws, SaveWhat::QueryResults), 0);
    const std::string extract = t.folder.file("My_extract.lib");
    EXPECT_EQ(t.folder.read("My_extract.lib"), libBytes({{"A", "Z", 3}, {"B", "Y", 2}}));
    EXPECT_EQ(t.ws.library.LibraryFileName, target);
    EXPECT_TRUE(t.ws.library.LibraryChanged);
    EXPECT_EQ(t.ui.statusText(1), "Library: " + extract + " saved to disk");
}

TEST_F(SaveFileTest, ExtractNameFollowsTheLongNameSetting)
{
    const std::filesystem::path folder = t.folder.path();
    t.ws.library.LibraryFileName = (folder / "WinMain32.lib").string();
    EXPECT_EQ(extractFileName(t.ws), (folder / "Winmain32_extract.lib").string());
    t.ws.options.UseLongAdd = false;
    EXPECT_EQ(extractFileName(t.ws), (folder / "WINMAI_E.LIB").string());
}

}  // namespace
}  // namespace quillon::lib
