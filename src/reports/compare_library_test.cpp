// Tests of comparing several modules one after another, and of the settings of section Compare.
#include "reports/compare_library.h"

#include <gtest/gtest.h>

#include "locate/locate_state.h"
#include "reports/compare_settings.h"
#include "reports/compare_state.h"
#include "reports/compare_status.h"
#include "support/exe_builder.h"
#include "support/library_builder.h"
#include "support/test_workspace.h"
#include "platform/native_path.h"

namespace quillon::reports {
namespace {

TEST(CompareLibrary, EachModuleOnceWithItsLocatedFileOrNotLocated)
{
    testing::TestWorkspace t;
    t.ws.options.UseNoMessages = true;
    const std::string dll =
        t.folder.write("ALPHA.dll", testing::buildPeWithNames({"One", "Two"}, "ALPHA.dll").bytes);
    testing::addModule(t.ws, "ALPHA.dll", {{"One", 1}, {"Two", 2}}, kOs32, "/libs/APP.LIB");
    testing::addModule(t.ws, "GHOST.dll", {{"Boo", 1}}, kOs32, "/libs/APP.LIB");
    testing::addModule(t.ws, "alpha.dll", {{"One", 1}}, kOs32, "/libs/APP.LIB");
    locate::AutolocateOptions options;
    options.UsePriorityPath = true;
    options.UseOnlyPriorityPath = true;
    options.FirstFolder = t.folder.path().string() + "/";
    locate::state(t.ws).fixedOptions = options;

    const auto modules = compareLibraryModules(t.ws, {});
    ASSERT_EQ(modules.size(), 2u);
    EXPECT_EQ(modules[0].moduleName, "ALPHA.dll");
    EXPECT_EQ(modules[0].result.diskFile, dll);
    EXPECT_EQ(modules[0].result.status.longText, "No changes");
    EXPECT_FALSE(modules[1].located);
    EXPECT_EQ(modules[1].result.status.shortText, "File not found");
    EXPECT_EQ(severityBits(modules[1].result), kSeverityError);

    LibraryCompareRequest one;
    one.moduleName = "ghost.DLL";
    one.diskFile = dll;
    const auto named = compareLibraryModules(t.ws, one);
    ASSERT_EQ(named.size(), 1u);
    // Another module name, compared anyway: the long status tells, the short one says changed.
    EXPECT_EQ(named[0].result.status, (CompareStatus{"Wrong module", "Module changed"}));

    keepCompareResult(t.ws, named[0].result);
    EXPECT_EQ(moduleCompareResult(t.ws, "GHOST.DLL"), "Module changed");
    EXPECT_TRUE(compareState(t.ws).hasResult);
    clearCompareList(t.ws);
    EXPECT_FALSE(compareState(t.ws).hasResult);
    EXPECT_EQ(moduleCompareResult(t.ws, "ghost.dll"), "Module changed");
}

TEST(CompareSettingsFile, DefaultsRoundTripAndCandidateFiles)
{
    testing::TestWorkspace t;
    CompareSettings s = readCompareSettings(t.settings);
    EXPECT_EQ(s, CompareSettings{});
    s.options.UseMatchCase = false;
    s.options.UseIgnoreOrdinals = true;
    s.UseShowReport = true;
    s.CompareModule = "KERNEL32";
    s.CompareFile = platform::nativePath("/dlls/kernel32.dll");
    writeCompareSettings(t.settings, s);
    EXPECT_EQ(readCompareSettings(t.settings), s);

    rememberCompareFile(t.settings, 3, "/a.dll");
    rememberCompareFile(t.settings, 3, "/b.lib");
    rememberCompareFile(t.settings, 3, "/A.DLL");
    rememberCompareFile(t.settings, 3, "/c.dll");
    rememberCompareFile(t.settings, 3, "/d.dll");
    EXPECT_EQ(readCompareFiles(t.settings, 3),
              (std::vector<std::string>{platform::nativePath("/d.dll"), platform::nativePath("/c.dll"),
                                        platform::nativePath("/A.DLL")}));
}

}  // namespace
}  // namespace quillon::reports
