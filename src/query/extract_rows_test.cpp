// Tests of extracting marked rows, and of the extraction's report.
#include "query/extract_rows.h"

#include <gtest/gtest.h>

#include "base/text_encoding.h"
#include "lib/save_file.h"
#include "query/query_status.h"
#include "support/library_builder.h"
#include "support/test_workspace.h"

namespace quillon::query {
namespace {

using testing::addModule;
using testing::TestWorkspace;

/// The extraction as the window runs it: "Extracting..." while it runs, then its result shown.
ExtractCounts extractShown(TestWorkspace& t, std::size_t cursorRow)
{
    ProgressIndicator progress(t.ui, t.ws.options.UseStatusBar);
    const ExtractCounts counts = extractRows(t.ws, cursorRow, &progress);
    showExtraction(t.ui, t.ws.options, counts);
    return counts;
}

/// Rows: 0 A, 1 A1, 2 A2, 3 B, 4 B1, 5 B2.
void twoModules(TestWorkspace& t)
{
    t.ws.options.UseStatusBar = true;
    addModule(t.ws, "A", {{"A1", 1}, {"A2", 2}});
    addModule(t.ws, "B", {{"B1", 1}, {"B2", 2}});
}

TEST(ExtractRows, CursorRowOrModuleWhenNothingHooked)
{
    TestWorkspace t;
    twoModules(t);
    t.ws.options.UseNoMessages = true;
    ExtractCounts c = extractShown(t, 2);
    EXPECT_EQ(c.extracted, 1u);
    ASSERT_EQ(t.ws.queryResults.size(), 1u);
    EXPECT_EQ(t.ws.queryResults.rows[0], (QueryResult{ModuleName("A"), "A2", 2, 3, 1}));
    c = extractShown(t, 3);
    EXPECT_EQ(c.extracted, 2u);
    EXPECT_EQ(t.ui.statusText(1), "2 items extracted");
    EXPECT_EQ(t.ui.statusHistory[0],
              (std::vector<std::string>{"Extracting...", "1 item extracted", "Extracting...",
                                        "2 items extracted"}));
    EXPECT_EQ(c.listSize, 3u);
    EXPECT_TRUE(t.ui.messages.empty());
}

TEST(ExtractRows, HookedModuleBringsItsSymbolsAndHooksAreCleared)
{
    TestWorkspace t;
    twoModules(t);
    t.ws.library.rows[0].MARK = 1;
    t.ws.library.rows[1].MARK = 1;
    t.ws.library.rows[5].MARK = 1;
    const ExtractCounts c = extractShown(t, 4);
    EXPECT_EQ(c.processed, 3u);
    EXPECT_EQ(c.extracted, 3u);
    for (const LibraryRow& row : t.ws.library.rows)
        EXPECT_EQ(row.MARK, 0);
    EXPECT_EQ(t.ws.queryResults.size(), 3u);
}

TEST(ExtractRows, ModuleAlreadyExtractedReportsDuplicates)
{
    TestWorkspace t;
    twoModules(t);
    t.ws.options.UseNoMessages = true;
    (void)extractShown(t, 0);
    t.ws.options.UseNoMessages = false;
    const ExtractCounts c = extractShown(t, 0);
    EXPECT_EQ(c.extracted, 0u);
    EXPECT_EQ(c.duplicates, 2u);
    EXPECT_EQ(t.ui.statusText(1), "No items extracted - 2 duplicates excluded");
    ASSERT_EQ(t.ui.messages.size(), 1u);
    EXPECT_EQ(t.ui.messages[0].title, "CLARION QUILLON 32 - No items extracted");
    const std::string rule = "    " + std::string(40, '_');
    EXPECT_EQ(t.ui.messages[0].text,
              rule + "|    EXTRACT RESULT|    " + std::string(40, '\xAF') +
                  "|    Comment: Duplicates excluded||    Number of items extracted: None"
                  "|    Total number of items in list: 2|    Number of duplicates: 2"
                  "|    Number of items processed: 2"
                  "|    Process time: Less than 1/100 second|" +
                  rule + "|" + std::string(90, kNonBreakingSpace));
    EXPECT_EQ(t.ui.messages[0].icon, ui::MessageIcon::Program);
}

TEST(ExtractFileName, ShortAndLongForms)
{
    TestWorkspace t;
#ifdef _WIN32
    const std::string folder = "C:\\work\\libs\\";
#else
    const std::string folder = "/work/libs/";
#endif
    t.ws.library.LibraryFileName = folder + "MYLIBRARY.LIB";
    t.ws.options.UseLongAdd = false;
    EXPECT_EQ(lib::extractFileName(t.ws), folder + "MYLIBR_E.LIB");
    t.ws.options.UseLongAdd = true;
    EXPECT_EQ(lib::extractFileName(t.ws), folder + "Mylibrary_extract.lib");
}

}  // namespace
}  // namespace quillon::query
