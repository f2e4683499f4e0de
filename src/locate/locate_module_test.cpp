// The search for one module's file: steps, order, options, messages and results rows.
#include "locate/locate_module.h"

#include <filesystem>

#include <gtest/gtest.h>

#include "core/workspace.h"
#include "locate/locate_messages.h"
#include "locate/path_parts.h"
#include "support/locate_tree.h"

namespace quillon::locate {
namespace {

using testing::LocateTree;

TEST(LocateModuleFile, FindsKernelAsKrnl386ThroughTheExceptionsList)
{
    LocateTree tree;
    const std::string krnl = tree.ne("wine/drive_c/windows/system32/KRNL386.EXE");
    tree.t.ws.exceptQ.entries.push_back({"KERNEL", "", "KRNL386.EXE", "EXE"});

    const LocateOutcome found = tree.locate("kernel");
    EXPECT_TRUE(found.found);
    EXPECT_EQ(found.result, krnl);
    EXPECT_EQ(found.os, 1);
    EXPECT_EQ(found.returnCode(), 1);
    EXPECT_EQ(found.source, "SystemDir");
    EXPECT_EQ(found.processes, " MData Pri Pri2 Sys");
}

TEST(LocateModuleFile, DllOnlyOptionSkipsOtherExtensionsUnlessTheNameCarriesOne)
{
    LocateTree tree;
    const std::string exe = tree.pe("wine/drive_c/windows/MYPROG.EXE");
    tree.setFolderOption("UseOnlyDLLAutolocate", "1");

    EXPECT_FALSE(tree.locate("MYPROG").found);
    const LocateOutcome withExtension = tree.locate("MYPROG.EXE");
    EXPECT_TRUE(withExtension.found);
    EXPECT_EQ(withExtension.result, exe);
    EXPECT_EQ(withExtension.source, "WindowsDir");
    EXPECT_EQ(withExtension.os, 2);
}

TEST(LocateModuleFile, HeaderVerificationRejectsATextFileAndSearchesOn)
{
    LocateTree tree;
    tree.file("wine/drive_c/windows/system32/X.DLL",
              "just some text, no header at all here.....................");
    const std::string real = tree.pe("pathdir/x.dll");
    tree.setPath(tree.folder("pathdir"));

    // Without verification the text file is taken, with bitness unknown.
    const LocateOutcome unverified = tree.locate("X");
    EXPECT_EQ(unverified.source, "SystemDir");
    EXPECT_EQ(unverified.os, 0);
    EXPECT_EQ(unverified.returnCode(), 1);

    tree.setFolderOption("UseVerifyOSAutolocate", "1");
    const LocateOutcome verified = tree.locate("X");
    EXPECT_EQ(verified.result, real);
    EXPECT_EQ(verified.source, "EnvironmentPath");
    EXPECT_EQ(verified.os, 2);
}

TEST(LocateModuleFile, RestrictedToAMissingSourceFolderFailsEveryModule)
{
    LocateTree tree;
    tree.pe("wine/drive_c/windows/system32/KERNEL32.DLL");
    tree.setFolderOption("UseOnlySourcePath", "1");
    tree.t.ws.options.OptionAddFolder =
        SourceFolderChoice::Fixed;  // "Folder:", with no folder given
    tree.t.ws.options.AddFolder.clear();

    const LocateOutcome outcome = tree.locate("KERNEL32");
    EXPECT_FALSE(outcome.found);
    EXPECT_EQ(outcome.result, "<File not found>");
    EXPECT_EQ(outcome.processes, " MData Source");
    EXPECT_FALSE(tree.locate("USER32").found);
}

TEST(LocateModuleFile, RelaxedMatchingRemovesApostrophesAndQuotes)
{
    LocateTree tree;
    const std::string file = tree.pe("wine/drive_c/windows/OREILLY.DLL");
    tree.setFolderOption("UseRelaxedAutolocate", "0");
    EXPECT_FALSE(tree.locate("O'REILLY.DLL").found);

    LocateRequest request;
    request.moduleName = "O'REILLY.DLL";
    request.relaxed = true;
    request.quiet = true;
    EXPECT_EQ(LocateModuleFile(tree.t.ws, request).result, file);

    tree.setFolderOption("UseRelaxedAutolocate", "1");
    EXPECT_EQ(tree.locate("o\"reilly").result, file);
}

TEST(LocateModuleFile, SearchOrderPriorityThenSystemThenPathThenSource)
{
    LocateTree tree;
    const std::string priority = tree.pe("first/LIB1.DLL");
    const std::string system = tree.pe("wine/drive_c/windows/system32/LIB1.DLL");
    tree.pe("wine/drive_c/windows/system32/LIB2.DLL");
    const std::string windows = tree.pe("wine/drive_c/windows/LIB3.DLL");
    const std::string inPath = tree.pe("p2/LIB4.DLL");
    tree.pe("start/LIB4.DLL");
    const std::string source = tree.pe("start/LIB5.DLL");
    tree.setPath(LocateTree::pathList({"", tree.folder("p1"), tree.folder("p2"), "", ""}));

    EXPECT_EQ(tree.locate("LIB1").result, system);
    tree.setFolderOption("UsePriorityPath", "1");
    tree.setFolderOption("FirstFolder", tree.folder("first"));
    const LocateOutcome pri = tree.locate("LIB1");
    EXPECT_EQ(pri.result, priority);
    EXPECT_EQ(pri.source, "PriorityPath");
    EXPECT_EQ(pri.processes, " MData Pri");

    EXPECT_EQ(tree.locate("LIB3").result, windows);
    const LocateOutcome path = tree.locate("LIB4");
    EXPECT_EQ(path.result, inPath);
    EXPECT_EQ(path.processes, " MData Pri Pri2 Sys Win En");
    const LocateOutcome start = tree.locate("LIB5");
    EXPECT_EQ(start.result, source);
    EXPECT_EQ(start.source, "SourcePath");
}

TEST(LocateModuleFile, FindsModulesNamedWithSeveralDots)
{
    LocateTree tree;
    const std::string media = tree.pe("first/windows.media.dll");
    tree.setFolderOption("UsePriorityPath", "1");
    tree.setFolderOption("FirstFolder", tree.folder("first"));
    const LocateOutcome found = tree.locate("windows.media");
    EXPECT_TRUE(found.found);
    EXPECT_EQ(found.result, media);
    EXPECT_EQ(found.source, "PriorityPath");
}

TEST(LocateModuleFile, RemembersTheFolderOfTheLastFileFound)
{
    LocateTree tree;
    tree.pe("a/ONE.DLL");
    const std::string two = tree.pe("a/TWO.DLL");
    tree.pe("wine/drive_c/windows/system32/TWO.DLL");
    LocateRequest request;
    request.moduleName = "ONE";
    request.passedFiles = {tree.path("a/one.dll")};
    request.quiet = true;
    const LocateOutcome one = LocateModuleFile(tree.t.ws, request);
    EXPECT_EQ(one.source, "PassedLocateFile");

    const LocateOutcome again = tree.locate("TWO");
    EXPECT_EQ(again.result, two);
    EXPECT_EQ(again.source, "PreviousPath");
}

TEST(LocateModuleFile, BadPathEntriesAreSkippedInOrder)
{
    LocateTree tree;
    const std::string locked = tree.folder("locked");
    tree.pe("locked/BAD.DLL");
    const std::string good = tree.pe("good/BAD.DLL");
    tree.t.files.setFaultHook([&](platform::FileOp op, const std::string& path) {
        return op == platform::FileOp::List && path == locked ? 5 : 0;
    });
    tree.setPath(
        LocateTree::pathList({" ", " relative/missing ", tree.path("nowhere"), locked,
                              "\"" + tree.folder("good") + "\"", tree.pe("good/FILE.DLL")}));

    const LocateOutcome outcome = tree.locate("BAD");
    EXPECT_EQ(outcome.result, good);
    EXPECT_EQ(outcome.source, "EnvironmentPath");
}

TEST(LocateModuleFile, NamesMatchWithoutCaseButOnlyOneFileMayMatch)
{
#ifdef _WIN32
    GTEST_SKIP() << "names that differ in case only are one file on Windows";
#endif
    LocateTree tree;
    tree.pe("wine/drive_c/windows/system32/kernel32.dll");
    tree.pe("wine/drive_c/windows/system32/Kernel32.DLL");
    const std::string single = tree.pe("wine/drive_c/windows/Kernel32.Dll");
    (void)tree.folder("wine/drive_c/windows/system32/USER32.DLL");  // a folder, not a file

    const LocateOutcome kernel = tree.locate("KERNEL32");
    EXPECT_EQ(kernel.result, single);
    EXPECT_EQ(kernel.source, "WindowsDir");
    EXPECT_FALSE(tree.locate("USER32").found);
}

TEST(LocateModuleFile, ModuleDataComesFirstButNotFromLibFiles)
{
    LocateTree tree;
    const std::string recorded = tree.pe("recorded/MY.DLL");
    tree.pe("wine/drive_c/windows/system32/MY.DLL");
    LocateRequest request;
    request.moduleName = "MY";
    request.quiet = true;
    request.moduleData = ModuleData{recorded, tree.path("some.lib")};
    const LocateOutcome outcome = LocateModuleFile(tree.t.ws, request);
    EXPECT_EQ(outcome.result, recorded);
    EXPECT_EQ(outcome.source, "ModuleData.FileNameDLL");
    EXPECT_EQ(outcome.processes, " MData");

    request.moduleData = ModuleData{"<File not found>", recorded};
    EXPECT_EQ(LocateModuleFile(tree.t.ws, request).source, "ModuleData.FileName");

    const std::string lib = tree.file("libs/MY.LIB");
    request.moduleData = ModuleData{"", lib};
    const LocateOutcome notFromLib = LocateModuleFile(tree.t.ws, request);
    EXPECT_EQ(notFromLib.source, "PreviousPath");
    EXPECT_EQ(notFromLib.processes, " MData Pri Pri2");
}

TEST(LocateModuleFile, KnownFilesAndHistoryFoldersComeLast)
{
    LocateTree tree;
    const std::string recent = tree.pe("recent/RARE.DLL");
    const std::string history = tree.pe("hist/HIDDEN.DLL");
    tree.t.settings.writeSetting("Filelist", "Filelist1", tree.path("x/OTHER.LIB"));
    tree.t.settings.writeSetting("Filelist", "Filelist2", recent);
    tree.t.settings.writeSetting("Folders", "SaveFolderDrop3", tree.folder("hist"));

    const LocateOutcome files = tree.locate("RARE");
    EXPECT_EQ(files.result, recent);
    EXPECT_EQ(files.source, "Files:2");
    const LocateOutcome folders = tree.locate("HIDDEN");
#ifdef _WIN32
    // History folders are taken upper-cased where names ignore case.
    EXPECT_EQ(upperAscii(folders.result), upperAscii(history));
#else
    EXPECT_EQ(folders.result, history);
#endif
    EXPECT_EQ(folders.source, "HistoryPath");
    EXPECT_EQ(folders.processes, " MData Pri Pri2 Sys Win En Source Pass Files Hist");
}

TEST(LocateModuleFile, FailureShowsTheMessageUnlessMessagesAreSuppressed)
{
    LocateTree tree;
    tree.t.ws.options.UseNoMessages = false;
    tree.setFolderOption("UseRelaxedAutolocate", "0");
    const LocateOutcome outcome = tree.locate("NOWHERE");
    EXPECT_FALSE(outcome.found);
    EXPECT_EQ(outcome.processes, " MData Pri Pri2 Sys Win En Source Pass Files Hist Fail");
    ASSERT_EQ(tree.t.ui.messages.size(), 1u);
    const std::string nbsp90(90, '\xA0');
    EXPECT_EQ(tree.t.ui.messages[0].title, "CLARION QUILLON 32 - Failed to locate DLL-file!");
    EXPECT_EQ(tree.t.ui.messages[0].text,
              "    Could not locate the DLL/EXE source file for|"
              "    the module!||"
              "    Module name: NOWHERE|"
              "    Please locate and select the correct disk file manually|"
              "    in the Compare Dialog window.||"
              "    TIPS ON AUTOLOCATING:|"
              "    ->Press the \"Autolocate options...\" button to access the|"
              "       advanced parameters for autolocating.|"
              "    ->Make sure that no unneccessary restrictions are checked.|"
              "    ->Try to change the \"First priority\" search path to a|"
              "       more likely location. Use the button with the blue star|"
              "       in the Autolocate options dialog to browse for a folder.|"
              "       (The system folders and the \"PATH folders\" are searched|"
              "       automatically).|"
              "    ->If the module name is not reflected in the file name,|"
              "       then add this module to the \"Exceptions list\". By |"
              "       convention the internal module name should match the|"
              "       disk file name. The \"Exceptions list\" is made to facilitate|"
              "       exceptions to this rule.|"
              "       Example:|"
              "       The 16-bit module KERNEL is found in the file KRNL386.EXE|"
              "    ->Turn on the option \"Relaxed match\" to search|"
              "       for a partial match of the module name, ignoring|"
              "       minor differences.|" +
                  nbsp90);

    LocateRequest request;
    request.moduleName = "nowhere";
    request.multiFileAdd = true;
    (void)LocateModuleFile(tree.t.ws, request);
    ASSERT_EQ(tree.t.ui.messages.size(), 2u);
    EXPECT_EQ(tree.t.ui.messages[1].text,
              "    Could not locate the DLL/EXE source file for|"
              "    the module!||"
              "    Module name: NOWHERE||"
              "    TIPS ON AUTOLOCATING:|"
              "    ->Press the \"Autolocate options...\" button to access the|"
              "       advanced parameters for autolocating.|"
              "    ->Make sure that no unneccessary restrictions are checked.|"
              "    ->Try to change the \"First priority\" search path to a|"
              "       more likely location. Use the button with the blue star|"
              "       in the Autolocate options dialog to browse for a folder.|"
              "       (The system folders and the \"PATH folders\" are searched|"
              "       automatically).|" +
                  nbsp90);

    tree.t.ws.options.UseNoMessages = true;
    EXPECT_EQ(tree.locate("NOWHERE").processes,
              " MData Pri Pri2 Sys Win En Source Pass Files Hist");
    EXPECT_EQ(tree.t.ui.messages.size(), 2u);
}

TEST(LocateModuleFile, EverySearchLeavesAResultsRow)
{
    LocateTree tree;
    const std::string file = tree.pe("wine/drive_c/windows/system32/Gdi32.dll");
    tree.t.clock.now = 500;
    // 10:12:01.50, the time of day it was found.
    locate::state(tree.t.ws).timeOfDay = [] { return std::int64_t{3'672'150}; };
    (void)tree.locate("gdi32");
    (void)tree.locate("   ");
    (void)tree.locate("MISSING");
    const ResultQ& rows = locate::state(tree.t.ws).results;
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].MODULE, "GDI32");
    EXPECT_EQ(rows[0].FILE, "Gdi32.dll");
    EXPECT_EQ(rows[0].PATH, tree.systemFolder());
    EXPECT_EQ(rows[0].SOURCE, "SystemDir");
    EXPECT_EQ(rows[0].TIME, 3'672'150);
    EXPECT_EQ(rows[0].PROCESSES, " MData Pri Pri2 Sys");
    EXPECT_EQ(rows[0].SETTINGS, " Relax Shallow:500");
    EXPECT_EQ(rows[1].FILE, "<File not found>");
    EXPECT_EQ(rows[1].SOURCE, "");
}

