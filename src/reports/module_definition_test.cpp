// Tests of the module-definition text and of `quillon list` run as scripts run it.
#include "reports/module_definition.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#ifndef _WIN32
#include <sys/wait.h>
#endif

#include "exe/module_definition_reader.h"
#include "support/library_builder.h"
#include "support/test_workspace.h"

namespace quillon::reports {
namespace {

using testing::TestWorkspace;

TEST(ModuleDefinition, ListsTheModulesSymbolsWithOrdinals)
{
    TestWorkspace t;
    testing::addModule(t.ws, "KERNEL32", {{"GetTickCount", 7}});
    testing::addModule(t.ws, "USER32", {{"MessageBoxA", 2}, {"Beep", 12345}});
    EXPECT_EQ(moduleRows(t.ws), (std::vector<std::size_t>{0, 2}));
    ASSERT_EQ(findModuleRow(t.ws, "user32"), std::optional<std::size_t>(2));
    EXPECT_FALSE(findModuleRow(t.ws, "GDI32").has_value());
    EXPECT_EQ(moduleDefinitionText(t.ws, 2),
              "LIBRARY USER32\nEXPORTS\n  MessageBoxA @2\n  Beep @12345\n");
}

TEST(ModuleDefinition, ReadsBackAsTheSameModule)
{
    TestWorkspace t;
    testing::addModule(t.ws, "A_MODULE_NAME_LONGER_THAN_20.dll",
                       {{"Plain", 1}, {"_Std@8", 2}, {"@Fast@4", 3}, {"?Open@File@@QAEHPBD@Z", 4},
                        {"With space", 5}, {"EXPORTS", 6}, {"a;b=c", 7}, {"q\"uote", 8},
                        {"Zero", 0}, {"Max", 65535}});
    const std::string text = moduleDefinitionText(t.ws, 0);
    const exe::ModuleDefinition d = exe::readModuleDefinition(text);
    ASSERT_TRUE(d.ok()) << d.error << "\n" << text;
    EXPECT_EQ(d.moduleName, "A_MODULE_NAME_LONGER_THAN_20.dll");
    EXPECT_EQ(d.names, (std::vector<exe::ExportedName>{{"Plain", 1}, {"_Std@8", 2}, {"@Fast@4", 3},
                              {"?Open@File@@QAEHPBD@Z", 4}, {"With space", 5}, {"EXPORTS", 6},
                              {"a;b=c", 7}, {"q\"uote", 8}, {"Zero", 0}, {"Max", 65535}}));
}

class ListCommand : public ::testing::Test {
protected:
    void SetUp() override
    {
#ifdef _WIN32
        GTEST_SKIP() << "runs the native command-line program through the shell";
#endif
    }
    int run(const std::string& arguments)
    {
        const std::string command = std::string(QUILLON_CLI_PATH) + " list --settings " +
                                    t.folder.file("settings") + " " + arguments + " > " +
                                    t.folder.file("out.txt") + " 2> " + t.folder.file("err.txt");
        const int status = std::system(command.c_str());
#ifdef _WIN32
        return status;
#else
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
#endif
    }
    std::string sample(const char* name) const
    {
        return std::string(QUILLON_SOURCE_DIR) + "/samples/" + name;
    }
    TestWorkspace t;
};

TEST_F(ListCommand, DefTextAndJsonOfTheSampleDll)
{
    ASSERT_EQ(run("--format=def " + sample("QUILLSMP.DLL")), 0);
    const std::string def = t.folder.read("out.txt");
    EXPECT_TRUE(def.starts_with("LIBRARY QUILLSMP.dll\nEXPORTS\n  QsAbout @1\n")) << def;
    EXPECT_TRUE(def.ends_with("  _QsShutdown@0 @40\n"));

    ASSERT_EQ(run("-o " + t.folder.file("list.txt") + " " + sample("QUILLSMP.DLL")), 0);
    const std::string text = t.folder.read("list.txt");
    EXPECT_NE(text.find(";Start of Exported Procedures from QUILLSMP.dll\r\n"), std::string::npos);
    EXPECT_NE(text.find("E N D   L I S T"), std::string::npos);
    EXPECT_EQ(text.find("List is copied"), std::string::npos);

    ASSERT_EQ(run("--format=json --module=quillsmp.dll " + sample("QUILLSMP.DLL")), 0);
    EXPECT_NE(t.folder.read("out.txt").find("\"name\": \"QsAbout\""), std::string::npos);
}

TEST_F(ListCommand, UsageErrorsAndLoaderCodes)
{
    EXPECT_EQ(run("--format=def " + sample("QUILLSMP.DLL") + " " + sample("QUILL16.DLL")), 2);
    EXPECT_NE(t.folder.read("err.txt").find("--module"), std::string::npos);
    EXPECT_EQ(run("--format=pdf " + sample("QUILLSMP.DLL")), 2);
    EXPECT_EQ(run("--module=NONE " + sample("QUILLSMP.DLL")), 2);
    EXPECT_EQ(run(t.folder.file("absent.dll")), 4);
}

}  // namespace
}  // namespace quillon::reports
