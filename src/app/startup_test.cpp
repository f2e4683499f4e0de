// Start-up: the splash window, silent runs and the start-up file step.
#include "app/startup.h"

#include <QApplication>
#include <QTest>
#include <QDialog>
#include <QSplashScreen>
#include <QTimer>

#include "app/target_name_dialog.h"
#include "app/testing/gui_fixture.h"

namespace quillon::app {
namespace {

class StartupTest : public testing::GuiFixture {
protected:
    StartupReport start(std::vector<std::string> parameters = {})
    {
        const CommandLine line = parseCommandLine(std::move(parameters), SwitchRule::Posix);
        ws.SilentMode = line.silent;
        Startup startup(ws, qtUi, window(), line);
        startup.setSplashTime(50);
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
    QTRY_COMPARE_WITH_TIMEOUT(splashWindows(), 0, 2000);
}

TEST_F(StartupTest, NoSplashWithTheSilentSwitch)
{
    const StartupReport report = start({"/libs/a.dll", "/s"});
    EXPECT_TRUE(ws.SilentMode);
    EXPECT_FALSE(report.splashShown);
    EXPECT_EQ(splashWindows(), 0);
}

TEST_F(StartupTest, NoSplashWhenSwitchedOff)
{
    ws.options.UseNosplash = 1;
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
    ws.options.UseNosplash = 1;
    ws.options.UseStartFile = 0;
    ws.options.UseOpening = 0;
    ws.options.UseNocreate = 0;
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

TEST_F(StartupTest, NoCreateKeepsTheWindowQuiet)
{
    ws.options.UseNosplash = 1;
    const StartupReport report = start();
    EXPECT_FALSE(report.newDialogShown);
    EXPECT_FALSE(report.openDialogShown);
    EXPECT_EQ(window().windowTitle(), "Clarion Quillon 32");
}

}  // namespace
}  // namespace quillon::app
