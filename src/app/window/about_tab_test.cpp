// The about tab: read me and notes windows, system information, feedback and download.
#include "app/window/about_tab.h"

#include <QApplication>
#include <QFontInfo>
#include <QPlainTextEdit>

#include "app/testing/gui_fixture.h"
#include "app/widgets/system_info.h"
#include "app/widgets/text_window.h"
#include "base/text_encoding.h"

namespace quillon::app {
namespace {

class AboutTabTest : public testing::GuiFixture {
protected:
    AboutTab& about() { return *window().findChild<AboutTab*>(); }
    TextWindow* textWindow() { return window().findChild<TextWindow*>(); }
};

TEST_F(AboutTabTest, ReadmeFromTheSettingsFolderInItsWindowWithItsPlacement)
{
    (void)folder.write("Readme.txt", "Our own read me\r\nCaf\xE9\r\n");
    settings.writeNumber("TxtWin", "XPosit", 50);
    settings.writeNumber("TxtWin", "YPosit", 60);
    settings.writeNumber("TxtWin", "Width", 500);
    settings.writeNumber("TxtWin", "Height", 300);
    about().showReadme();
    TextWindow* text = textWindow();
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->windowTitle(), "Clarion Quillon 32 - Readme.txt");
    EXPECT_TRUE(text->view()->toPlainText().contains(QString::fromUtf8("Caf\xC3\xA9")));
    EXPECT_EQ(text->width(), 500);
    text->resize(520, 310);
    text->close();
    EXPECT_EQ(settings.readSetting("TxtWin", "Width"), "520");
    EXPECT_EQ(settings.readSetting("TxtWin", "Maximize"), "No");
}

TEST_F(AboutTabTest, NotesFallBackToTheProgramsOwnCopy)
{
    about().showNotes();
    TextWindow* text = textWindow();
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->windowTitle(), "Clarion Quillon 32 - Notes.txt");
    EXPECT_TRUE(text->view()->toPlainText().startsWith("Clarion Quillon 32 - Notes"));
    EXPECT_TRUE(QFontInfo(text->view()->font()).fixedPitch());
}

TEST_F(AboutTabTest, UnreadableReadmeAsksToRetry)
{
    (void)folder.write("Readme.txt", "text");
    files.setFaultHook([](platform::FileOp op, const std::string&) {
        return op == platform::FileOp::Open ? 5 : 0;
    });
    answers = {1, 2};  // Retry, then Cancel
    about().showReadme();
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].title, "CLARION QUILLON 32 - File Open Error!");
    EXPECT_EQ(messages[0].buttons, "Retry|&Cancel");
    EXPECT_TRUE(messages[0].text.starts_with("    An error was posted while trying to open file.|" +
                                             std::string(90, kNonBreakingSpace) +
                                             "|    Error message: "));
    EXPECT_NE(messages[0].text.find("|    Error code: 5|    Filname: "), std::string::npos);
    EXPECT_EQ(textWindow(), nullptr);
}

TEST_F(AboutTabTest, SystemInformationLines)
{
    SystemFacts facts;
    facts.qtVersion = "6.4.2";
    facts.buildVersion = "0.1.0";
    facts.colours = 16777216;
    facts.screenWidth = 1280;
    facts.screenHeight = 900;
    facts.systemLines = {"Distribution: Debian GNU/Linux 12 (bookworm)", "Kernel: linux 6.1"};
    const ui::MessageBox box = systemInformationBox(facts);
    EXPECT_EQ(box.title, "CLARION QUILLON 32 - System Information");
    EXPECT_EQ(box.icon, ui::MessageIcon::Program);
    const std::string rule = "     __________________________________________________";
    EXPECT_EQ(box.text,
              rule + "|     SYSTEM INFORMATION|     " + std::string(50, '\xAF') +
                  "|     Clarion Version Numbers"
                  "|     Clarion runtime library file (DLL) version number: none found (no "
                  "Clarion installation detected)"
                  "|     Clarion execution file (EXE) compiler version number: 0.1.0"
                  "|     Qt run-time library version number: 6.4.2|" +
                  std::string(94, kNonBreakingSpace) +
                  "|     Display|     Maximum number of display colors: 16777216"
                  "|     Screen size: 1280 X 900||     Operating System"
                  "|     Distribution: Debian GNU/Linux 12 (bookworm)|     Kernel: linux 6.1|" +
                  rule);
    facts.installedClarion = "6.3";
    facts.clarionRuntime = "6.3";
    const std::string withClarion = systemInformationBox(facts).text;
    EXPECT_NE(withClarion.find("|     Installed Clarion version (from WIN.INI) = 6.3|"),
              std::string::npos);
    EXPECT_NE(withClarion.find("|     Clarion runtime library file (DLL) version number: 6.3|"),
              std::string::npos);
}

TEST_F(AboutTabTest, FeedbackAndDownloadSayWhenNoAddressIsConfigured)
{
    about().setAddresses({});
    answers = {1, 1, 1, 1};
    about().sendFeedback();
    about().download();
    ASSERT_EQ(messages.size(), 4u);
    EXPECT_EQ(messages[0].title, "CLARION QUILLON 32 - Send feed-back");
    EXPECT_EQ(messages[0].text, "|    Do you want to send feed-back to the author?|");
    EXPECT_EQ(messages[1].title, "CLARION QUILLON 32 - Send feed-back");
    EXPECT_NE(messages[1].text.find("No address is configured"), std::string::npos);
    EXPECT_EQ(messages[2].title, "CLARION QUILLON 32 - Download ZIP-file");
    EXPECT_EQ(messages[2].text, "Do you want to download ZIP-file from the Internet?|");
    EXPECT_NE(messages[3].text.find("No address is configured"), std::string::npos);
}

TEST_F(AboutTabTest, AnsweringNoToFeedbackDoesNothingElse)
{
    answers = {2};
    about().sendFeedback();
    EXPECT_EQ(messages.size(), 1u);
}

}  // namespace
}  // namespace quillon::app
