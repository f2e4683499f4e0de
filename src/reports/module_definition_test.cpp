// Tests of the module-definition text.
#include "reports/module_definition.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace quillon::reports
