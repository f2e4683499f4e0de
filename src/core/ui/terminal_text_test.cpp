// Tests of the plain-text form of message boxes.
#include "core/ui/terminal_text.h"

#include <gtest/gtest.h>

namespace quillon::ui {
namespace {

TEST(TerminalText, DropsPaddingLinesAndConvertsToUtf8)
{
    MessageBox box;
    box.title = "CLARION QUILLON 32 - Open file error!";
    box.text = "    First line|" + std::string(90, '\xA0') + "|    File: C:\\\xE9t\xE9.LIB|";
    EXPECT_EQ(messageAsText(box), "CLARION QUILLON 32 - Open file error!\n    First line\n"
                                  "    File: C:\\\xC3\xA9t\xC3\xA9.LIB\n\n");
}

TEST(TerminalText, ButtonLabelsLoseTheirAccessKeyMarks)
{
    EXPECT_EQ(buttonLabels("&Yes|&No|A&bort all|K&eep all"),
              (std::vector<std::string>{"Yes", "No", "Abort all", "Keep all"}));
}

TEST(TerminalText, AnswersPickAButtonByNumberAccessKeyOrLabel)
{
    const std::string buttons = "&Yes|&No|A&bort all";
    EXPECT_EQ(answerChoices(buttons, 2), "[Y]es, [N]o (Enter), A[b]ort all");
    EXPECT_EQ(answeredButton(buttons, "y"), 1);
    EXPECT_EQ(answeredButton(buttons, " NO "), 2);
    EXPECT_EQ(answeredButton(buttons, "b"), 3);
    EXPECT_EQ(answeredButton(buttons, "abort ALL"), 3);
    EXPECT_EQ(answeredButton(buttons, "2"), 2);
    EXPECT_EQ(answeredButton(buttons, "4"), std::nullopt);
    EXPECT_EQ(answeredButton(buttons, "a"), std::nullopt);
    EXPECT_EQ(answeredButton(buttons, ""), std::nullopt);
}

}  // namespace
}  // namespace quillon::ui
