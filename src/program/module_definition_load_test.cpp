// Tests of loading module-definition files through the multi-file loader: the module and
// its file names, and the message about the entries a LIB file cannot bind.
#include "program/file_loader.h"

#include <gtest/gtest.h>

#include "core/library_model.h"
#include "exe/module_definition_messages.h"
#include "support/library_builder.h"
#include "support/test_workspace.h"

namespace quillon {
namespace {

using exe::SkippedEntries;
using testing::TestWorkspace;

TEST(ModuleDefinitionLoad, LoadsLikeAnExecutableAndCountsWhatItLeavesOut)
{
    TestWorkspace t;
    const std::string def = t.folder.write(
        "quill.def", "LIBRARY QUILL.dll\nEXPORTS\n Open @1\n NoOrdinal\n Hidden @2 NONAME\n");
    const std::string other = t.folder.write("notes.DEF", "EXPORTS\n Note @3\n Later\n");
    const int processed = loadFileList(t.ws, makeInputFileList(t.ws, {def, other}));
    EXPECT_EQ(processed, 2);
    ASSERT_EQ(testing::rowNames(t.ws),
              (std::vector<std::string>{"QUILL.dll", "Open", "notes", "Note"}));
    const LibraryRow& module = t.ws.library.rows[0];
    EXPECT_EQ(module.fileName(), def);
    // The DLL behind the module is still to be located; no exception names the .def file.
    EXPECT_EQ(module.fileNameDll(), "");
    EXPECT_EQ(module.OS, kOsUnknown);
    EXPECT_TRUE(t.ws.exceptQ.entries.empty());
    ASSERT_FALSE(t.ui.messages.empty());
    EXPECT_EQ(t.ui.messages.back(),
              exe::skippedEntriesMessage({SkippedEntries{def, 1, 1}, SkippedEntries{other, 1, 0}}));
    EXPECT_EQ(t.ui.messages.back().title, "CLARION QUILLON 32 - Entries left out!");
    EXPECT_NE(t.ui.messages.back().text.find(
                  "    2 entries without an ordinal left out: a LIB file binds each|"),
              std::string::npos);
    EXPECT_EQ(exe::skippedEntriesLine({def, 3, 1}),
              "3 entries without an ordinal left out (only the DLL itself gives their "
              "ordinals), 1 entry marked NONAME left out (the DLL exports it by ordinal only)");
    EXPECT_EQ(exe::skippedEntriesLine({def, 1, 2}),
              "1 entry without an ordinal left out (only the DLL itself gives its ordinal), 2 "
              "entries marked NONAME left out (the DLL exports them by ordinal only)");
}

}  // namespace
}  // namespace quillon
