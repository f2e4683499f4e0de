// Loading and saving the general options.
#include "settings/options_io.h"

#include <algorithm>
#include <array>

#include "core/exclude_list.h"
#include "platform/file_system.h"
#include "platform/paths.h"
#include "settings/setting_history.h"
#include "settings/settings_store.h"

namespace quillon::settings {

namespace {

struct NumberKey {
    const char* key;
    int Options::*field;
};

// Section Options, in the order the keys are written.
constexpr std::array kOptionNumbers{
    NumberKey{"UseLongAdd", &Options::UseLongAdd},
    NumberKey{"UseExcludeObsoleteFolders", &Options::UseExcludeObsoleteFolders},
    NumberKey{"UseRecentFolders", &Options::UseRecentFolders},
    NumberKey{"UseStartFile", &Options::UseStartFile},
    NumberKey{"UseOpening", &Options::UseOpening},
    NumberKey{"UseNocreate", &Options::UseNocreate},
    NumberKey{"UseNosplash", &Options::UseNosplash},
    NumberKey{"UseSaveWindow", &Options::UseSaveWindow},
    NumberKey{"UseStatusBar", &Options::UseStatusBar},
    NumberKey{"UseToolTips", &Options::UseToolTips},
    NumberKey{"UseQuickMenu", &Options::UseQuickMenu},
    NumberKey{"QuickMenu", &Options::QuickMenu},
    NumberKey{"UseBitCheckSet", &Options::UseBitCheckSet},
    NumberKey{"UseBitCheckSetUnlocated", &Options::UseBitCheckSetUnlocated},
    NumberKey{"UseBitCheckSetDuplicates", &Options::UseBitCheckSetDuplicates},
    NumberKey{"UseRestoreFormat", &Options::UseRestoreFormat},
    NumberKey{"UseOsIcons", &Options::UseOsIcons},
    NumberKey{"UseHexColumn", &Options::UseHexColumn},
    NumberKey{"UseHexEntryPoint", &Options::UseHexEntryPoint},
    NumberKey{"UseUnsortedWidth", &Options::UseUnsortedWidth},
    NumberKey{"UseHexWidth", &Options::UseHexWidth},
    NumberKey{"UseHexEntryWidth", &Options::UseHexEntryWidth},
    NumberKey{"UseExpandAll", &Options::UseExpandAll},
    NumberKey{"UseShowQuery", &Options::UseShowQuery},
    NumberKey{"UseShowCompare", &Options::UseShowCompare},
    NumberKey{"UseTopWindow", &Options::UseTopWindow},
    NumberKey{"TopWindow", &Options::TopWindow},
    NumberKey{"UseMinimizeTray", &Options::UseMinimizeTray},
    NumberKey{"UseFlatButtons", &Options::UseFlatButtons},
    NumberKey{"UseFavorites", &Options::UseFavorites},
    NumberKey{"UseNoMessages", &Options::UseNoMessages},
    NumberKey{"UseNoBanner", &Options::UseNoBanner},
    NumberKey{"UseClearExtract", &Options::UseClearExtract},
    NumberKey{"UseNoEditInPlace", &Options::UseNoEditInPlace},
    NumberKey{"UseUndecoratedNames", &Options::UseUndecoratedNames},
    NumberKey{"UseRecentMenu", &Options::UseRecentMenu},
    NumberKey{"UseRecentFiles", &Options::UseRecentFiles},
    NumberKey{"UseRecentSearch", &Options::UseRecentSearch},
    NumberKey{"UseExportTextCopy", &Options::UseExportTextCopy},
    NumberKey{"UseExportTextNotepad", &Options::UseExportTextNotepad},
    NumberKey{"UseReadResidentNames", &Options::UseReadResidentNames},
    NumberKey{"UseWriteResidentNames", &Options::UseWriteResidentNames},
    NumberKey{"UseExcludeList", &Options::UseExcludeList},
    NumberKey{"UseExcludeGlobalDuplicates", &Options::UseExcludeGlobalDuplicates},
    NumberKey{"UseExcludeGlobalDuplicatesSet", &Options::UseExcludeGlobalDuplicatesSet},
    NumberKey{"UseLIBSortOrder", &Options::UseLIBSortOrder},
    NumberKey{"UseBitCheck", &Options::UseBitCheck},
    NumberKey{"UseBitCheckDuplicates", &Options::UseBitCheckDuplicates},
    NumberKey{"UseIconSingle", &Options::UseIconSingle},
    NumberKey{"UseIconAnimation", &Options::UseIconAnimation},
};

struct TextKey {
    const char* key;
    std::string Options::*field;
};

constexpr std::array kOptionTexts{
    TextKey{"UseStatusCaps", &Options::UseStatusCaps},
    TextKey{"UseTrayMenuAlignment", &Options::UseTrayMenuAlignment},
};

// Section Folders: folders and the numbers between them, in the order they are written.
constexpr std::array kFolders{
    TextKey{"ProgFolder", &Options::ProgFolder},
    TextKey{"StatFolder", &Options::StatFolder},
    TextKey{"BINFolder", &Options::BINFolder},
    TextKey{"LIBFolder", &Options::LIBFolder},
    TextKey{"LastAddFolder", &Options::LastAddFolder},
    TextKey{"AddFolder", &Options::AddFolder},
    TextKey{"LastSaveFolder", &Options::LastSaveFolder},
    TextKey{"SaveFolder", &Options::SaveFolder},
};

constexpr std::array kFolderNumbers{
    NumberKey{"OptionAddFolder", &Options::OptionAddFolder},
    NumberKey{"OptionSaveFolder", &Options::OptionSaveFolder},
    NumberKey{"UseSameAddSave", &Options::UseSameAddSave},
};

constexpr std::array kFilelistNumbers{
    NumberKey{"UseNumMenu", &Options::UseNumMenu},
    NumberKey{"CaseOption", &Options::CaseOption},
    NumberKey{"UseExcludeObsoleteFiles", &Options::UseExcludeObsoleteFiles},
};

std::string_view trimBlanks(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.remove_suffix(1);
    return s;
}

/// True when `folder` is the folder that holds `file`.
bool isFolderOf(const std::string& folder, const std::string& file)
{
    std::string a = platform::withTrailingSeparator(folder);
    std::string b = platform::withTrailingSeparator(platform::folderOf(file));
    if (!platform::kCaseSensitivePaths) {
        a = upperCase(a);
        b = upperCase(b);
    }
    return !trimBlanks(folder).empty() && a == b;
}

}  // namespace

std::string fileSuffixFromSetting(std::string_view stored)
{
    std::string suffix = upperCase(trimBlanks(stored));
    if (suffix.empty())
        return {};
    suffix.resize(std::min<std::size_t>(suffix.size(), 20));
    if (suffix.front() != '.')
        suffix.insert(suffix.begin(), '.');
    if (suffix.find("DLL") == std::string::npos && suffix.find("LIB") == std::string::npos)
        return {};
    return suffix;
}

bool isValidStatusCaps(std::string_view text)
{
    return text == "Default casing" || text == "Initial caps" || text == "Lower casing" ||
           text == "Upper casing";
}

bool isValidTrayMenuAlignment(std::string_view text)
{
    return text == "Left mouse button" || text == "Right mouse button";
}

void LoadOptions(SettingsStore& store, const platform::FileSystem& files, Options& options,
                 const OptionsContext& context, const OptionsSeams& seams)
{
    const SettingsStore::Batch batch(store);
    const Options defaults;
    for (const NumberKey& k : kOptionNumbers)
        options.*k.field = store.readNumber("Options", k.key, defaults.*k.field);
    for (const TextKey& k : kOptionTexts)
        options.*k.field = store.readSetting("Options", k.key, defaults.*k.field);
    // Every platform the program runs on has long file names, so UseLongAdd stays as stored.
    options.UseRecentFolders = clampCount(options.UseRecentFolders);
    options.UseRecentFiles = clampCount(options.UseRecentFiles);
    options.UseRecentSearch = clampCount(options.UseRecentSearch);
    if (options.UseBitCheckSet == 0) {
        options.UseBitCheckSet = 3;
        store.writeNumber("Options", "UseBitCheckSet", 3);
    }
    options.UseMarkFound = store.readNumber("Search", "UseMarkFound", defaults.UseMarkFound);

    for (const TextKey& k : kFolders) {
        std::string fallback;
        if (k.field == &Options::ProgFolder || k.field == &Options::AddFolder ||
            k.field == &Options::SaveFolder)
            fallback = context.settingsFolder;
        else if (k.field == &Options::BINFolder)
            fallback = context.detectedBINFolder;
        else if (k.field == &Options::LIBFolder)
            fallback = context.detectedLIBFolder;
        const std::string stored = store.readPath("Folders", k.key, fallback);
        std::string folder = platform::withTrailingSeparator(
            platform::NormalizeFolderPath(files, stored, options.UseLongAdd));
        if (folder.empty() && k.field == &Options::ProgFolder)
            folder = context.settingsFolder;
        options.*k.field = std::move(folder);
    }
    for (const NumberKey& k : kFolderNumbers)
        options.*k.field = store.readNumber("Folders", k.key, defaults.*k.field);

    for (const NumberKey& k : kFilelistNumbers)
        options.*k.field = store.readNumber("Filelist", k.key, defaults.*k.field);
    options.UseNumMenu = std::clamp(options.UseNumMenu, 0, 20);
    const std::string suffix = store.readSetting("Filelist", "FileSuffix", "");
    options.FileSuffix = fileSuffixFromSetting(suffix);
    if (options.FileSuffix.empty() && !trimBlanks(suffix).empty())
        store.deleteSetting("Filelist", "FileSuffix");

    ObsoleteTest missingFolder;
    if (options.UseExcludeObsoleteFolders == 1)
        missingFolder = [&files](const std::string& entry) { return !files.exists(entry); };
    options.AddFolderDrop =
        readHistory(store, {"Folders", "AddFolderDrop", options.UseRecentFolders}, missingFolder);
    options.SaveFolderDrop =
        readHistory(store, {"Folders", "SaveFolderDrop", options.UseRecentFolders}, missingFolder);

    if (seams.loadExcludeList)
        seams.loadExcludeList(store);
}

void SaveOptions(SettingsStore& store, const Options& options, const OptionsSeams& seams)
{
    const SettingsStore::Batch batch(store);
    for (const NumberKey& k : kOptionNumbers)
        store.writeNumber("Options", k.key, options.*k.field);
    for (const TextKey& k : kOptionTexts)
        store.writeSetting("Options", k.key, options.*k.field);
    for (const TextKey& k : kFolders) {
        // ProgFolder redirects to another folder's settings file; the folder of this file
        // itself is no redirection, and written down it would follow a copy of the file.
        if (k.field == &Options::ProgFolder && isFolderOf(options.ProgFolder, store.path()))
            continue;
        store.writePath("Folders", k.key, options.*k.field);
    }
    for (const NumberKey& k : kFolderNumbers)
        store.writeNumber("Folders", k.key, options.*k.field);
    for (const NumberKey& k : kFilelistNumbers)
        store.writeNumber("Filelist", k.key, options.*k.field);
    store.writeSetting("Filelist", "FileSuffix", options.FileSuffix);

    if (seams.saveFolderHistories)
        seams.saveFolderHistories(store, options);
    if (seams.saveExcludeList)
        seams.saveExcludeList(store);
}

}  // namespace quillon::settings
