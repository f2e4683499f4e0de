// Start-up of the desktop program: the sequence between the start and the first input.
#pragma once

#include <QObject>

#include <memory>
#include <string>
#include <vector>

#include "core/workspace.h"
#include "program/command_line.h"
#include "settings/info_window_colours.h"

class QSplashScreen;

namespace quillon::app {

class MainWindow;
class QtUi;

/// Gives the information windows (tool tips) the colours read from WIN.INI.
void applyInfoWindowColours(const settings::InfoWindowColours& colours);

/// The splash window: the program's picture with its version; closes by itself.
[[nodiscard]] QSplashScreen* createSplash(int milliseconds);

/// What the start-up sequence did (for the window's tests).
struct StartupReport {
    bool splashShown = false;
    bool openedPresentFile = false;
    bool openDialogShown = false;
    bool newDialogShown = false;
};

/// Runs the start-up sequence over a window that is already built: window settings, options,
/// splash, caption, then the command line or the start-up file step.
class Startup {
public:
    Startup(Workspace& ws, QtUi& ui, MainWindow& window, CommandLine line);

    /// The start-up after the window is built: window placement, list formats and options, the
    /// splash, the caption, then the files of the command line or the start-up file step (the
    /// last library, the open dialog or a new library); returns what it did.
    StartupReport run();

    /// The splash display time in milliseconds (0 shows none).
    void setSplashTime(int milliseconds) { m_splashTime = milliseconds; }

private:
    void startFileStep(StartupReport& report);

    Workspace& m_ws;
    QtUi& m_ui;
    MainWindow& m_window;
    CommandLine m_line;
    int m_splashTime = 2500;
};

}  // namespace quillon::app
