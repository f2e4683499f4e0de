// The desktop program quillon32: builds the workspace and the main window and runs start-up.
#include <QApplication>
#include <QDir>
#include <QFileInfo>

#include <string>
#include <vector>

#include "app/main_window.h"
#include "app/qt_ui.h"
#include "app/startup.h"
#include "core/clock.h"
#include "core/command_line.h"
#include "platform/file_system.h"
#include "settings/settings_store.h"

int main(int argc, char** argv)
{
    using namespace quillon;
    std::vector<std::string> parameters(argv + 1, argv + argc);
    const CommandLine line = parseCommandLine(parameters, platformSwitchRule());

    QApplication application(argc, argv);
    QApplication::setApplicationName("Clarion Quillon 32");
    const std::string programFolder = app::toPath(QCoreApplication::applicationDirPath());
    const std::string startupFolder = app::toPath(QDir::currentPath());

    app::QtUi ui;
    platform::FileSystem files;
    settings::SettingsStore settings(app::settingsFilePath(programFolder));
    SteadyClock clock;
    Workspace ws(ui, files, settings, clock);
    ws.SilentMode = line.silent;

    const std::string settingsFolder = app::toPath(
        QFileInfo(app::fromPath(settings.path())).absolutePath());
    app::MainWindow window(ws, ui, {startupFolder, settingsFolder});
    QApplication::setWindowIcon(window.icons().program());
    window.show();
    app::Startup startup(ws, ui, window, line);
    (void)startup.run();
    return QApplication::exec();
}
