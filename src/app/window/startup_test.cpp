// Start-up: the splash window, silent runs and the start-up file step.
#include "app/window/startup.h"

#include <QApplication>
#include <QDialog>
#include <QSplashScreen>
#include <QTest>
#include <QTimer>

#include <QToolButton>
#include "app/library/target_name_dialog.h"
#include "app/testing/gui_fixture.h"
#include "core/exclude_list.h"
#include "support/lib_builder.h"

namespace quillon::app {
namespace {

class StartupTest : public testing::GuiFixture {
protected:
    StartupReport start(std::vector<std::string> parameters = {})
    {
        const CommandLine line = parseCommandLine(std::move(parameters), SwitchRule::Posix);
        Startup startup(ws, qtUi, window(), line);
        // Long enough to outlast a busy machine's start-up, short enough to close in the test.
        startup.setSplashTime(1000);
        return startup.run();
    }
    static int splashWindows()
    {
        int n = 0;
        for (QWidget* w : QApplication::topLevelWidgets())
            n += qobject_cast<QSplashScreen*>(w) != nullptr && w->isVisible() ? 1 : 0;
        return n;
    }
};

TEST_F(StartupTest, SplashIsShownAndClosesByItself)
{
    const StartupReport report = start();
    EXPECT_TRUE(report.splashShown);
    EXPECT_EQ(splashWindows(), 1);
    QTRY_COMPARE_WITH_TIMEOUT(splashWindows(), 0, 5000);
}

TEST_F(StartupTest, NoSplashWithTheSilentSwitch)
{
    const StartupReport report = start({"/libs/a.dll", "/s"});
    EXPECT_FALSE(report.splashShown);
    EXPECT_EQ(splashWindows(), 0);
}

TEST_F(StartupTest, NoSplashWhenSwitchedOff)
{
    settings.writeNumber("Options", "UseNosplash", 1);
    EXPECT_FALSE(start().splashShown);
}

TEST_F(StartupTest, SilentSwitchIsFoundInEitherCaseAndWithATarget)
{
    EXPECT_TRUE(parseCommandLine({"a.dll", "/S:out.lib"}, SwitchRule::Posix).silent);
    EXPECT_TRUE(parseCommandLine({"a.dll", "/s"}, SwitchRule::Posix).silent);
    EXPECT_FALSE(parseCommandLine({"/home/s/a.dll"}, SwitchRule::Posix).silent);
}

TEST_F(StartupTest, WithoutStartFileOrOpeningTheNewDialogOpens)
{
    settings.writeNumber("Options", "UseNosplash", 1);
    settings.writeNumber("Options", "UseNocreate", 0);
    QString caption;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (auto* dialog = qobject_cast<TargetNameDialog*>(QApplication::activeModalWidget())) {
            caption = dialog->windowTitle();
            dialog->reject();
        }
    });
    poll.start();
    const StartupReport report = start();
    EXPECT_TRUE(report.newDialogShown);
    EXPECT_EQ(caption, "Create a new library target file");
}

TEST_F(StartupTest, StartFileOpensThePresentFileWithoutDialogs)
{
    const std::string lib = folder.write(
        "tools.lib", quillon::testing::libBytes({{"TOOLS", "Alpha", 1}, {"TOOLS", "Beta", 2}}));
    settings.writeNumber("Options", "UseNosplash", 1);
    settings.writeNumber("Options", "UseStartFile", 1);
    settings.writeNumber("Options", "UseOpening", 1);
    settings.writeNumber("Options", "UseNocreate", 0);
    settings.writeSetting("Filelist", "PresentFile", lib);
    const StartupReport report = start();
    EXPECT_TRUE(report.openedPresentFile);
    EXPECT_FALSE(report.openDialogShown);
    EXPECT_FALSE(report.newDialogShown);
    EXPECT_TRUE(messages.empty());
    ASSERT_EQ(ws.library.rows.size(), 3u);
    EXPECT_EQ(ws.library.rows[2].SYMBOL, "Beta");
    EXPECT_EQ(window().windowTitle(),
              QString::fromStdString("Clarion Quillon 32 - TARGET:" + testing::captionPath(lib)));
}

TEST_F(StartupTest, MissingPresentFileFallsBackToTheOpenDialog)
{
    settings.writeNumber("Options", "UseNosplash", 1);
    settings.writeNumber("Options", "UseStartFile", 1);
    settings.writeNumber("Options", "UseOpening", 1);
    settings.writeSetting("Filelist", "PresentFile", folder.file("gone.lib"));
    const StartupReport report = start();
    EXPECT_FALSE(report.openedPresentFile);
    EXPECT_TRUE(report.openDialogShown);  // answered by the test seam: cancelled
    EXPECT_TRUE(ws.library.empty());
}

TEST_F(StartupTest, OptionsAndPlacementComeFromTheSettings)
{
    settings.writeNumber("Options", "UseNosplash", 1);
    settings.writeNumber("Options", "UseQuickMenu", 1);
    settings.writeNumber("MainWindow", "XPosit", 40);
    settings.writeNumber("MainWindow", "YPosit", 30);
    settings.writeNumber("MainWindow", "Width", 700);
    settings.writeNumber("MainWindow", "Height", 500);
    (void)start();
    EXPECT_TRUE(ws.options.UseQuickMenu);
    EXPECT_TRUE(window().quickMenuButton()->isVisible());
    EXPECT_EQ(window().width(), 700);
    EXPECT_EQ(settings.readSetting("Options", "UseMainWidthPref"), "700");
}

TEST_F(StartupTest, NoCreateKeepsTheWindowQuiet)
{
    settings.writeNumber("Options", "UseNosplash", 1);
    const StartupReport report = start();
    EXPECT_FALSE(report.newDialogShown);
    EXPECT_FALSE(report.openDialogShown);
    EXPECT_EQ(window().windowTitle(), "Clarion Quillon 32");
}

TEST_F(StartupTest, FilesNamedOnTheCommandLineAreRecordedOutsideSilentRuns)
{
    const std::string a =
        folder.write("a.lib", quillon::testing::libBytes({{"TOOLS", "Alpha", 1}}));
    Startup startup(ws, qtUi, window(), parseCommandLine({a}, SwitchRule::Posix));
    startup.setSplashTime(0);
    (void)startup.run();
    EXPECT_EQ(settings.readSetting("Filelist", "PresentFile"), a);
}

}  // namespace
}  // namespace quillon::app
