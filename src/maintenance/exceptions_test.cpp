// Tests of the exceptions list entry recorded for executables and of its storage.
#include "maintenance/exceptions.h"

#include <gtest/gtest.h>

#include "settings/settings_store.h"
#include "support/test_workspace.h"

namespace quillon::maintenance {
namespace {

using testing::TestWorkspace;

TEST(AddExceptionForFile, RecordsAModuleWhoseFileHasAnotherNameOnce)
{
    TestWorkspace t;
    EXPECT_TRUE(addExceptionForFile(t.ws, "KERNEL", "/win/system/krnl386.exe"));
    EXPECT_FALSE(addExceptionForFile(t.ws, "kernel", "/other/KRNL386.EXE"));
    EXPECT_EQ(t.settings.readNumber("Exceptlist", "ListNum", 0), 1);
    EXPECT_EQ(t.settings.readSetting("Exceptlist", "Modulename1"), "KERNEL");
    EXPECT_EQ(t.settings.readSetting("Exceptlist", "Filename1"), "KRNL386.EXE");
    ASSERT_EQ(t.ws.exceptQ.entries.size(), 1u);
    EXPECT_EQ(t.ws.exceptQ.entries[0], (ExceptEntry{"KERNEL", "", "KRNL386.EXE", "EXE"}));
}

TEST(AddExceptionForFile, KeepsModuleNamesLongerThan20Characters)
{
    TestWorkspace t;
    EXPECT_TRUE(addExceptionForFile(t.ws, "Windows.Devices.Enumeration", "/win/wde.dll"));
    EXPECT_EQ(t.settings.readSetting("Exceptlist", "Modulename1"), "WINDOWS.DEVICES.ENUMERATION");
    ASSERT_EQ(t.ws.exceptQ.entries.size(), 1u);
    EXPECT_EQ(t.ws.exceptQ.entries[0].MODULENAME, "WINDOWS.DEVICES.ENUMERATION");
    // A module whose name shares the first 20 characters is another module.
    EXPECT_TRUE(addExceptionForFile(t.ws, "Windows.Devices.EnumerationX", "/win/wdx.dll"));
    EXPECT_EQ(t.ws.exceptQ.entries.size(), 2u);
}

TEST(AddExceptionForFile, NothingForMatchingOrBlankNames)
{
    TestWorkspace t;
    EXPECT_FALSE(addExceptionForFile(t.ws, "KERNEL32", "/win/kernel32.dll"));
    EXPECT_FALSE(addExceptionForFile(t.ws, "myprog.exe", "/bin/MYPROG.EXE"));
    EXPECT_FALSE(addExceptionForFile(t.ws, "  ", "/bin/A.DLL"));
    EXPECT_FALSE(addExceptionForFile(t.ws, "'\"", "/bin/A.DLL"));
    EXPECT_FALSE(addExceptionForFile(t.ws, "A", "   "));
    EXPECT_EQ(t.settings.readSetting("Exceptlist", "ListNum"), "");
}

TEST(AddExceptionForFile, QuotesAreRemovedAndStoredPairsAreKept)
{
    TestWorkspace t;
    t.settings.writeNumber("Exceptlist", "ListNum", 1);
    t.settings.writeSetting("Exceptlist", "Modulename1", "USER");
    t.settings.writeSetting("Exceptlist", "Filename1", "USER.EXE");
    t.settings.writeSetting("Exceptlist", "Modulename2", "GDI");
    t.settings.writeSetting("Exceptlist", "Filename2", "GDI.EXE");
    EXPECT_FALSE(addExceptionForFile(t.ws, "gdi", "/w/gdi.exe"));
    EXPECT_TRUE(addExceptionForFile(t.ws, "O'Reilly\"s", "/w/oreilly.dll"));
    EXPECT_EQ(t.settings.readSetting("Exceptlist", "Modulename2"), "GDI");
    EXPECT_EQ(t.settings.readSetting("Exceptlist", "Modulename3"), "OREILLYS");
    EXPECT_EQ(t.settings.readNumber("Exceptlist", "ListNum", 0), 3);
}

TEST(ExceptListStorage, SaveWritesThePairsAndDropsStaleOnes)
{
    TestWorkspace t;
    ASSERT_TRUE(addExceptionForFile(t.ws, "A", "/x/B.DLL"));
    ASSERT_TRUE(addExceptionForFile(t.ws, "C", "/x/D.DLL"));
    t.ws.exceptQ.entries.erase(t.ws.exceptQ.entries.begin());
    saveExceptList(t.ws);
    EXPECT_EQ(t.settings.readNumber("Exceptlist", "ListNum", 0), 1);
    EXPECT_EQ(t.settings.readSetting("Exceptlist", "Modulename1"), "C");
    EXPECT_EQ(t.settings.readSetting("Exceptlist", "Modulename2", "gone"), "gone");
    loadExceptList(t.ws);
    ASSERT_EQ(t.ws.exceptQ.entries.size(), 1u);
    EXPECT_EQ(t.ws.exceptQ.entries[0].FILENAME, "D.DLL");
}

}  // namespace
}  // namespace quillon::maintenance
