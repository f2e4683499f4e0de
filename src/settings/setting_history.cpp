// Reading and writing numbered histories.
#include "settings/setting_history.h"

#include <algorithm>

#include "base/ascii_text.h"
#include "settings/settings_store.h"

namespace quillon::settings {

int clampCount(int value)
{
    return std::clamp(value, 0, 255);
}

std::string HistoryKeys::key(int index) const
{
    return stem + std::to_string(index);
}

std::vector<std::string> readHistory(SettingsStore& store, const HistoryKeys& keys,
                                     const ObsoleteTest& isObsolete)
{
    const SettingsStore::Batch batch(store);
    std::vector<std::string> entries;
    const int maximum = clampCount(keys.maximum);
    for (int n = 1; n <= maximum; ++n) {
        std::string entry(trimRight(keys.paths ? store.readPath(keys.section, keys.key(n))
                                               : store.readSetting(keys.section, keys.key(n))));
        if (entry.empty())
            continue;
        if (isObsolete && isObsolete(entry))
            continue;
        entries.push_back(std::move(entry));
    }
    return entries;
}

bool writeHistory(SettingsStore& store, const HistoryKeys& keys, SettingHistory& history,
                  std::string_view value, const ObsoleteTest& isObsolete)
{
    const std::string v(trimRight(value));
    if (v.empty() || v == trimRight(history.loadedValue))
        return false;
    const std::string upperV = upperCase(v);
    for (const std::string& entry : history.entries) {
        const std::string_view e = trimRight(entry);
        if (keys.caseSensitive ? e == v : upperCase(e) == upperV)
            return false;
    }

    const int maximum = clampCount(keys.maximum);
    if (maximum == 0)
        return false;
    const SettingsStore::Batch batch(store);
    const auto write = [&](int index, std::string_view entry) {
        if (keys.paths)
            store.writePath(keys.section, keys.key(index), entry);
        else
            store.writeSetting(keys.section, keys.key(index), entry);
    };
    write(1, v);

    std::vector<std::string> list = history.entries;
    for (int i = 1; i <= maximum - 1; ++i) {
        const std::size_t at = static_cast<std::size_t>(i) - 1;
        const std::string entry = at < list.size() ? std::string(trimRight(list[at])) : "";
        // A blank position is deleted rather than left as the file held it: the re-read below
        // would otherwise bring back the copies and obsolete entries just dropped.
        write(i + 1, entry);
        if (at >= list.size())
            continue;
        const auto dropped = [&](const std::string& later) {
            return isBlank(later) || trimRight(later) == entry ||
                   (isObsolete && isObsolete(std::string(trimRight(later))));
        };
        list.erase(
            std::remove_if(list.begin() + static_cast<std::ptrdiff_t>(at) + 1, list.end(), dropped),
            list.end());
    }

    history.loadedValue = v;
    history.entries = readHistory(store, keys, isObsolete);
    return true;
}

}  // namespace quillon::settings
