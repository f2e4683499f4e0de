// Locating the settings file.
#include "settings/settings_location.h"

#include <chrono>
#include <random>

#include "base/ascii_text.h"
#include "platform/environment.h"
#include "platform/file_system.h"
#include "platform/paths.h"
#include "settings/settings_store.h"

namespace quillon::settings {

namespace {

std::string trimmedRight(std::string s)
{
    while (!s.empty() && s.back() == ' ')
        s.pop_back();
    return s;
}

/// Whether a new file can be made in `folder`: a file of a name no one else uses is created
/// and removed again.
bool canCreateFileIn(platform::FileSystem& files, const std::string& folder)
{
    std::random_device device;
    std::mt19937 random(
        device() ^
        static_cast<unsigned>(std::chrono::steady_clock::now().time_since_epoch().count()));
    for (int attempt = 0; attempt < 8; ++attempt) {
        const std::string probe =
            folder + kSettingsFileName + "." + std::to_string(random() % 1000000) + ".tmp";
        Result<platform::File> file = files.createNew(probe);
        if (file) {
            (void)file->close();
            (void)files.remove(probe);
            return true;
        }
        if (!files.exists(probe))
            return false;
    }
    return false;
}

}  // namespace

LocationInputs LocationInputs::fromProcess()
{
    return LocationInputs{platform::programPath(), platform::currentFolder()};
}

std::string windowsSettingsFolder(platform::FileSystem& files, const platform::Environment& env,
                                  const std::string& programFolder)
{
    if (files.isFile(programFolder + kSettingsFileName) || canCreateFileIn(files, programFolder))
        return programFolder;
    const std::string appData = trimmedRight(env.value("APPDATA"));
    if (isBlank(appData))
        return programFolder;
    return platform::joinPath(platform::fullPath(appData), "Quillon") + platform::kPathSeparator;
}

std::string startSettingsFolder(platform::FileSystem& files, const platform::Environment& env,
                                const std::string& programFolder)
{
    const std::string overridden = trimmedRight(env.value("QUILLON_SETTINGS_DIR"));
    if (!isBlank(overridden))
        return platform::withTrailingSeparator(platform::fullPath(overridden));
#ifdef _WIN32
    return windowsSettingsFolder(files, env, programFolder);
#else
    if (files.isFile(programFolder + kSettingsFileName))
        return programFolder;
    const std::string config = env.value("XDG_CONFIG_HOME");
    if (!config.empty() && config.front() == '/')
        return platform::joinPath(config, "quillon") + platform::kPathSeparator;
    const std::string home = env.value("HOME");
    if (!isBlank(home))
        return platform::joinPath(home, ".config/quillon") + platform::kPathSeparator;
    return programFolder;
#endif
}

SettingsLocation locateSettingsFile(platform::FileSystem& files, const platform::Environment& env,
                                    const LocationInputs& inputs)
{
    SettingsLocation where;
    where.programFolder = platform::programFolder(inputs.programPath, inputs.currentFolder);
    where.startFolder = startSettingsFolder(files, env, where.programFolder);

    // Locating only reads: ProgFolder is the user's redirection, never a copy of the folder a
    // file lies in, so that a settings file copied to another folder works there.
    SettingsStore store(files, where.startFolder + kSettingsFileName,
                        SettingsStore::Access::ReadOnly);
    std::string folder;
    {
        const SettingsStore::Batch batch(store);
        folder = trimmedRight(store.readPath("Folders", "ProgFolder", where.startFolder));
        if (folder.empty())
            folder = where.startFolder;
        folder = platform::withTrailingSeparator(folder);
        if (folder + kSettingsFileName == store.path())
            where.UseLongAdd = store.readNumber("Options", "UseLongAdd", 1);
    }
    if (folder + kSettingsFileName != store.path()) {
        store.setPath(folder + kSettingsFileName);
        where.UseLongAdd = store.readNumber("Options", "UseLongAdd", 1);
    }

    folder = platform::fullPath(platform::NormalizeFolderPath(files, folder, where.UseLongAdd));
    if (folder.empty())
        folder = where.startFolder;
    folder = platform::withTrailingSeparator(folder);

    where.settingsFolder = folder;
    where.settingsFile = folder + kSettingsFileName;
    if (where.settingsFile != store.path()) {
        store.setPath(where.settingsFile);
        where.UseLongAdd = store.readNumber("Options", "UseLongAdd", 1);
    }
    return where;
}

}  // namespace quillon::settings
