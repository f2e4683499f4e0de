// libFuzzer target: the settings file store and the WIN.INI colour keys on any file, and the
// number and colour values on any text.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "settings/info_window_colours.h"
#include "settings/settings_store.h"

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

bool isUtf16(const std::string& bytes)
{
    return bytes.size() >= 2 && ((bytes[0] == '\xFF' && bytes[1] == '\xFE') ||
                                 (bytes[0] == '\xFE' && bytes[1] == '\xFF'));
}

/// The scratch file, in memory-backed storage where there is one: every access reads it whole.
const std::string& scratchPath()
{
    static const std::string path = [] {
        const std::filesystem::path shm("/dev/shm");
        std::error_code ec;
        const std::filesystem::path folder =
            std::filesystem::is_directory(shm, ec) ? shm : std::filesystem::temp_directory_path();
        return (folder / ("quillon-settings-fuzz-" + std::to_string(std::rand()) + ".ini"))
            .string();
    }();
    return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);

    // Values as text.
    (void)quillon::settings::settingNumber(bytes);
    (void)quillon::settings::parseRgb(bytes, {});

    const std::string& path = scratchPath();
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    quillon::settings::SettingsStore store(path);
    (void)store.readSetting("Options", "UseStatusBar");
    (void)store.readNumber("Options", "UseLIBSortOrder", 3);
    (void)store.readSetting("Excludelist", "ListNum");
    (void)quillon::settings::readInfoWindowColours(path);

    // A value written reads back as written; deleting keys and sections keeps the file readable.
    if (!isUtf16(bytes)) {
        store.writeSetting("Options", "UseNoMessages", "1");
        check(store.readSetting("Options", "UseNoMessages") == "1");
        store.writeSetting("Fuzz Section", "Key1", "value=with=signs");
        check(store.readSetting("fuzz section", "KEY1") == "value=with=signs");
        store.deleteNumberedKeys("Fuzz Section", "Key");
        store.deleteSection("Options");
        (void)store.readSetting("Fuzz Section", "Key1");
    }
    return 0;
}
