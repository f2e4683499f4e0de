// Tests of the silent run's result messages, byte for byte.
#include "program/batch_messages.h"

#include <gtest/gtest.h>

namespace quillon {
namespace {

const std::string kSep = "|" + std::string(95, '\xA0');
const std::string kHint = "|    [Suppress messages in the Advanced Options dialog]";

TEST(BatchMessages, SavedAndFailures)
{
    ui::MessageBox m = batchResultMessage(BatchOutcome::Saved, "A.DLL /S", "/out/A.lib");
    EXPECT_EQ(m.title, "CLARION QUILLON 32 - LIB-file created");
    EXPECT_EQ(m.text, "    LIB-file was successfully created and saved to disk.|    Created LIB-file: "
                      "/out/A.lib||    Command line parameter(s):|    A.DLL /S" + kSep + kHint);
    EXPECT_EQ(m.icon, ui::MessageIcon::Program);
    EXPECT_EQ(m.buttons, "&OK");

    m = batchResultMessage(BatchOutcome::OpenFileError, "A /S", "/x.lib", 2, "File not found");
    EXPECT_EQ(m.title, "CLARION QUILLON 32 - Open file error!");
    EXPECT_EQ(m.text,
              "    An error was posted while opening/creating file for output.|    (This error may "
              "also occur if an illegal filename was used).|    LIB-file was not created/saved.|    "
              "Posted errorcode: #2|    Posted error: File not found|    Command line "
              "parameter(s):|    A /S|    LIB-file name:|    /x.lib" + kSep + kHint);
    EXPECT_EQ(m.buttons, "&OK|&Help");
    EXPECT_EQ(m.icon, ui::MessageIcon::Question);

    m = batchResultMessage(BatchOutcome::WriteFailed, "A /S", "/x.lib", 5, "Access denied");
    EXPECT_EQ(m.title, "CLARION QUILLON 32 - Creating file failed!");
    EXPECT_EQ(m.text, "    Command line parameter for creating LIB-file failed!|    Posted errorcode: "
                      "#5|    Posted error: Access denied|    Command line parameter(s):|    A /S|    "
                      "LIB-file name:|    /x.lib" + kSep + kHint);
}

TEST(BatchMessages, EmptyLibraryAndCancelled)
{
    ui::MessageBox m = batchResultMessage(BatchOutcome::NoNames, "A /S", "/a");
    EXPECT_EQ(m.title, "CLARION QUILLON 32 - No exported names found!");
    EXPECT_EQ(m.text, "    Creating LIB-file failed - No symbols in input file(s)!|    LIB-file was "
                      "not created/saved.|    Command line parameter(s):|    A /S|    LIB-file "
                      "name:|    /a" + kSep + kHint);
    m = batchResultMessage(BatchOutcome::NotLocated, "A /S", "/a");
    EXPECT_EQ(m.title, "CLARION QUILLON 32 - File(s) not located!");
    EXPECT_EQ(m.text, "    Creating LIB-file failed - Input file(s) not located!||    Command line "
                      "parameter(s):|    A /S|    LIB-file name:|    /a" + kSep + kHint);
    m = batchResultMessage(BatchOutcome::Cancelled, "A /S", "/a.lib");
    EXPECT_EQ(m.title, "CLARION QUILLON 32 - Process cancelled!");
    EXPECT_EQ(m.text, "    Creating LIB-file interupted - Process cancelled by user.|    LIB-file "
                      "was not created/saved.|    Command line parameter(s):|    A /S|    LIB-file "
                      "name:|    /a.lib" + kSep + kHint);
    EXPECT_EQ(m.icon, ui::MessageIcon::SystemLogo);
    EXPECT_EQ(internalErrorMessage().title, "CLARION QUILLON 32 - Internal error!");
}

}  // namespace
}  // namespace quillon
