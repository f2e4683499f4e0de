// Tests of the Clarion MAP: the layout of a small library against its golden file, the type
// mapping, labels, and which rows a selection takes.
#include "reports/clarion_map.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#ifndef _WIN32
#include <sys/wait.h>
#endif

#include "reports/clarion_prototype.h"
#include "reports/clarion_types.h"
#include "support/exe_builder.h"
#include "support/library_builder.h"
#include "support/test_workspace.h"

namespace quillon::reports {
namespace {

using testing::TestWorkspace;

std::string readSourceFile(const std::string& relative)
{
    std::ifstream in(std::string(QUILLON_SOURCE_DIR) + "/" + relative, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

/// One name of each kind the MAP tells apart.
std::vector<MapModule> sampleModules()
{
    return {
        MapModule{"WINSTUFF.DLL",
                  {"GetVersion", "_GetThing@12", "_QsShutdown@0", "_Odd@6", "@Fast@8", "Return",
                   "getversion", "It's<{odd}>"}},
        MapModule{"MSCPP.DLL",
                  {"?foo@@YGHPBDH@Z", "?Sum@@YANNN@Z", "?Open@File@@QAEHPBD@Z",
                   "?Create@File@@SAPAV1@PBD@Z", "?Big@@YA_JXZ", "?Log@@YAXPBDZZ",
                   "?gValue@@3HA", "??_7File@@6B@", "?Color@@YAXW4Shade@@PAPAD@Z", "?@@@"}},
        MapModule{"GNUCPP.DLL",
                  {"_Z3addii", "_Z4stepPs@4", "_ZN4File4openEPKc", "_Z3fooIiEvT_",
                   "_Z5pointP5Point", "_Z4areaRK5Shape", "_Z5whole5Point"}},
    };
}

TEST(ClarionMap, SmallLibraryMatchesItsGoldenFile)
{
    EXPECT_EQ(clarionMapText(sampleModules()),
              readSourceFile("src/reports/testdata/clarion_map_small.clw"));
}

TEST(ClarionMap, PrototypeTextHoldsTheLinesAlone)
{
    const std::string text = clarionPrototypeText({MapModule{"A.DLL", {"_A@4", "_A@8"}}});
    EXPECT_EQ(text,
              "A                       PROCEDURE(LONG),LONG,PASCAL,RAW,NAME('_A@4')  ! 4 bytes of "
              "parameters taken as 1 LONG; the return value is read as a LONG\r\n"
              "A_2                     PROCEDURE(LONG,LONG),LONG,PASCAL,RAW,NAME('_A@8')  ! 8 "
              "bytes of parameters taken as 2 LONG; the return value is read as a LONG\r\n");
}

TEST(ClarionMap, TypesMapToClarionTypesOfTheSameSize)
{
    struct Case {
        std::string_view cpp;
        std::optional<std::string> parameter;
    };
    const Case cases[] = {
        {"int", "LONG"},
        {"unsigned long", "ULONG"},
        {"short", "SHORT"},
        {"wchar_t", "USHORT"},
        {"bool", "BYTE"},
        {"double", "REAL"},
        {"float", "SREAL"},
        {"int const", "LONG"},
        {"char const *", "*CSTRING"},
        {"char const*", "*CSTRING"},
        {"unsigned char*", "*BYTE"},
        {"unsigned short *", "*USHORT"},
        {"int&", "*LONG"},
        {"char **", "*LONG"},
        {"void*", "LONG"},
        {"struct HWND__ *", "LONG"},
        {"class std::basic_string<char, struct std::char_traits<char>> const &", "LONG"},
        {"enum Shade", "LONG"},
        {"void (__cdecl *)(int)", "LONG"},
        {"char const * __ptr64", "*CSTRING"},
        {"__int64", std::nullopt},
        {"long long", std::nullopt},
        {"long double", std::nullopt},
        {"struct Point", std::nullopt},
        {"Point", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(clarionParameterType(c.cpp), c.parameter) << c.cpp;
    EXPECT_EQ(clarionReturnType("void"), std::optional<std::string>(""));
    EXPECT_EQ(clarionReturnType("char const *"), std::optional<std::string>("LONG"));
    EXPECT_EQ(clarionReturnType("int"), std::optional<std::string>("LONG"));
    EXPECT_EQ(clarionReturnType("struct Point"), std::nullopt);
}

TEST(ClarionMap, LabelsAreValidUniqueAndNoReservedWords)
{
    ClarionLabels labels;
    EXPECT_EQ(labels.make("File::Open"), "File_Open");
    EXPECT_EQ(labels.make("file_open"), "file_open_2");
    EXPECT_EQ(labels.make("File::~File"), "File_File");
    EXPECT_EQ(labels.make("operator<<"), "operator");
    EXPECT_EQ(labels.make("std::operator>><char, struct std::char_traits<char>>"), "std_operator");
    EXPECT_EQ(labels.make("std::operator>><char>"), "std_operator_2");
    EXPECT_EQ(labels.make("3D"), "_3D");
    EXPECT_EQ(labels.make("END"), "END_");
    EXPECT_EQ(labels.make("Loop"), "Loop_");
    EXPECT_EQ(labels.make("::"), "Export");
    EXPECT_EQ(labels.make("caf\xE9"), "caf");
    EXPECT_TRUE(isClarionReservedWord("procedure"));
    EXPECT_FALSE(isClarionReservedWord("Open"));
    EXPECT_EQ(clarionString("It's <1>{2}"), "'It''s <<1>{{2}'");
}

TEST(ClarionMap, SelectionTakesModulesWholeAndSymbolsAlone)
{
    TestWorkspace t;
    testing::addModule(t.ws, "KERNEL32", {{"GetTickCount", 7}, {"Sleep", 8}});
    testing::addModule(t.ws, "USER32", {{"MessageBoxA", 2}, {"NoOrdinal", 0}, {"Beep", 3}});
    const std::vector<MapModule> all = mapModules(t.ws);
    ASSERT_EQ(all.size(), 2u);
    EXPECT_EQ(all[0], (MapModule{"KERNEL32.DLL", {"GetTickCount", "Sleep"}}));
    // The symbol without an ordinal is not in the LIB file either.
    EXPECT_EQ(all[1], (MapModule{"USER32.DLL", {"MessageBoxA", "Beep"}}));

    const std::size_t picked[] = {6, 0, 42};
    EXPECT_EQ(mapModules(t.ws, picked),
              (std::vector<MapModule>{{"KERNEL32.DLL", {"GetTickCount", "Sleep"}},
                                      {"USER32.DLL", {"Beep"}}}));
    // A module whose file is not known is named by its export table's name.
    t.ws.library.rows[3].setFileNameDll("FILE NOT FOUND");
    EXPECT_EQ(mapModules(t.ws).back().fileName, "USER32");
}

/// Runs the command-line program with `arguments`, its output in out.txt and err.txt.
class MapCommand : public ::testing::Test {
protected:
    void SetUp() override
    {
#ifdef _WIN32
        GTEST_SKIP() << "runs the native command-line program through the shell";
#endif
    }
    int run(const std::string& arguments)
    {
        const std::string command = std::string(QUILLON_CLI_PATH) + " " + arguments + " > " +
                                    t.folder.file("out.txt") + " 2> " + t.folder.file("err.txt");
        const int status = std::system(command.c_str());
#ifdef _WIN32
        return status;
#else
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
#endif
    }
    std::string settings() const { return " --settings " + t.folder.file("settings") + " "; }
    TestWorkspace t;
    const std::string sample = std::string(QUILLON_SOURCE_DIR) + "/samples/QUILLSMP.DLL";
};

TEST_F(MapCommand, WritesTheMapOfTheSampleDll)
{
    ASSERT_EQ(run("map" + settings() + sample), 0);
    const std::string map = t.folder.read("out.txt");
    EXPECT_NE(map.find("  MODULE('QUILLSMP.DLL')\r\n"), std::string::npos) << map;
    EXPECT_NE(map.find("\r\nQsShutdown              PROCEDURE(),LONG,PASCAL,RAW,"
                       "NAME('_QsShutdown@0')  ! no parameters"),
              std::string::npos);
    EXPECT_NE(map.find("\r\n! QsAbout               PROCEDURE(),PASCAL,RAW,NAME('QsAbout')"),
              std::string::npos);

    const std::string out = t.folder.file("quill.clw");
    ASSERT_EQ(run("map --prototypes --module=quillsmp.dll -o " + out + settings() + sample), 0);
    const std::string lines = t.folder.read("quill.clw");
    EXPECT_TRUE(lines.starts_with("! QsAbout ")) << lines;
    EXPECT_EQ(lines.find("MODULE("), std::string::npos);
}

TEST_F(MapCommand, MicrosoftAndItaniumNamesOfADll)
{
    const std::string dll = t.folder.write(
        "CPP.DLL", testing::buildPeWithNames({"?Create@File@@SAPAV1@PBD@Z", "?Open@File@@QAEHPBD@Z",
                                              "_Z5scaleii@8", "_Close@4"},
                                             "CPP.dll")
                       .bytes);
    ASSERT_EQ(run("exports --undecorate " + dll), 0);
    EXPECT_EQ(t.folder.read("out.txt"),
              "CPP.dll\t?Create@File@@SAPAV1@PBD@Z\t1\t0\tpublic: static class File * __cdecl "
              "File::Create(char const *)\n"
              "CPP.dll\t?Open@File@@QAEHPBD@Z\t2\t0\tpublic: int __thiscall File::Open(char "
              "const *)\n"
              "CPP.dll\t_Z5scaleii@8\t3\t0\tscale(int, int)\n"
              "CPP.dll\t_Close@4\t4\t0\tClose\n");
    ASSERT_EQ(run("map --prototypes" + settings() + dll), 0);
    EXPECT_EQ(t.folder.read("out.txt"),
              "File_Create             PROCEDURE(*CSTRING),LONG,C,RAW,"
              "NAME('?Create@File@@SAPAV1@PBD@Z')\r\n"
              "! File_Open             PROCEDURE(*CSTRING),LONG,PASCAL,RAW,"
              "NAME('?Open@File@@QAEHPBD@Z')  ! a member function: it needs an object of its "
              "class\r\n"
              "scale                   PROCEDURE(LONG,LONG),PASCAL,RAW,NAME('_Z5scaleii@8')  ! "
              "the return type is not in the name\r\n"
              "Close                   PROCEDURE(LONG),LONG,PASCAL,RAW,NAME('_Close@4')  ! 4 "
              "bytes of parameters taken as 1 LONG; the return value is read as a LONG\r\n");
}

TEST_F(MapCommand, UsageErrorsLoaderCodesAndWriteFailures)
{
    EXPECT_EQ(run("map --module=NONE" + settings() + sample), 2);
    EXPECT_EQ(run("map --colour" + settings() + sample), 2);
    EXPECT_EQ(run("map" + settings() + t.folder.file("absent.dll")), 4);
    EXPECT_EQ(run("map" + settings() + t.folder.write("empty.def", "EXPORTS\n A\n")), 3);
    // The output folder is a file: nothing can be written there, and nothing is lost.
    const std::string blocker = t.folder.write("blocker", "keep");
    EXPECT_EQ(run("map -o " + blocker + "/map.clw" + settings() + sample), 6);
    EXPECT_EQ(t.folder.read("blocker"), "keep");
}

TEST_F(MapCommand, ExportsUndecoratesAndCountsSkippedEntries)
{
    const std::string def = t.folder.write(
        "cpp.def", "LIBRARY CPP.dll\nEXPORTS\n ?foo@@YGHPBDH@Z @1\n _Get@8 @2\n Plain @3\n Lost\n");
    ASSERT_EQ(run("exports --undecorate " + def), 0);
    EXPECT_EQ(t.folder.read("out.txt"),
              "CPP.dll\t?foo@@YGHPBDH@Z\t1\t0\tint __stdcall foo(char const *, int)\n"
              "CPP.dll\t_Get@8\t2\t0\tGet\n"
              "CPP.dll\tPlain\t3\t0\t\n");
    EXPECT_NE(t.folder.read("err.txt").find(
                  ": 1 entry without an ordinal left out (only the DLL itself gives their "
                  "ordinals)\n"),
              std::string::npos);
    ASSERT_EQ(run("exports --json --undecorate " + def), 0);
    EXPECT_NE(t.folder.read("out.txt").find("\"undecorated\":\"Get\""), std::string::npos);
    ASSERT_EQ(run("list --format=json --undecorate" + settings() + def), 0);
    EXPECT_NE(t.folder.read("out.txt").find("\"undecorated\": \"Get\""), std::string::npos);
    // A faulty file names its line.
    const std::string bad = t.folder.write("bad.def", "EXPORTS\n A @1\n B @x\n");
    EXPECT_EQ(run("exports " + bad), 1);
    EXPECT_NE(t.folder.read("err.txt").find("Line 3: \"@\" is not followed by an ordinal"),
              std::string::npos);
}

}  // namespace
}  // namespace quillon::reports
