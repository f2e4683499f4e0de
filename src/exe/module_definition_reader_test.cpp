// Tests of the module-definition reader: statements and entries, faults with their lines, any
// cut of a valid file, and a faulty file rejected by the executable reader.
#include "exe/module_definition_reader.h"

#include <gtest/gtest.h>

#include "exe/executable_reader.h"
#include "support/exe_builder.h"
#include "support/test_workspace.h"

namespace quillon::exe {
namespace {

using testing::TestWorkspace;

std::vector<ExportedName> names(std::initializer_list<std::pair<std::string_view, int>> list)
{
    std::vector<ExportedName> out;
    for (const auto& [name, ordinal] : list)
        out.push_back(ExportedName{name, static_cast<std::uint16_t>(ordinal), false});
    return out;
}

constexpr std::string_view kFullFile =
    "; the exports of QUILL\r\n"
    "LIBRARY \"QUILL.dll\" BASE=0x10000000\r\n"
    "DESCRIPTION 'Quill functions'\r\n"
    "VERSION 1.2\r\n"
    "EXPORTS\r\n"
    "  Open @1\r\n"
    "  Close=CloseInternal @2 PRIVATE ; the second\r\n"
    "  _Read@12 @ 3 DATA\r\n"
    "  \"@Fast@8\" @4 CONSTANT\r\n"
    "  'Spaced name' @5\r\n"
    "  Forwarded = OTHER.Function @6\r\n"
    "  NoOrdinal\r\n"
    "  Hidden @7 NONAME\r\n"
    "  Write\t@65535\r\n"
    "SECTIONS\r\n"
    "  .shared READ WRITE SHARED\r\n"
    "EXPORTS\n"
    "  Last @8";

TEST(ModuleDefinitionReader, ReadsStatementsEntriesAndComments)
{
    const ModuleDefinition d = readModuleDefinition(kFullFile);
    ASSERT_TRUE(d.ok()) << d.errorLine << ": " << d.error;
    EXPECT_EQ(d.moduleName, "QUILL.dll");
    EXPECT_EQ(d.names, names({{"Open", 1},
                              {"Close", 2},
                              {"_Read@12", 3},
                              {"@Fast@8", 4},
                              {"Spaced name", 5},
                              {"Forwarded", 6},
                              {"Write", 65535},
                              {"Last", 8}}));
    EXPECT_EQ(d.withoutOrdinal, 1u);
    EXPECT_EQ(d.withoutName, 1u);
    EXPECT_EQ(d.skipped(), 2u);
}

TEST(ModuleDefinitionReader, ResidentNamesAndModuleNames)
{
    const ModuleDefinition ne = readModuleDefinition(
        "NAME Quill16\nEXPORTS\n A @1 RESIDENTNAME\n B @2 RESIDENTNAME 4\n C @3\n D @4 RESIDENTNAME\n");
    ASSERT_TRUE(ne.ok());
    EXPECT_EQ(ne.moduleName, "Quill16");
    EXPECT_EQ(ne.residentCount, 2);
    EXPECT_TRUE(ne.names[3].resident);
    // Without LIBRARY the module is named by the caller; "LIBRARY BASE=..." names none.
    EXPECT_EQ(readModuleDefinition("LIBRARY BASE=0x400000\nEXPORTS\n A @1\n").moduleName, "");
    const ExportTable table = moduleDefinitionTable(readModuleDefinition("EXPORTS A @1"), "X");
    EXPECT_TRUE(table.hasModule);
    EXPECT_EQ(table.moduleName, "X");
    EXPECT_FALSE(moduleDefinitionTable(readModuleDefinition("EXPORTS A"), "X").hasModule);
    // A name past 254 characters is cut as the readers of executables cut it.
    const std::string longName(300, 'n');
    EXPECT_EQ(readModuleDefinition("EXPORTS\n" + longName + " @1").names[0].name.size(), 254u);
}

TEST(ModuleDefinitionReader, FaultsNameTheirLine)
{
    struct Case {
        std::string_view text;
        std::size_t line;
        std::string_view error;
    };
    const Case cases[] = {
        {"EXPORTS\n A @1\n\n B @x\n", 4, "\"@\" is not followed by an ordinal from 0 to 65535"},
        {"EXPORTS\n A @65536", 2, "\"@\" is not followed by an ordinal from 0 to 65535"},
        {"EXPORTS\n A @1 @2", 2, "\"@\" is not followed by an ordinal from 0 to 65535"},
        {"EXPORTS\n A @", 2, "\"@\" is not followed by an ordinal from 0 to 65535"},
        {"EXPORTS\r\n A @1 SHARED", 2,
         "\"SHARED\" is not an ordinal or a keyword of an export entry"},
        {"EXPORTS\n A= @1", 2, "\"=\" is not followed by the internal name"},
        {"EXPORTS\n \"A @1", 2, "a quoted name does not end on its line"},
        {"EXPORTS\n @1", 2, "an export entry begins with its name"},
        {"EXPORTS\n \"\" @1", 2, "an export entry begins with its name"},
        {"\r\rMZ\x90", 3, "\"MZ\x90\" is not a statement of a module-definition file"},
        {"LIBRARY A\nLIBRARY B", 2, "a second LIBRARY or NAME statement"},
        {"LIBRARY \"\"", 1, "the module name is empty"},
        {std::string_view("EXPORTS\n A\0 @1", 14), 2, "the line holds a zero byte"},
        {std::string_view("EXPORTS\n \"@\0Fast\" @1", 20), 2, "the line holds a zero byte"},
    };
    for (const Case& c : cases) {
        const ModuleDefinition d = readModuleDefinition(c.text);
        EXPECT_EQ(d.errorLine, c.line) << c.text;
        EXPECT_EQ(d.error, c.error) << c.text;
        EXPECT_TRUE(d.names.empty());
    }
}

TEST(ModuleDefinitionReader, EveryCutOfAFileReadsOrFails)
{
    for (std::size_t length = 0; length <= kFullFile.size(); ++length) {
        const ModuleDefinition d = readModuleDefinition(kFullFile.substr(0, length));
        if (!d.ok()) {
            EXPECT_GT(d.errorLine, 0u);
            EXPECT_TRUE(d.names.empty());
        }
        for (const ExportedName& name : d.names)
            EXPECT_FALSE(name.name.empty());
    }
}

TEST(ModuleDefinitionReader, AFaultyFileIsRejectedWithItsLine)
{
    TestWorkspace t;
    const ExecutableLoad load =
        executableReader(t.ws, t.folder.write("bad.def", "LIBRARY Q\nEXPORTS\n A @1\n B @one\n"));
    EXPECT_EQ(load.kind, ExecutableKind::ModuleDefinition);
    EXPECT_TRUE(t.ws.library.rows.empty());
    EXPECT_TRUE(load.outcome.rejected());
    ASSERT_EQ(t.ui.messages.size(), 1u);
    EXPECT_EQ(t.ui.messages[0].title, "CLARION QUILLON 32 - Module-definition file error!");
    EXPECT_TRUE(t.ui.messages[0].text.starts_with(
        "    This module-definition file cannot be read:|    Line 4: \"@\" is not followed by "
        "an ordinal from 0 to 65535|"));
    // A DLL named .def is a module-definition file that cannot be read, not a crash.
    EXPECT_TRUE(
        executableReader(t.ws, t.folder.write("dll.def", testing::buildPeWithNames({"A"}).bytes))
            .outcome.rejected());
    EXPECT_TRUE(t.ws.library.rows.empty());
}

}  // namespace
}  // namespace quillon::exe
