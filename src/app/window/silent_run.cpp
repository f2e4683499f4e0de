// The silent LIB-file run of the desktop program.
#include "app/window/silent_run.h"

#include <QApplication>

#include <csignal>
#include <cstdlib>
#include <memory>

#include "app/widgets/qt_ui.h"
#include "core/ui/terminal_ui.h"
#include "program/command_line_save.h"
#include "program/session.h"

namespace quillon::app {

namespace {

/// True when a window system is there to show a message box on.
bool displayAvailable()
{
#if defined(_WIN32) || defined(__APPLE__)
    return true;
#else
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        const char* value = std::getenv(name);
        if (value != nullptr && *value != '\0')
            return true;
    }
    return false;
#endif
}

int run(ui::UiInterface& ui, const CommandLine& line)
{
    Session session(ui, platform::Environment::fromProcess(),
                    settings::LocationInputs::fromProcess());
    Workspace& ws = session.workspace();
    BatchResult result;
    (void)processCommandLine(ws, line, {}, &result);
    return exitCode(batchExitCode(result));
}

}  // namespace

int runSilent(int argc, char** argv, const CommandLine& line)
{
    if (displayAvailable()) {
        QApplication application(argc, argv);
        QApplication::setApplicationName("Clarion Quillon 32");
        QtUi ui;
        return run(ui, line);
    }
    // No display: the message goes to stderr and the exit status tells the outcome.
    volatile std::sig_atomic_t interrupted = 0;
    ui::TerminalUi ui(interrupted, false, false);
    return run(ui, line);
}

}  // namespace quillon::app
