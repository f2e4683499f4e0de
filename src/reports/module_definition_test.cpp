// Tests of the module-definition text.
#include "reports/module_definition.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace quillon::reports
