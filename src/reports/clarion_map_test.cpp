// Tests of the Clarion MAP: the layout of a small library against its golden file, the type
// mapping, labels, and which rows a selection takes.
#include "reports/clarion_map.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "reports/clarion_prototype.h"
#include "reports/clarion_types.h"
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
                   "?Create@File@@SAPAV1@PBD@Z", "?Big@@YA_JXZ", "?Log@@YAXPBDZZ", "?gValue@@3HA",
                   "??_7File@@6B@", "?Color@@YAXW4Shade@@PAPAD@Z", "?@@@"}},
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
    // Copies of a name take the lowest numbers free, whatever the letter case of each copy.
    EXPECT_EQ(labels.make("Sleep_3"), "Sleep_3");
    EXPECT_EQ(labels.make("Sleep"), "Sleep");
    EXPECT_EQ(labels.make("sleep"), "sleep_2");
    EXPECT_EQ(labels.make("SLEEP"), "SLEEP_4");
    for (int n = 5; n <= 1000; ++n)
        ASSERT_EQ(labels.make("Sleep"), "Sleep_" + std::to_string(n));
    EXPECT_EQ(labels.make("Sleep_1000"), "Sleep_1000_2");
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

}  // namespace
}  // namespace quillon::reports
