// The desktop program started with "/s": the silent LIB-file run, with or without a display.
#pragma once

#include "program/command_line.h"

namespace quillon::app {

/// Loads the command line's files, writes the LIB file through the same core operation as the
/// `quillon` program, and shows the one result message: in a message box when a display is
/// there, else on stderr. Returns the run's exit status (0 when the LIB file was written).
int runSilent(int argc, char** argv, const CommandLine& line);

}  // namespace quillon::app
