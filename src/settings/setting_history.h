// Numbered histories: lists kept in the settings file as keys <stem>1, <stem>2, ... (folder
// histories, search keywords, compare files, recent files).
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace quillon::settings {

class SettingsStore;

/// Tells whether an entry is obsolete (a folder or file that no longer exists). An empty test
/// keeps every entry, as with `UseExcludeObsoleteFolders` 0.
using ObsoleteTest = std::function<bool(const std::string& entry)>;

/// One numbered history: its section, its key stem and its maximum count (`UseRecentFolders`,
/// `UseRecentSearch`, `UseRecentFiles`; counts outside 0..255 are clamped).
struct HistoryKeys {
    std::string section;
    std::string stem;
    int maximum = 0;
    /// Whether an entry equals the new value only with the same letter case (keyword
    /// histories); folder and file histories ignore letter case.
    bool caseSensitive = false;
    /// Whether the entries are file or folder names, read and written as paths
    /// (`SettingsStore::readPath`, `writePath`); keyword histories hold texts.
    bool paths = true;

    /// The key of entry `index` (1-based): the stem followed by the index without leading zeros.
    [[nodiscard]] std::string key(int index) const;
};

/// Reads entries 1 to `maximum` in index order, skipping blank entries and, when `isObsolete`
/// is given, obsolete ones. Values have their trailing blanks removed.
[[nodiscard]] std::vector<std::string> readHistory(SettingsStore& store, const HistoryKeys& keys,
                                                   const ObsoleteTest& isObsolete = {});

/// A history as a dialog holds it: the entries read from the file and V0, the value the
/// history's own key held when the settings were loaded.
struct SettingHistory {
    std::vector<std::string> entries;
    std::string loadedValue;

    friend bool operator==(const SettingHistory&, const SettingHistory&) = default;
};

/// Records `value` (V) as the newest entry. Nothing is written when V is blank, equals V0, or
/// equals an entry already in the list (trailing blanks ignored, and letter case too unless
/// `keys.caseSensitive`), so using a
/// folder again keeps the order. Otherwise V is written as entry 1 and the list follows from
/// entry 2 on, each entry written once: later copies of an entry, blank entries and (with
/// `isObsolete`) obsolete entries are dropped, and positions up to `maximum` left over by them
/// are deleted from the file; keys beyond `maximum` keep what the file held. V becomes V0 and the
/// list is read again from the file. Returns whether anything was written.
[[nodiscard]] bool writeHistory(SettingsStore& store, const HistoryKeys& keys,
                                SettingHistory& history, std::string_view value,
                                const ObsoleteTest& isObsolete = {});

/// Clamps a stored count to 0..255.
[[nodiscard]] int clampCount(int value);

}  // namespace quillon::settings
