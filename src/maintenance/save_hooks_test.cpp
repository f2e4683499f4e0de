// Tests of the save command with the maintenance cleanup steps bound in.
#include "maintenance/save_hooks.h"

#include <gtest/gtest.h>

#include "lib/lib_reader.h"
#include "support/library_builder.h"
#include "support/test_workspace.h"

namespace quillon::maintenance {
namespace {

using testing::addModule;
using testing::rowNames;
using testing::TestWorkspace;

TEST(SaveCleanupHooks, SaveRemovesDuplicateModulesAndMarkedSymbols)
{
    TestWorkspace t;
    t.ws.options.UseStatusBar = true;
    t.ws.options.UseBitCheckDuplicates = true;
    t.ws.options.UseExcludeList = true;
    t.ws.excludeList.assign({{"DllEntryPoint", 1}});
    addModule(t.ws, "A", {{"DllEntryPoint", 1}, {"Work", 2}});
    addModule(t.ws, "a", {{"Other", 1}});
    t.ws.library.rows[1].EXCLUDE = kExcludeListed;
    t.ws.library.LibraryFileName = t.folder.file("OUT.LIB");
    lib::SaveHooks hooks;
    setCleanupHooks(hooks);
    EXPECT_EQ(lib::saveFile(t.ws, lib::SaveWhat::Library, false, hooks), 1);
    EXPECT_EQ(rowNames(t.ws), (std::vector<std::string>{"A", "Work"}));
    EXPECT_EQ(t.ui.statusText(1),
              "Library: " + t.ws.library.LibraryFileName + " - Modules removed: 1");
    EXPECT_EQ(t.ui.statusText(3), "2 symbols removed");

    TestWorkspace reopened;
    lib::LibLoadRequest request;
    request.fileName = t.ws.library.LibraryFileName;
    ASSERT_TRUE(lib::loadLibrary(reopened.ws, request).ok());
    EXPECT_EQ(rowNames(reopened.ws), (std::vector<std::string>{"A", "Work"}));
}

TEST(SaveCleanupHooks, BitCheckThreeRemovesUnlocatedModules)
{
    TestWorkspace t;
    t.ws.options.UseBitCheck = BitCheck::RemoveInconsistentAndUnlocated;
    t.ws.options.UseBitCheckSet = LibraryBitness::Set32Bit;
    addModule(t.ws, "A", {{"X", 1}}, kOs32);
    addModule(t.ws, "B", {{"Y", 1}}, kOsUnknown);
    t.ws.library.LibraryFileName = t.folder.file("OUT.LIB");
    lib::SaveHooks hooks;
    setCleanupHooks(hooks);
    EXPECT_EQ(lib::saveFile(t.ws, lib::SaveWhat::Library, false, hooks), 1);
    EXPECT_EQ(rowNames(t.ws), (std::vector<std::string>{"A", "X"}));
}

TEST(SaveCleanupHooks, SaveRemovesGlobalDuplicatesInEveryKeepMode)
{
    // Mode 2 and 3 find no saved LIB file and fall back to keep none and keep first.
    const std::vector<std::string> keepNone{"A", "Own", "B", "Other"};
    const std::vector<std::string> keepFirst{"A", "Shared", "Own", "B", "Other"};
    const std::vector<std::vector<std::string>> expected{keepNone, keepFirst, keepNone, keepFirst};
    for (int mode = 0; mode < 4; ++mode) {
        TestWorkspace t;
        t.ws.options.UseExcludeList = true;
        t.ws.options.UseExcludeGlobalDuplicates = true;
        t.ws.options.UseExcludeGlobalDuplicatesSet =
            static_cast<DuplicateKeep>(mode);  // each stored number
        addModule(t.ws, "A", {{"Shared", 1}, {"Own", 2}});
        addModule(t.ws, "B", {{"SHARED", 1}, {"Other", 2}});
        t.ws.library.LibraryChanged = true;
        t.ws.library.LibraryFileName = t.folder.file("OUT.LIB");
        lib::SaveHooks hooks;
        setCleanupHooks(hooks);
        EXPECT_EQ(lib::saveFile(t.ws, lib::SaveWhat::Library, false, hooks), 1) << mode;
        EXPECT_EQ(rowNames(t.ws), expected[static_cast<std::size_t>(mode)]) << mode;
    }
}

}  // namespace
}  // namespace quillon::maintenance
