// LoadOptions and SaveOptions: the general options of sections Options, Folders and Filelist.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "core/options.h"

namespace quillon::platform {
class FileSystem;
}

namespace quillon::settings {

class SettingsStore;

/// Defaults that depend on the run rather than on the key tables.
struct OptionsContext {
    /// The settings folder (`ProgFolder` of the settings location): the default of `ProgFolder`,
    /// `AddFolder` and `SaveFolder`.
    std::string settingsFolder;
    /// The Clarion folders detected from WIN.INI, the defaults of `BINFolder` and `LIBFolder`;
    /// empty when not detected (the Clarion folder lookup fills them in later).
    std::string detectedBINFolder;
    std::string detectedLIBFolder;
};

/// The lists that other code owns and that are loaded and saved together with the options.
/// Each hook is optional; an empty hook leaves its list alone.
struct OptionsSeams {
    /// Loads the exclusion list (section "Excludelist") into its owner's `ExcludeList`.
    std::function<void(SettingsStore&)> loadExcludeList;
    /// Writes the exclusion list back.
    std::function<void(SettingsStore&)> saveExcludeList;
    /// Writes the folder histories (`AddFolderDrop<n>`, `SaveFolderDrop<n>`) with
    /// `writeHistory`; their owner holds the folder just used and the value loaded (V and V0).
    std::function<void(SettingsStore&, const Options&)> saveFolderHistories;
};

/// LoadOptions: reads every load/save key of sections Options, Folders and Filelist (and
/// `UseMarkFound` of section Search) into `options`. Numbers that are not numbers read as 0;
/// the counts are clamped (`UseRecentFolders`, `UseRecentFiles`, `UseRecentSearch` to 0..255,
/// `UseNumMenu` to 0..20); a stored `UseBitCheckSet` 0 becomes 3 and is written back;
/// `FileSuffix` follows `fileSuffixFromSetting` (a value it clears is removed from the file);
/// every folder passes through `NormalizeFolderPath` (a folder that no longer exists reads as
/// empty; `ProgFolder` then falls back to the settings folder) and ends in a separator. The
/// folder histories `AddFolderDrop<n>` and `SaveFolderDrop<n>` are read (n = 1 to
/// `UseRecentFolders`; blank entries, and with `UseExcludeObsoleteFolders` 1 missing folders,
/// skipped). Last the exclusion list hook runs. `UseMainWidthPref` is not read here: the main
/// window reads and writes it when it opens (`readMainWidthPref`).
void LoadOptions(SettingsStore& store, const platform::FileSystem& files, Options& options,
                 const OptionsContext& context, const OptionsSeams& seams = {});

/// SaveOptions: writes every load/save key back (blank texts delete their keys), then runs the
/// folder histories hook and the exclusion list hook. `UseMarkFound` belongs to the search
/// dialog and `UseMainWidthPref` to the main window; neither is written here.
void SaveOptions(SettingsStore& store, const Options& options, const OptionsSeams& seams = {});

/// Reads the one flag, choice or number at `field` (an address inside `options`) as
/// `LoadOptions` reads it, without its repairs; any other address reads nothing. Called through
/// `LoadOption`.
void loadOptionAt(SettingsStore& store, Options& options, const void* field);

/// Reads the one option `field` of `options` from its own key, for the few read before
/// `LoadOptions` runs (`LoadOption(store, ws.options, &Options::UseSaveWindow)`).
template <class T>
void LoadOption(SettingsStore& store, Options& options, T Options::*field)
{
    loadOptionAt(store, options, &(options.*field));
}

/// Writes the one option at `field` (an address inside `options`) as `SaveOptions` writes it;
/// an address that is no option of those sections writes nothing. Called through `SaveOption`.
void saveOptionAt(SettingsStore& store, const Options& options, const void* field);

/// Writes the one option `field` of `options` under its own key and section, as `SaveOptions`
/// writes it (a flag as 1 or 0, a choice as its number): the call for a setting that is saved
/// the moment it changes (`SaveOption(store, ws.options, &Options::QuickMenu)`).
template <class T>
void SaveOption(SettingsStore& store, const Options& options, T Options::*field)
{
    saveOptionAt(store, options, &(options.*field));
}

/// The `FileSuffix` rule at load: a non-blank value is trimmed, upper-cased and cut to 20
/// characters, gets a "." prepended when it does not start with one, and becomes empty when it
/// then holds neither "DLL" nor "LIB".
[[nodiscard]] std::string fileSuffixFromSetting(std::string_view stored);

/// Whether `UseStatusCaps` holds one of its four texts ("Default casing", "Initial caps",
/// "Lower casing", "Upper casing"); the main window repairs any other value.
[[nodiscard]] bool isValidStatusCaps(std::string_view text);

/// Whether `UseTrayMenuAlignment` holds "Left mouse button" or "Right mouse button".
[[nodiscard]] bool isValidTrayMenuAlignment(std::string_view text);

}  // namespace quillon::settings