TEST(LocateModuleFile, ClassicInterfaceCutsTheResultToTheBuffer)
{
    LocateTree tree;
    tree.pe("wine/drive_c/windows/system32/LONGNAME.DLL");
    std::string result;
    EXPECT_EQ(LocateModuleFile(tree.t.ws, "LONGNAME", result, 11, true, false), 2);
    EXPECT_EQ(result, tree.systemFolder().substr(0, 10));
    EXPECT_EQ(LocateModuleFile(tree.t.ws, "", result, 260, true, false), 0);
    EXPECT_EQ(result, "<File not found>");
}

TEST(LocateModuleFile, NamesThatAreNotFileNamesFindNothing)
{
    LocateTree tree;
    tree.pe("wine/drive_c/windows/system32/SECRET.DLL");
    EXPECT_FALSE(tree.locate("../system32/SECRET").found);
    EXPECT_FALSE(tree.locate("..").found);
    EXPECT_FALSE(tree.locate(std::string("SEC\0RET", 7)).found);
}

TEST(LocateModuleFile, APassScopeListsEachFolderOnceForManySearches)
{
    LocateTree tree;
    tree.pe("p/ONE.DLL");
    tree.pe("p/TWO.DLL");
    tree.setPath(tree.folder("p"));
    int lists = 0;
    tree.t.files.setFaultHook([&](platform::FileOp op, const std::string&) {
        lists += op == platform::FileOp::List ? 1 : 0;
        return 0;
    });
    {
        const LocatePassScope pass(tree.t.ws);
        EXPECT_TRUE(tree.locate("ONE").found);
        tree.file("p/THREE.DLL");
        EXPECT_TRUE(tree.locate("TWO").found);
        EXPECT_FALSE(tree.locate("THREE").found);  // listed before it was made
    }
    const int inPass = lists;
    EXPECT_TRUE(tree.locate("THREE").found);
    EXPECT_GT(lists, inPass);
    EXPECT_FALSE(locate::state(tree.t.ws).inPass);
}

}  // namespace
}  // namespace quillon::locate
