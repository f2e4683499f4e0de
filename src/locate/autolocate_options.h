// The autolocate options of section "Folders" and the values derived from them when a search
// starts: restricted scope, priority folder, extension list, folder limit, settings summary.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace quillon::settings {
class SettingsStore;
}

namespace quillon::locate {

/// The autolocate keys of section "Folders", with their defaults.
struct AutolocateOptions {
    bool UsePriorityPath = false;
    std::string FirstFolder;
    bool UseOnlyPriorityPath = false;
    bool UseOnlySourcePath = false;
    bool UseOnlyEnvironmentPath = false;
    bool UseRelaxedAutolocate = true;
    bool UseVerifyOSAutolocate = false;
    bool UseAutolocateDeep = false;
    bool UseOnlyDLLAutolocate = false;
    /// Priority folders searched after `FirstFolder`, given for one run (no settings key).
    std::vector<std::string> morePriorityFolders;

    friend bool operator==(const AutolocateOptions&, const AutolocateOptions&) = default;
};

/// Reads the autolocate keys; `FirstFolder` is taken as stored (the caller normalizes it).
[[nodiscard]] AutolocateOptions readAutolocateOptions(settings::SettingsStore& store);
/// Writes the autolocate keys back (a blank `FirstFolder` deletes its key).
void writeAutolocateOptions(settings::SettingsStore& store, const AutolocateOptions& options);

/// The values a search works with, derived once from the options.
struct DerivedAutolocate {
    /// Any of the three restriction members is in effect.
    bool restricted = false;
    bool usePriority = false;
    bool onlyPriority = false;     // R1
    bool onlySource = false;       // R2
    bool onlyEnvironment = false;  // R3
    bool relaxed = false;
    bool verifyHeaders = false;
    bool deep = false;
    bool onlyDll = false;
    /// The priority folder with a trailing separator; empty when not in use.
    std::string priorityFolder;
    /// The further priority folders of the run, each with a trailing separator.
    std::vector<std::string> morePriorityFolders;
    /// The extensions tried for a name, in order (".DLL", ".EXE", ...).
    std::vector<std::string> extensions;
    /// The list without the ".DLL"-only rule, for names from the exceptions list.
    std::vector<std::string> exceptionExtensions;
    /// The most folders the history-based folder list holds.
    std::size_t folderLimit = 0;
    /// " Pri", " R1", " R2", " R3", " Relax", " DLL", " OS", " Deep:"/" Shallow:" and the limit.
    std::string settingsSummary;

    friend bool operator==(const DerivedAutolocate&, const DerivedAutolocate&) = default;
};

inline constexpr std::size_t kDeepFolderLimit = 1000;
inline constexpr std::size_t kShallowFolderLimit = 500;

/// Derives the search values. `priorityFolder` is the normalized `FirstFolder` (empty when it
/// does not exist); a blank priority folder leaves the priority step without a folder.
/// `morePriorityFolders` are the normalized folders of `options.morePriorityFolders` that exist.
[[nodiscard]] DerivedAutolocate deriveAutolocate(
    const AutolocateOptions& options, const std::string& priorityFolder,
    const std::vector<std::string>& morePriorityFolders = {});

}  // namespace quillon::locate
