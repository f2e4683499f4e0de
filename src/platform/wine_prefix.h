// The Windows folders and profile files (WIN.INI, SYSTEM.INI): the system's own on Windows,
// those of the Wine prefix elsewhere.
#pragma once

#include <string>
#include <string_view>

namespace quillon::platform {

class Environment;
class FileSystem;

/// Where the Windows folder, the system folder and the two profile files are. Folders end in a
/// separator and are empty when they do not exist; the profile files are full paths that may
/// name missing files (reading one then gives the defaults).
struct WindowsLocations {
    std::string windowsFolder;
    std::string systemFolder;
    std::string winIni;
    std::string systemIni;

    friend bool operator==(const WindowsLocations&, const WindowsLocations&) = default;
};

/// The Wine prefix: `WINEPREFIX` when set and not blank, else ".wine" in `HOME`; ends in a
/// separator; empty when neither variable is set.
[[nodiscard]] std::string winePrefixFolder(const Environment& env);

/// On Windows the system's Windows and system folders with "WIN.INI" and "SYSTEM.INI" in the
/// Windows folder; elsewhere "drive_c/windows/" and "drive_c/windows/system32/" of the Wine
/// prefix with "win.ini" and "system.ini" in the former.
[[nodiscard]] WindowsLocations windowsLocations(const FileSystem& files, const Environment& env);

/// The host path of a Windows path taken from a profile file ("C:\C5\BIN\"): on Windows the path
/// itself; elsewhere the drive's folder in the Wine prefix ("dosdevices/c:/", or "drive_c/"
/// when the prefix has no drive links) followed by the rest with "/" separators. Text that does
/// not start with a drive letter is returned unchanged.
[[nodiscard]] std::string hostPathOfWindowsPath(const FileSystem& files, const Environment& env,
                                                std::string_view windowsPath);

}  // namespace quillon::platform
