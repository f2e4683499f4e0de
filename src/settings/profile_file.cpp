// Reading the Windows profile files through the system's profile functions or, elsewhere, the
// settings store in read-only mode.
#include "settings/profile_file.h"

#include "platform/native_path.h"
#include "settings/settings_store.h"

#ifdef _WIN32
#include <windows.h>

#include <vector>
#endif

namespace quillon::settings {

std::string readProfileString(const std::string& iniPath, std::string_view section,
                              std::string_view key, std::string_view defaultValue)
{
    if (iniPath.empty())
        return std::string(defaultValue);
#ifdef _WIN32
    // The system's profile functions: WIN.INI and SYSTEM.INI may live in the registry.
    // The wide functions, so that the folders these files name come through whole.
    const std::wstring sectionText = platform::widePath(section);
    const std::wstring keyText = platform::widePath(key);
    const std::wstring defaultText = platform::widePath(defaultValue);
    std::vector<wchar_t> buffer(1025);
    const DWORD n = GetPrivateProfileStringW(
        sectionText.c_str(), keyText.c_str(), defaultText.c_str(), buffer.data(),
        static_cast<DWORD>(buffer.size()), platform::widePath(iniPath).c_str());
    return platform::pathFromWide(std::wstring_view(buffer.data(), n));
#else
    SettingsStore profile(iniPath, SettingsStore::Access::ReadOnly);
    return profile.readSetting(section, key, defaultValue);
#endif
}

}  // namespace quillon::settings
