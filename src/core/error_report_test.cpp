// Tests of the posted-error report and the duration text.
#include "core/error_report.h"

#include <gtest/gtest.h>

#include "base/duration_text.h"
#include "support/test_workspace.h"

namespace quillon {
namespace {

using testing::TestWorkspace;

const std::string kPad(90, '\xA0');
constexpr std::string_view kFile = "/libs/A.LIB";

TEST(ReportPostedError, OutOfMemoryWrapsTextAndReturnsOne)
{
    TestWorkspace t;
    t.ws.options.UseStatusBar = true;
    EXPECT_EQ(reportPostedError(t.ws, 8, "Insufficient Memory  ", kFile), 1);
    ASSERT_EQ(t.ui.messages.size(), 1u);
    EXPECT_EQ(t.ui.messages[0].title, "CLARION QUILLON 32 - Out of memory!");
    EXPECT_EQ(t.ui.messages[0].icon, ui::MessageIcon::Question);
    EXPECT_EQ(t.ui.messages[0].text, "    Out of memory error posted.|" + kPad +
                                         "|    Errorcode posted: #8|    Error message: "
                                         "[Insufficient Memory]|    File: /libs/A.LIB");
    EXPECT_EQ(t.ui.statusText(1), "Error: Out of memory");
}

TEST(ReportPostedError, KindsByCode)
{
    TestWorkspace t;
    t.ws.options.UseStatusBar = true;
    EXPECT_EQ(reportPostedError(t.ws, 33, "Read past end", kFile), 0);
    EXPECT_EQ(t.ui.messages.back().title, "CLARION QUILLON 32 - FILE error!");
    EXPECT_EQ(t.ui.statusText(1), "File error posted: [Read past end]");
    EXPECT_EQ(reportPostedError(t.ws, 2, "", kFile), 0);
    EXPECT_EQ(t.ui.messages.back().title, "CLARION QUILLON 32 - READ error!");
    EXPECT_EQ(t.ui.messages.back().text, "    An error was posted while reading file.|" + kPad +
                                             "|    Errorcode posted: #2|    Error message: |    File: " +
                                             std::string(kFile));
    EXPECT_EQ(reportPostedError(t.ws, 75, "x", kFile), 0);
    EXPECT_EQ(t.ui.messages.back().title, "CLARION QUILLON 32 - QUEUE error!");
    EXPECT_EQ(t.ui.statusText(1), "Queue error posted: [x]");
    EXPECT_EQ(reportPostedError(t.ws, 0, "x", kFile), 0);
    EXPECT_EQ(t.ui.messages.size(), 3u);
}

TEST(ReportPostedError, StatusBarOffWritesNoStatus)
{
    TestWorkspace t;
    EXPECT_EQ(reportPostedError(t.ws, 37, "File not open", kFile), 0);
    EXPECT_TRUE(t.ui.statusHistory[0].empty());
    EXPECT_EQ(t.ui.messages.size(), 1u);
}

TEST(DurationText, EveryRange)
{
    EXPECT_EQ(durationText(0), "Less than 1/100 second");
    EXPECT_EQ(durationText(25), "00.25 seconds");
    EXPECT_EQ(durationText(9999), "99.99 seconds");
    EXPECT_EQ(durationText(12345), "123.45 seconds");
    EXPECT_EQ(durationText(123000), "000020.50 minutes");
    EXPECT_EQ(durationText(1000000), "000002.78 h");
    EXPECT_EQ(durationSecondsText(123000), "1230.00 seconds");
}

}  // namespace
}  // namespace quillon
