// Tests of the plain-text form of message boxes.
#include "core/ui/message_text.h"

#include <gtest/gtest.h>

namespace quillon::ui {
namespace {

TEST(MessageAsPlainText, BreaksLinesAndDropsPaddingLines)
{
    MessageBox box;
    box.title = "CLARION QUILLON 32 - DOS file!";
    box.text = "    This file is a DOS file|" + std::string(90, '\xA0') +
               "|    File:|    /tmp/caf\xE9.exe|    (closing)";
    EXPECT_EQ(messageAsPlainText(box),
              "CLARION QUILLON 32 - DOS file!\nThis file is a DOS file\nFile:\n/tmp/caf\xC3\xA9.exe\n"
              "(closing)\n");
}

}  // namespace
}  // namespace quillon::ui
