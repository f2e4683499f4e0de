// libFuzzer target: the settings file store, the options, exclusion and exceptions lists read
// from it, and the WIN.INI colour keys, on any bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "base/clock.h"
#include "core/ui/silent_ui.h"
#include "core/workspace.h"
#include "maintenance/exceptions.h"
#include "maintenance/exclusion_list.h"
#include "platform/file_system.h"
#include "settings/info_window_colours.h"
#include "settings/options_io.h"
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

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    static const std::string path =
        (std::filesystem::temp_directory_path() / "quillon-settings-fuzz.ini").string();
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }

    quillon::ui::SilentUi ui;
    quillon::platform::FileSystem files;
    quillon::settings::SettingsStore store(path);
    quillon::SteadyClock clock;
    quillon::Workspace ws(ui, files, store, clock);

    // Everything the program reads from the file at start.
    quillon::settings::OptionsContext context;
    context.settingsFolder = std::filesystem::temp_directory_path().string();
    quillon::settings::OptionsSeams seams;
    quillon::maintenance::setExcludeListSeams(seams, ws);
    quillon::settings::LoadOptions(store, files, ws.options, context, seams);
    quillon::maintenance::loadExceptList(ws);
    (void)quillon::settings::readInfoWindowColours(path);

    // A value written reads back as written, and the other keys stay readable.
    if (!isUtf16(bytes)) {
        store.writeSetting("Options", "UseNoMessages", "1");
        check(store.readSetting("Options", "UseNoMessages") == "1");
        store.writeSetting("Fuzz Section", "Key", "value=with=signs");
        check(store.readSetting("fuzz section", "KEY") == "value=with=signs");
        store.deleteSetting("Fuzz Section", "Key");
        check(store.readSetting("Fuzz Section", "Key").empty());
        store.deleteSection("Options");
        check(store.readSetting("Options", "UseNoMessages").empty());
    }
    // And the options written back load again.
    quillon::settings::SaveOptions(store, ws.options, seams);
    quillon::settings::LoadOptions(store, files, ws.options, context, seams);
    return 0;
}
