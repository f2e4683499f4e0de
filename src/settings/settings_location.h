// The settings file's location: the starting folder and one level of ProgFolder redirection.
#pragma once

#include <string>

namespace quillon::platform {
class Environment;
class FileSystem;
}  // namespace quillon::platform

namespace quillon::settings {

/// The settings file's name.
inline constexpr const char* kSettingsFileName = "Quillon32.ini";

/// What the location depends on, gathered by the caller (the real program passes its own path,
/// the current folder and the process environment; tests pass their own).
struct LocationInputs {
    std::string programPath;    ///< full path of the running program
    std::string currentFolder;  ///< used when the program path holds no separator

    /// The running program's path and the current folder.
    [[nodiscard]] static LocationInputs fromProcess();
};

/// Where the settings live for this run.
struct SettingsLocation {
    std::string programFolder;   ///< the program's folder, ending in a separator
    std::string startFolder;     ///< where the first settings file was looked for
    std::string settingsFolder;  ///< `ProgFolder`: the settings folder, ending in a separator
    std::string settingsFile;    ///< settings folder followed by "Quillon32.ini"
    int UseLongAdd = 1;          ///< as read from the settings file

    friend bool operator==(const SettingsLocation&, const SettingsLocation&) = default;
};

/// The folder where the settings file is looked for first: `QUILLON_SETTINGS_DIR` when set;
/// on Windows `windowsSettingsFolder`; elsewhere the program folder when "Quillon32.ini" is there (a
/// portable install), else "quillon" in `XDG_CONFIG_HOME` (when it is an absolute path) or in
/// "~/.config", and the program folder when not even `HOME` is set. A full path ending in a
/// separator.
[[nodiscard]] std::string startSettingsFolder(platform::FileSystem& files,
                                              const platform::Environment& env,
                                              const std::string& programFolder);

/// The starting folder on Windows: the program folder when "Quillon32.ini" is there or a file
/// can be created there (a portable install); otherwise, as for a program installed where a
/// normal user may not write, "Quillon" in `APPDATA` (the program folder when that is not set).
/// A full path ending in a separator.
[[nodiscard]] std::string windowsSettingsFolder(platform::FileSystem& files,
                                                const platform::Environment& env,
                                                const std::string& programFolder);

/// Locates the settings file (runs first at start-up): takes the starting folder's settings
/// file, follows its `ProgFolder` key once to the settings folder (falling back to the starting
/// folder when that folder does not exist; a relative `ProgFolder` is taken against the current
/// folder and kept as a full path) and reads `UseLongAdd` there. Writes nothing: `ProgFolder`
/// stays what the user made it, so that a file copied to another folder is used there and a
/// redirection to a folder that is missing for now works again when it is back. Never fails:
/// a missing file gives the defaults. Reads go through `files`.
[[nodiscard]] SettingsLocation locateSettingsFile(platform::FileSystem& files,
                                                  const platform::Environment& env,
                                                  const LocationInputs& inputs);

}  // namespace quillon::settings
