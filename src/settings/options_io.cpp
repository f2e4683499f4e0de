// Loading and saving the general options.
#include "settings/options_io.h"

#include <algorithm>
#include <array>
#include <type_traits>
#include <utility>

#include "core/exclude_list.h"
#include "platform/file_system.h"
#include "platform/paths.h"
#include "settings/setting_history.h"
#include "settings/settings_store.h"

namespace quillon::settings {

namespace {

// Every option is stored as a number except the texts and folders below. A flag reads as on
// when it holds 1 or, for the flags that were always tested against 0, anything but 0; it is
// written as 1 or 0. A choice keeps the number it was read with, known to its enumeration or
// not. Counts and widths are plain numbers.
enum class FlagRule { OnWhenNotZero, OnWhenOne };

struct NumberKey {
    const char* key;
    int (*stored)(const Options&);
    void (*assign)(Options&, int);
    const void* (*address)(const Options&);
};

template <auto Field>
using FieldType = std::remove_cvref_t<decltype(std::declval<Options&>().*Field)>;

template <auto Field>
int storedNumber(const Options& options)
{
    if constexpr (std::is_same_v<FieldType<Field>, bool>)
        return options.*Field ? 1 : 0;
    else
        return static_cast<int>(options.*Field);
}

template <auto Field, FlagRule Rule>
void assignNumber(Options& options, int number)
{
    if constexpr (std::is_same_v<FieldType<Field>, bool>)
        options.*Field = Rule == FlagRule::OnWhenOne ? number == 1 : number != 0;
    else
        options.*Field = static_cast<FieldType<Field>>(number);
}

template <auto Field>
const void* fieldAddress(const Options& options)
{
    return &(options.*Field);
}

template <auto Field, FlagRule Rule = FlagRule::OnWhenNotZero>
constexpr NumberKey numberKey(const char* key)
{
    return {key, &storedNumber<Field>, &assignNumber<Field, Rule>, &fieldAddress<Field>};
}

// Section Options, in the order the keys are written.
constexpr std::array kOptionNumbers{
    numberKey<&Options::UseLongAdd>("UseLongAdd"),
    numberKey<&Options::UseExcludeObsoleteFolders, FlagRule::OnWhenOne>(
        "UseExcludeObsoleteFolders"),
    numberKey<&Options::UseRecentFolders>("UseRecentFolders"),
    numberKey<&Options::UseStartFile, FlagRule::OnWhenOne>("UseStartFile"),
    numberKey<&Options::UseOpening, FlagRule::OnWhenOne>("UseOpening"),
    numberKey<&Options::UseNocreate, FlagRule::OnWhenOne>("UseNocreate"),
    numberKey<&Options::UseNosplash, FlagRule::OnWhenOne>("UseNosplash"),
    numberKey<&Options::UseSaveWindow, FlagRule::OnWhenOne>("UseSaveWindow"),
    numberKey<&Options::UseStatusBar>("UseStatusBar"),
    numberKey<&Options::UseToolTips, FlagRule::OnWhenOne>("UseToolTips"),
    numberKey<&Options::UseQuickMenu, FlagRule::OnWhenOne>("UseQuickMenu"),
    numberKey<&Options::QuickMenu>("QuickMenu"),
    numberKey<&Options::UseBitCheckSet>("UseBitCheckSet"),
    numberKey<&Options::UseBitCheckSetUnlocated>("UseBitCheckSetUnlocated"),
    numberKey<&Options::UseBitCheckSetDuplicates, FlagRule::OnWhenOne>("UseBitCheckSetDuplicates"),
    numberKey<&Options::UseRestoreFormat, FlagRule::OnWhenOne>("UseRestoreFormat"),
    numberKey<&Options::UseOsIcons>("UseOsIcons"),
    numberKey<&Options::UseHexColumn, FlagRule::OnWhenOne>("UseHexColumn"),
    numberKey<&Options::UseHexEntryPoint, FlagRule::OnWhenOne>("UseHexEntryPoint"),
    numberKey<&Options::UseUnsortedWidth>("UseUnsortedWidth"),
    numberKey<&Options::UseHexWidth>("UseHexWidth"),
    numberKey<&Options::UseHexEntryWidth>("UseHexEntryWidth"),
    numberKey<&Options::UseExpandAll>("UseExpandAll"),
    numberKey<&Options::UseShowQuery, FlagRule::OnWhenOne>("UseShowQuery"),
    numberKey<&Options::UseShowCompare, FlagRule::OnWhenOne>("UseShowCompare"),
    numberKey<&Options::UseTopWindow, FlagRule::OnWhenOne>("UseTopWindow"),
    numberKey<&Options::TopWindow, FlagRule::OnWhenOne>("TopWindow"),
    numberKey<&Options::UseMinimizeTray, FlagRule::OnWhenOne>("UseMinimizeTray"),
    numberKey<&Options::UseFlatButtons>("UseFlatButtons"),
    numberKey<&Options::UseFavorites, FlagRule::OnWhenOne>("UseFavorites"),
    numberKey<&Options::UseNoMessages>("UseNoMessages"),
    numberKey<&Options::UseNoBanner, FlagRule::OnWhenOne>("UseNoBanner"),
    numberKey<&Options::UseClearExtract, FlagRule::OnWhenOne>("UseClearExtract"),
    numberKey<&Options::UseNoEditInPlace, FlagRule::OnWhenOne>("UseNoEditInPlace"),
    numberKey<&Options::UseUndecoratedNames>("UseUndecoratedNames"),
    numberKey<&Options::UseRecentMenu, FlagRule::OnWhenOne>("UseRecentMenu"),
    numberKey<&Options::UseRecentFiles>("UseRecentFiles"),
    numberKey<&Options::UseRecentSearch>("UseRecentSearch"),
    numberKey<&Options::UseExportTextCopy>("UseExportTextCopy"),
    numberKey<&Options::UseExportTextNotepad>("UseExportTextNotepad"),
    numberKey<&Options::UseReadResidentNames>("UseReadResidentNames"),
    numberKey<&Options::UseWriteResidentNames>("UseWriteResidentNames"),
    numberKey<&Options::UseExcludeList>("UseExcludeList"),
    numberKey<&Options::UseExcludeGlobalDuplicates, FlagRule::OnWhenOne>(
        "UseExcludeGlobalDuplicates"),
    numberKey<&Options::UseExcludeGlobalDuplicatesSet>("UseExcludeGlobalDuplicatesSet"),
    numberKey<&Options::UseLIBSortOrder>("UseLIBSortOrder"),
    numberKey<&Options::UseBitCheck>("UseBitCheck"),
    numberKey<&Options::UseBitCheckDuplicates>("UseBitCheckDuplicates"),
    numberKey<&Options::UseIconSingle, FlagRule::OnWhenOne>("UseIconSingle"),
    numberKey<&Options::UseIconAnimation, FlagRule::OnWhenOne>("UseIconAnimation"),
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
    numberKey<&Options::OptionAddFolder>("OptionAddFolder"),
    numberKey<&Options::OptionSaveFolder>("OptionSaveFolder"),
    numberKey<&Options::UseSameAddSave, FlagRule::OnWhenOne>("UseSameAddSave"),
};

constexpr std::array kFilelistNumbers{
    numberKey<&Options::UseNumMenu>("UseNumMenu"),
    numberKey<&Options::CaseOption>("CaseOption"),
    numberKey<&Options::UseExcludeObsoleteFiles, FlagRule::OnWhenOne>("UseExcludeObsoleteFiles"),
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
        k.assign(options, store.readNumber("Options", k.key, k.stored(defaults)));
    for (const TextKey& k : kOptionTexts)
        options.*k.field = store.readSetting("Options", k.key, defaults.*k.field);
    // Every platform the program runs on has long file names, so UseLongAdd stays as stored.
    options.UseRecentFolders = clampCount(options.UseRecentFolders);
    options.UseRecentFiles = clampCount(options.UseRecentFiles);
    options.UseRecentSearch = clampCount(options.UseRecentSearch);
    if (static_cast<int>(options.UseBitCheckSet) == 0) {
        options.UseBitCheckSet = LibraryBitness::Automatic;
        SaveOption(store, options, &Options::UseBitCheckSet);
    }
    options.UseMarkFound = store.readNumber("Search", "UseMarkFound", 0) != 0;

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
        k.assign(options, store.readNumber("Folders", k.key, k.stored(defaults)));

    for (const NumberKey& k : kFilelistNumbers)
        k.assign(options, store.readNumber("Filelist", k.key, k.stored(defaults)));
    options.UseNumMenu = std::clamp(options.UseNumMenu, 0, 20);
    const std::string suffix = store.readSetting("Filelist", "FileSuffix", "");
    options.FileSuffix = fileSuffixFromSetting(suffix);
    if (options.FileSuffix.empty() && !trimBlanks(suffix).empty())
        store.deleteSetting("Filelist", "FileSuffix");

    ObsoleteTest missingFolder;
    if (options.UseExcludeObsoleteFolders)
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
        store.writeNumber("Options", k.key, k.stored(options));
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
        store.writeNumber("Folders", k.key, k.stored(options));
    for (const NumberKey& k : kFilelistNumbers)
        store.writeNumber("Filelist", k.key, k.stored(options));
    store.writeSetting("Filelist", "FileSuffix", options.FileSuffix);

    if (seams.saveFolderHistories)
        seams.saveFolderHistories(store, options);
    if (seams.saveExcludeList)
        seams.saveExcludeList(store);
}

void loadOptionAt(SettingsStore& store, Options& options, const void* field)
{
    const Options defaults;
    const auto readNumberOf = [&](const char* section, const auto& keys) {
        for (const NumberKey& k : keys) {
            if (k.address(options) == field) {
                k.assign(options, store.readNumber(section, k.key, k.stored(defaults)));
                return;
            }
        }
    };
    readNumberOf("Options", kOptionNumbers);
    readNumberOf("Folders", kFolderNumbers);
    readNumberOf("Filelist", kFilelistNumbers);
}

void saveOptionAt(SettingsStore& store, const Options& options, const void* field)
{
    const auto writeNumberOf = [&](const char* section, const auto& keys) {
        for (const NumberKey& k : keys) {
            if (k.address(options) == field) {
                store.writeNumber(section, k.key, k.stored(options));
                return true;
            }
        }
        return false;
    };
    if (writeNumberOf("Options", kOptionNumbers) || writeNumberOf("Folders", kFolderNumbers) ||
        writeNumberOf("Filelist", kFilelistNumbers))
        return;
    for (const TextKey& k : kOptionTexts) {
        if (&(options.*k.field) == field) {
            store.writeSetting("Options", k.key, options.*k.field);
            return;
        }
    }
    for (const TextKey& k : kFolders) {
        if (&(options.*k.field) == field) {
            store.writePath("Folders", k.key, options.*k.field);
            return;
        }
    }
    if (&options.FileSuffix == field)
        store.writeSetting("Filelist", "FileSuffix", options.FileSuffix);
}

}  // namespace quillon::settings
