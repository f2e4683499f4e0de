// The desktop program's run: the workspace, the main window and start-up, then the event
// loop. main() of quillon32 is this run; the start-up benchmark runs it with a hook.
#pragma once

#include <functional>

namespace quillon::app {

class MainWindow;

/// Told the main window once it is built, before it is shown and start-up runs.
using MainWindowHook = std::function<void(MainWindow&)>;

/// Runs the program with the process's arguments; returns its exit status.
int runDesktopProgram(int argc, char** argv, const MainWindowHook& built = {});

}  // namespace quillon::app
