// Options, derived values, name preparation and the exceptions list.
#include "locate/name_preparation.h"

#include <gtest/gtest.h>

#include "locate/autolocate_options.h"
#include "platform/paths.h"
#include "settings/settings_store.h"
#include "support/test_workspace.h"
#include "platform/native_path.h"

namespace quillon::locate {
namespace {

using Strings = std::vector<std::string>;

DerivedAutolocate derived(AutolocateOptions o = {}, const std::string& priority = "")
{
    return deriveAutolocate(o, priority);
}

TEST(DeriveAutolocate, ExtensionListsLimitsAndSummary)
{
    AutolocateOptions o;
    EXPECT_EQ(derived(o).extensions, (Strings{".DLL", ".EXE", ".DRV"}));
    EXPECT_EQ(derived(o).settingsSummary, " Relax Shallow:500");

    o.UseAutolocateDeep = true;
    o.UseVerifyOSAutolocate = true;
    o.UseRelaxedAutolocate = false;
    EXPECT_EQ(derived(o).extensions,
              (Strings{".DLL", ".EXE", ".DRV", ".VBX", ".OCX", ".AX", ".CPL"}));
    EXPECT_EQ(derived(o).folderLimit, 1000u);
    EXPECT_EQ(derived(o).settingsSummary, " OS Deep:1000");

    o.UseOnlyDLLAutolocate = true;
    o.UsePriorityPath = true;
    o.UseOnlyPriorityPath = true;
    o.UseOnlySourcePath = true;
    o.UseOnlyEnvironmentPath = true;
    o.UseRelaxedAutolocate = true;
    const DerivedAutolocate all = derived(o, "/prio");
    EXPECT_EQ(all.extensions, Strings{".DLL"});
    EXPECT_EQ(all.priorityFolder, std::string("/prio") + platform::kPathSeparator);
    EXPECT_EQ(all.settingsSummary, " Pri R1 R2 R3 Relax DLL OS Deep:1000");
}

TEST(DeriveAutolocate, PriorityRestrictionNeedsThePriorityFolderInUse)
{
    AutolocateOptions o;
    o.UseOnlyPriorityPath = true;
    const DerivedAutolocate d = derived(o, "/prio/");
    EXPECT_FALSE(d.restricted);
    EXPECT_FALSE(d.onlyPriority);
    EXPECT_EQ(d.priorityFolder, "");
    EXPECT_EQ(d.settingsSummary, " Relax Shallow:500");
}

TEST(AutolocateOptions, WriteThenReadGivesTheSameValues)
{
    testing::TestWorkspace t;
    AutolocateOptions o;
    o.UsePriorityPath = true;
    o.FirstFolder = platform::nativePath("/some/folder/");
    o.UseRelaxedAutolocate = false;
    o.UseAutolocateDeep = true;
    writeAutolocateOptions(t.settings, o);
    EXPECT_EQ(readAutolocateOptions(t.settings), o);
    t.settings.writeSetting("Folders", "UseVerifyOSAutolocate", "7");
    EXPECT_EQ(readAutolocateOptions(t.settings).UseVerifyOSAutolocate, 1);
}

TEST(PrepareName, OwnExtensionGoesFirstEvenWithDllOnly)
{
    AutolocateOptions o;
    o.UseOnlyDLLAutolocate = true;
    const PreparedName p = prepareName(" myprog.exe ", false, {}, derived(o));
    EXPECT_EQ(p.display, "MYPROG.EXE");
    EXPECT_EQ(p.base, "MYPROG");
    EXPECT_EQ(p.extensions, (Strings{".EXE", ".DLL"}));
    EXPECT_EQ(prepareName("X.DRV", false, {}, derived()).extensions,
              (Strings{".DRV", ".DLL", ".EXE"}));
    EXPECT_EQ(prepareName("ABCDEFGHIJKLMNOPQRSTUVWXYZ", false, {}, derived()).display,
              "ABCDEFGHIJKLMNOPQRSTUVWXYZ");
}

TEST(PrepareName, DottedNamesAlsoTryTheWholeNameWithEachExtension)
{
    EXPECT_EQ(prepareName("windows.media", false, {}, derived()).fileNames,
              (Strings{"WINDOWS.MEDIA", "WINDOWS.MEDIA.DLL", "WINDOWS.MEDIA.EXE",
                       "WINDOWS.MEDIA.DRV", "WINDOWS.DLL", "WINDOWS.EXE", "WINDOWS.DRV"}));
    // Names of the 8.3 kind keep their candidates.
    EXPECT_EQ(prepareName("MYPROG.EXE", false, {}, derived()).fileNames,
              (Strings{"MYPROG.EXE", "MYPROG.DLL", "MYPROG.DRV"}));
    EXPECT_EQ(prepareName("KERNEL32", false, {}, derived()).fileNames,
              (Strings{"KERNEL32.DLL", "KERNEL32.EXE", "KERNEL32.DRV"}));
    AutolocateOptions o;
    o.UseOnlyDLLAutolocate = true;
    EXPECT_EQ(prepareName("a.b.c", false, {}, derived(o)).fileNames,
              (Strings{"A.B.C", "A.B.C.DLL", "A.B.DLL"}));
}

TEST(PrepareName, ExceptionsSupplyTheFileName)
{
    ExceptQ exceptions;
    exceptions.entries = {{"KERNEL ", "", " KRNL386.EXE ", "EXE"},
                          {"\"QUOTED\"", "", "Q.DLL", "DLL"},
                          {"FULL.DLL", "DLL", "C:\\WINDOWS\\OTHER.DRV", "DRV"}};
    AutolocateOptions dllOnly;
    dllOnly.UseOnlyDLLAutolocate = true;

    const PreparedName kernel = prepareName("KERNEL", false, exceptions, derived(dllOnly));
    EXPECT_TRUE(kernel.fromException);
    EXPECT_EQ(kernel.base, "KRNL386");
    EXPECT_EQ(kernel.extensions, (Strings{".EXE", ".DLL", ".DRV"}));
    EXPECT_EQ(kernel.display, "KERNEL");
    // An entry without extension also serves the name with one.
    EXPECT_EQ(prepareName("kernel.exe", false, exceptions, derived()).base, "KRNL386");

    EXPECT_FALSE(prepareName("QUOTED", false, exceptions, derived()).fromException);
    EXPECT_EQ(prepareName("QUOTED", true, exceptions, derived()).base, "Q");

    const PreparedName full = prepareName("full.dll", false, exceptions, derived());
    EXPECT_EQ(full.base, "OTHER");
    EXPECT_EQ(full.extensions.front(), ".DRV");
    EXPECT_FALSE(prepareName("FULL", false, exceptions, derived()).fromException);
}

TEST(PrepareName, RelaxedRemovesApostrophesAndQuotes)
{
    const PreparedName p = prepareName("O'Reilly\".dll", true, {}, derived());
    EXPECT_EQ(p.base, "OREILLY");
    EXPECT_EQ(p.extensions.front(), ".DLL");
    EXPECT_EQ(prepareName("O'REILLY", false, {}, derived()).base, "O'REILLY");
}

TEST(PrepareName, NamesThatCannotBeFileNamesAreUnusable)
{
    EXPECT_FALSE(prepareName("..", false, {}, derived()).usable);
    EXPECT_FALSE(prepareName("A/B", false, {}, derived()).usable);
    EXPECT_FALSE(prepareName("A\\B", false, {}, derived()).usable);
    EXPECT_FALSE(prepareName("''", true, {}, derived()).usable);
    EXPECT_TRUE(prepareName("A B", false, {}, derived()).usable);
}

}  // namespace
}  // namespace quillon::locate
