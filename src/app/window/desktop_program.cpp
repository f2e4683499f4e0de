// The desktop program's run: settings located, the Qt application, the workspace, the main
// window and its start-up.
#include "app/window/desktop_program.h"

#include <QApplication>
#include <QDir>

#include <string>
#include <vector>

#include "app/widgets/qt_ui.h"
#include "app/window/main_window.h"
#include "app/window/silent_run.h"
#include "app/window/startup.h"
#include "base/clock.h"
#include "platform/environment.h"
#include "platform/file_system.h"
#include "platform/program_arguments.h"
#include "platform/wine_prefix.h"
#include "program/command_line.h"
#include "program/settings_failure_report.h"
#include "settings/settings_location.h"
#include "settings/settings_store.h"

namespace quillon::app {

int runDesktopProgram(int argc, char** argv, const MainWindowHook& built)
{
    const platform::ProgramArguments arguments(argc, argv);
    const std::vector<std::string>& words = arguments.list();
    const std::vector<std::string> parameters(words.begin() + (words.empty() ? 0 : 1), words.end());
    const CommandLine line = parseCommandLine(parameters, platformSwitchRule());

    if (line.silent)
        return app::runSilent(argc, argv, line);

    platform::FileSystem files;
    const platform::Environment environment = platform::Environment::fromProcess();
    const settings::SettingsLocation location =
        settings::locateSettingsFile(files, environment, settings::LocationInputs::fromProcess());

    QApplication application(argc, argv);
    QApplication::setApplicationName("Clarion Quillon 32");
    const std::string startupFolder = app::toPath(QDir::currentPath());
    app::applyInfoWindowColours(
        settings::readInfoWindowColours(platform::windowsLocations(files, environment).winIni));

    app::QtUi ui;
    settings::SettingsStore settings(files, location.settingsFile);
    SteadyClock clock;
    Workspace ws(ui, files, settings, clock);
    reportSettingsFailures(ws);

    app::MainWindow window(ws, ui, {startupFolder, location.settingsFolder});
    QApplication::setWindowIcon(window.icons().program());
    if (built)
        built(window);
    app::Startup startup(ws, ui, window, line);
    window.show();
    (void)startup.run();
    return QApplication::exec();
}

}  // namespace quillon::app
