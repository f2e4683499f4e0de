// Running the built `quillon` in the tests: its exit status, standard output and error output.
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace quillon::cli::testing {

/// How a run of the program is set up.
struct RunSetup {
    /// Environment variables set for the run (the others are inherited).
    std::vector<std::pair<std::string, std::string>> environment;
    /// The folder the program starts in; empty keeps the test's own.
    std::string workingFolder;
    /// Standard output goes to this file (/dev/full, a file) instead of being collected.
    std::string standardOutputFile;
    /// Ctrl+C is pressed before the program has done anything: the signal is waiting when it
    /// starts, and reaches it once it listens for Ctrl+C.
    bool interruptAtStart = false;
    /// Ctrl+C is pressed this long after the program started (or, should it not listen for
    /// Ctrl+C yet, as soon as it does).
    std::optional<std::chrono::milliseconds> interruptAfter;
};

/// How the run ended.
struct Run {
    /// The exit status; -1 when the program did not exit by itself.
    int status = -1;
    /// The signal that ended it, 0 when it exited.
    int signal = 0;
    std::string out;
    std::string err;
};

/// Runs the built `quillon` with `arguments` (no shell is involved).
[[nodiscard]] Run runQuillon(const std::vector<std::string>& arguments, const RunSetup& setup = {});

/// Runs `quillon COMMAND --settings SETTINGS ARGUMENTS...`: a command over its own settings
/// folder.
[[nodiscard]] Run runCommand(const std::string& command, const std::string& settings,
                             std::vector<std::string> arguments, const RunSetup& setup = {});

/// The full path of a bundled sample file ("QUILLSMP.DLL").
[[nodiscard]] std::string sampleFile(const std::string& name);

}  // namespace quillon::cli::testing
