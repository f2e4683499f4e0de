// Reading and writing the search dialog's options and keyword history.
#include "query/search_options.h"

#include "settings/flag_setting.h"
#include "settings/setting_history.h"
#include "settings/settings_store.h"

namespace quillon::query {

namespace {

settings::HistoryKeys historyKeys(const Workspace& ws, SearchMode mode)
{
    return {std::string(settingsSection(mode)), "SearchDrop",
            settings::clampCount(ws.options.UseRecentSearch), true, false};
}

}  // namespace

MatchOption matchOptionOf(int stored)
{
    if (stored >= 1 && stored <= 3)
        return static_cast<MatchOption>(stored);
    return MatchOption::WholeWord;
}

std::string_view matchOptionText(MatchOption option)
{
    switch (option) {
        case MatchOption::Containing:
            return "Containing";
        case MatchOption::BeginningWith:
            return "Beginning with";
        case MatchOption::EndingWith:
            return "Ending with";
        case MatchOption::WholeWord:
            break;
    }
    return "Whole word";
}

std::string_view settingsSection(SearchMode mode)
{
    return mode == SearchMode::Query ? "Query" : "Search";
}

SearchOptions readSearchOptions(Workspace& ws, SearchMode mode)
{
    settings::SettingsStore& store = ws.settings();
    const std::string_view section = settingsSection(mode);
    const SearchOptions defaults;
    auto flag = [&](std::string_view key, bool value) {
        return settings::readFlag(store, section, key, value);
    };
    SearchOptions o;
    o.SearchOption = matchOptionOf(
        store.readNumber(section, "SearchOption", static_cast<int>(defaults.SearchOption)));
    o.UseMultiSearch = flag("UseMultiSearch", defaults.UseMultiSearch);
    o.UseMatchCase = flag("UseMatchCase", defaults.UseMatchCase);
    o.UseMarkFound = flag("UseMarkFound", defaults.UseMarkFound);
    o.SearchString = store.readSetting(section, "SearchString", "").substr(0, 255);
    o.UseProgress = flag("UseProgress", defaults.UseProgress);
    o.UseAccumulateQuery = flag("UseAccumulateQuery", defaults.UseAccumulateQuery);
    o.UseBackwardSearch = flag("UseBackwardSearch", defaults.UseBackwardSearch);
    return o;
}

void writeSearchOptions(Workspace& ws, SearchMode mode, const SearchOptions& o)
{
    settings::SettingsStore& store = ws.settings();
    const std::string_view section = settingsSection(mode);
    store.writeNumber(section, "SearchOption", static_cast<int>(o.SearchOption));
    settings::writeFlag(store, section, "UseMultiSearch", o.UseMultiSearch);
    settings::writeFlag(store, section, "UseMatchCase", o.UseMatchCase);
    settings::writeFlag(store, section, "UseMarkFound", o.UseMarkFound);
    store.writeSetting(section, "SearchString", o.SearchString.substr(0, 255));
    settings::writeFlag(store, section, "UseProgress", o.UseProgress);
    settings::writeFlag(store, section, "UseAccumulateQuery", o.UseAccumulateQuery);
    settings::writeFlag(store, section, "UseBackwardSearch", o.UseBackwardSearch);
    if (mode != SearchMode::Query)
        ws.options.UseMarkFound = o.UseMarkFound;
}

std::vector<std::string> readKeywordHistory(Workspace& ws, SearchMode mode)
{
    return settings::readHistory(ws.settings(), historyKeys(ws, mode));
}

bool addKeywordHistory(Workspace& ws, SearchMode mode, std::string_view keywords,
                       std::string_view loadedKeywords)
{
    const settings::HistoryKeys keys = historyKeys(ws, mode);
    settings::SettingHistory history{settings::readHistory(ws.settings(), keys),
                                     std::string(loadedKeywords)};
    return settings::writeHistory(ws.settings(), keys, history, keywords);
}

}  // namespace quillon::query
