// Tests of the compare report's text and of the candidate-file test.
#include "reports/compare_report.h"

#include <gtest/gtest.h>

#include "reports/compare_candidates.h"
#include "support/exe_builder.h"
#include "support/lib_builder.h"
#include "support/test_workspace.h"

namespace quillon::reports {
namespace {

TEST(CompareReport, LaysOutEveryFieldWithTheDuplicatesVariant)
{
    CompareResult r;
    r.status = {"Duplicate entries", "Duplicates"};
    r.moduleName = "TEST";
    r.loadedFrom = "/libs/APP.LIB";
    r.locatedFile = "/dlls/TEST.DLL";
    r.diskFile = "/new/TEST.DLL";
    r.options.UseMatchCase = false;
    r.options.partialMatch = true;
    r.counts = {.moduleCasing = 0,
                .moduleOther = 1,
                .functionCasing = 0,
                .functionOther = 2,
                .ordinalsChanged = 0,
                .libraryFunctions = 12,
                .diskFunctions = 14,
                .missingOnDisk = 0,
                .missingInLibrary = 1,
                .libraryDuplicates = 0,
                .diskDuplicates = 2};
    const std::string under = "  " + std::string(43, '_') + "\r\n";
    const std::string over = "  " + std::string(43, '\xAF') + "\r\n";
    const std::string blank = "  \r\n";
    const std::string expected = under + "          C O M P A R E   R E P O R T\r\n" + over +
                                 blank + "  STATUS: Duplicate entries\r\n" + over +
                                 "  Library module name: TEST\r\n"
                                 "  Library module loaded from file:\r\n"
                                 "    /libs/APP.LIB\r\n"
                                 "  Loacated DLL/EXE source file:\r\n"
                                 "    /dlls/TEST.DLL\r\n"
                                 "  Compared to disk file: \r\n"
                                 "    /new/TEST.DLL\r\n" +
                                 under + blank +
                                 "  Changes in module name\r\n"
                                 "  (Only first occurrence compared)\r\n"
                                 "  \tCasing:             <Not compared>\r\n"
                                 "  \tOther changes:      Yes\r\n" +
                                 blank +
                                 "  Number of unique functions\r\n"
                                 "  \tDisk file:          12\r\n"
                                 "  \tLibrary module:     12\r\n" +
                                 blank +
                                 "  Duplicate functions\r\n"
                                 "  \tDisk file:          2\r\n"
                                 "  \tLibrary module:     None\r\n" +
                                 blank +
                                 "  Missing functions\r\n"
                                 "  \tMissing on disk:    None\r\n"
                                 "  \tMissing in library: 1\r\n" +
                                 blank +
                                 "  Changes in function names\r\n"
                                 "  \tCasing:             <Not compared>\r\n"
                                 "  \tOther changes:      2\r\n" +
                                 blank +
                                 "  Changes in ordinal numbers\r\n"
                                 "  \tNumbers changed:    None\r\n" +
                                 blank + blank + blank + under +
                                 "              E N D   R E P O R T\r\n" + over + blank + blank +
                                 blank + blank;
    EXPECT_EQ(compareReportText(r), expected);
    EXPECT_EQ(compareReportCaption("TEST"), "Clarion Quillon 32 - Compare Report: TEST");
}

TEST(CandidateFileTest, PassesFailsOrIsNotFound)
{
    testing::TestWorkspace t;
    EXPECT_EQ(testCandidateFile(t.ws, std::nullopt), CandidateDecision::NothingSelected);
    const std::string lib = t.folder.write("Good.lib", testing::libBytes({{"M", "F", 1}}));
    EXPECT_EQ(testCandidateFile(t.ws, lib), CandidateDecision::Passed);
    const std::string dll = t.folder.write("a.dll", testing::buildPeWithNames({"F"}).bytes);
    EXPECT_EQ(testCandidateFile(t.ws, dll), CandidateDecision::Passed);
    t.ui.answers = {1};
    EXPECT_EQ(testCandidateFile(t.ws, t.folder.file("gone.lib")), CandidateDecision::Remove);
    const std::string bad = t.folder.write("Bad.lib", std::string("not a library"));
    // The LIB test tells first that the file is no library.
    t.ui.answers = {1, 2};
    EXPECT_EQ(testCandidateFile(t.ws, bad), CandidateDecision::Keep);

    std::vector<std::string> titles;
    for (const ui::MessageBox& m : t.ui.messages)
        titles.push_back(m.title.substr(21));
    EXPECT_EQ(titles, (std::vector<std::string>{"No file selected!", "File PASSED the test!",
                                                "File PASSED the test!", "File was NOT FOUND!",
                                                "NOT a library file!", "File FAILED the test!"}));
    EXPECT_EQ(t.ui.messages[3].text, "    This file was NOT found:|    " +
                                         t.folder.file("gone.lib") + "|" + std::string(90, '\xA0') +
                                         "|    The test verifies whether the file is still located "
                                         "on the disk at the|    specified location - and whether "
                                         "it is a genuine library file.|    Do you want to remove "
                                         "it from the list?");
}

}  // namespace
}  // namespace quillon::reports
