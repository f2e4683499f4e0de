// The exclusion list's storage, the marking of excluded symbols and the list commands.
#include "maintenance/exclusion_list.h"

#include <algorithm>
#include <string>

#include "base/fixed_text.h"
#include "core/exclude_list.h"
#include "maintenance/maintenance_common.h"
#include "settings/settings_store.h"

namespace quillon::maintenance {

namespace {

constexpr std::string_view kExcludeSection = "Excludelist";

std::uint8_t checkValue(bool check)
{
    return check ? 1 : 0;
}

}  // namespace

void loadExcludeList(Workspace& ws)
{
    loadExcludeList(ws.settings(), ws.excludeList);
}

void loadExcludeList(settings::SettingsStore& store, ExcludeList& list)
{
    const settings::SettingsStore::Batch batch(store);
    const int stored = store.readNumber(kExcludeSection, "ExcludeNum", 0);
    const std::size_t n = static_cast<std::size_t>(stored) & 0xFF;
    std::vector<ExcludeEntry> entries;
    for (std::size_t i = 1; i <= n && i <= kMaxStoredExcludes; ++i) {
        const std::string symbol = store.readSetting(kExcludeSection, numberedKey("Symbol", i));
        if (trimRight(symbol).empty())
            break;
        const int check =
            settings::settingNumber(store.readSetting(kExcludeSection, numberedKey("Check", i)));
        ExcludeEntry entry;
        entry.symbol = cutToCapacity(trimRight(symbol), kSymbolCapacity);
        // Any other value than 0 switches the entry on: the mark it gives is always 1.
        entry.check = checkValue(check != 0);
        entry.rec = static_cast<std::uint8_t>(i);
        entries.push_back(std::move(entry));
    }
    list.assign(std::move(entries));
    list.sortByUpper();
}

void saveExcludeList(Workspace& ws)
{
    saveExcludeList(ws.settings(), ws.excludeList);
}

void saveExcludeList(settings::SettingsStore& store, ExcludeList& list)
{
    const settings::SettingsStore::Batch batch(store);
    list.sortByRec();
    std::vector<ExcludeEntry> entries;
    entries.reserve(list.size());
    for (const ExcludeEntry& e : list.entries()) {
        if (!trimRight(e.symbol).empty())
            entries.push_back(e);
    }
    const std::size_t written = std::min(entries.size(), kMaxStoredExcludes);
    // The count names only the entries actually written, so that a reader never looks for more.
    store.writeNumber(kExcludeSection, "ExcludeNum", static_cast<int>(written));
    for (std::size_t i = 0; i < entries.size(); ++i) {
        entries[i].rec = static_cast<std::uint8_t>(std::min<std::size_t>(i + 1, 255));
        if (i < written) {
            store.writeSetting(kExcludeSection, numberedKey("Symbol", i + 1), entries[i].symbol);
            store.writeNumber(kExcludeSection, numberedKey("Check", i + 1), entries[i].check);
        }
    }
    for (std::size_t i = written + 1; i <= kMaxStoredExcludes; ++i) {
        const std::string symbolKey = numberedKey("Symbol", i);
        const std::string checkKey = numberedKey("Check", i);
        if (!store.readSetting(kExcludeSection, symbolKey).empty() ||
            !store.readSetting(kExcludeSection, checkKey).empty()) {
            store.deleteSetting(kExcludeSection, symbolKey);
            store.deleteSetting(kExcludeSection, checkKey);
        }
    }
    list.assign(std::move(entries));
    list.sortByUpper();
}

void setExcludeListSeams(settings::OptionsSeams& seams, Workspace& ws)
{
    seams.loadExcludeList = [&ws](settings::SettingsStore& store) {
        loadExcludeList(store, ws.excludeList);
    };
    seams.saveExcludeList = [&ws](settings::SettingsStore& store) {
        saveExcludeList(store, ws.excludeList);
    };
}

std::uint32_t markExcludedSymbols(Workspace& ws, std::size_t first, bool fromFirst,
                                  std::size_t last, bool toLast)
{
    LibraryList& rows = ws.library.rows;
    if (rows.empty())
        return 0;
    if (fromFirst || first == 0)
        first = 1;
    if (toLast || last == 0 || last > rows.size())
        last = rows.size();
    if (first > last)
        return 0;
    const bool active = ws.options.UseExcludeList;
    std::uint32_t count = 0;
    std::size_t moduleRow = rows.size();  // none seen yet in this walk
    ModuleNumber previousMarkedModule = kNoModuleNumber;
    std::string upper;
    for (std::size_t i = first - 1; i < last; ++i) {
        LibraryRow& row = rows[i];
        if (row.isModule()) {
            moduleRow = i;
            if (row.EXCLUDE == kExcludeModule3)
                row.EXCLUDE = kExcludeNone;
            continue;
        }
        if (row.EXCLUDE == kExcludeListed)
            row.EXCLUDE = kExcludeNone;
        if (!active)
            continue;
        const std::string_view name = trimRight(row.SYMBOL);
        upper.assign(name);
        for (char& c : upper) {
            if (c >= 'a' && c <= 'z')
                c = static_cast<char>(c - 'a' + 'A');
        }
        const int check = ws.excludeList.lookupUpper(upper);
        if (check < 0)
            continue;
        if (check == 0) {
            row.EXCLUDE = kExcludeNone;
            continue;
        }
        row.EXCLUDE = kExcludeListed;
        ++count;
        if (row.MODULENUM == previousMarkedModule)
            continue;
        previousMarkedModule = row.MODULENUM;
        std::size_t m = moduleRow;
        if (m == rows.size()) {
            // The walk began inside a module: its module row lies above the first row.
            for (std::size_t j = i; j-- > 0;) {
                if (rows[j].ORDINAL == 0) {
                    m = j;
                    break;
                }
            }
        }
        if (m < rows.size() && rows[m].MODULENUM == row.MODULENUM)
            rows[m].EXCLUDE = kExcludeModule3;
    }
    return count;
}

std::optional<std::size_t> addExcludeEntry(ExcludeList& list, std::string_view symbol, bool check)
{
    if (trimRight(symbol).empty())
        return std::nullopt;
    ExcludeEntry entry;
    entry.symbol = cutToCapacity(trimRight(symbol), kSymbolCapacity);
    entry.check = checkValue(check);
    entry.rec = static_cast<std::uint8_t>(std::min<std::size_t>(list.size(), 255));
    list.append(std::move(entry));
    return list.size() - 1;
}

bool editExcludeEntry(ExcludeList& list, std::size_t index, std::string_view symbol, bool check)
{
    if (trimRight(symbol).empty() || index >= list.size())
        return false;
    ExcludeEntry entry = list.entries()[index];
    entry.symbol = cutToCapacity(trimRight(symbol), kSymbolCapacity);
    entry.check = checkValue(check);
    return list.replace(index, std::move(entry));
}

std::optional<std::size_t> removeExcludeEntry(ExcludeList& list, std::size_t index)
{
    if (!list.erase(index) || list.empty())
        return std::nullopt;
    return std::min(index, list.size() - 1);
}

}  // namespace quillon::maintenance
