// The command line: input files, the silent switch "/s" and its target LIB file.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillon {

/// Which rule ends the input files. Windows: the first parameter that contains "/". Elsewhere
/// absolute paths contain "/", so only "/s", "/s:..." (either case) or a parameter starting
/// with "-" is a switch.
enum class SwitchRule { Windows, Posix };

/// The rule of the platform the program runs on.
[[nodiscard]] SwitchRule platformSwitchRule();

/// A parsed command line.
struct CommandLine {
    std::vector<std::string> parameters;  // as given, one per argument
    /// Up to the first switch, trailing blanks removed, in the platform's own form (on Windows
    /// "C:/LIBS/A.DLL" becomes "C:\LIBS\A.DLL"); the target likewise.
    std::vector<std::string> inputFiles;
    bool silent = false;  // "/s" is present
    /// The text after the first ":" of the "/s" switch, leading blanks removed; nullopt when the
    /// switch has no ":".
    std::optional<std::string> target;

    /// The whole command line with trailing blanks removed (CMDLINE of the messages): upper-cased
    /// where file names ignore letter case, as typed where they do not. With `maxInputs` above 0
    /// and more input files than that, only the first `maxInputs` are written, followed by
    /// "... and N more".
    [[nodiscard]] std::string shownText(std::size_t maxInputs = 0) const;

    friend bool operator==(const CommandLine&, const CommandLine&) = default;
};

/// Parses the program's arguments (without the program name).
[[nodiscard]] CommandLine parseCommandLine(std::vector<std::string> parameters, SwitchRule rule);

/// True when `parameter` is the silent switch: "/s" or "/s:..." in either case.
[[nodiscard]] bool isSilentSwitch(std::string_view parameter);

/// A LIB file name made from a file name: the name without its last extension, first character
/// upper case and the rest lower case, then ".lib" ("KERNEL32.DLL" gives "Kernel32.lib").
[[nodiscard]] std::string libNameFromFile(std::string_view fileName);

/// True when `path` names a folder (a separator anywhere; on Windows also a drive "X:").
[[nodiscard]] bool hasFolder(std::string_view path);

/// The target LIB file of a silent run: the "/s:" target, or the default made from the first
/// input file; a target without folder goes into the folder of parameter 1 when it has one,
/// else into `currentFolder` (which ends with a separator). Empty when there is nothing to name.
[[nodiscard]] std::string silentTarget(const CommandLine& line, std::string_view currentFolder);

}  // namespace quillon
