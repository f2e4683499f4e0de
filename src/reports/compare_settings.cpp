// Reading and writing section `Compare` of the settings file.
#include "reports/compare_settings.h"

#include <algorithm>

#include "base/ascii_text.h"
#include "settings/flag_setting.h"
#include "settings/setting_history.h"
#include "settings/settings_store.h"

namespace quillon::reports {

namespace {

settings::HistoryKeys compareFileKeys(int maximum)
{
    return {kCompareSection, "CompareFile", settings::clampCount(maximum)};
}

bool flag(settings::SettingsStore& store, const char* key, bool defaultValue)
{
    return settings::readFlag(store, kCompareSection, key, defaultValue);
}

}  // namespace

CompareSettings readCompareSettings(settings::SettingsStore& store)
{
    CompareSettings s;
    s.options.UseMatchCase = flag(store, "UseMatchCase", true);
    s.options.UseIgnoreOrdinals = flag(store, "UseIgnoreOrdinals", false);
    s.options.UseHeavyMangling = flag(store, "UseHeavyMangling", true);
    s.UseNoUnchanged = flag(store, "UseNoUnchanged", false);
    s.UseShowReport = flag(store, "UseShowReport", false);
    s.UseMultiCompare = flag(store, "UseMultiCompare", true);
    s.UseAutoCompare = flag(store, "UseAutoCompare", true);
    s.UseProgress = flag(store, "UseProgress", true);
    s.CompareModule = store.readSetting(kCompareSection, "CompareModule");
    s.PrevCompareModule = store.readNumber(kCompareSection, "PrevCompareModule", 0);
    s.PreviousNotFound = flag(store, "PreviousNotFound", false);
    s.CompareFile = store.readPath(kCompareSection, "CompareFile");
    s.CompareDir = store.readPath(kCompareSection, "CompareDir");
    return s;
}

void writeCompareSettings(settings::SettingsStore& store, const CompareSettings& s)
{
    const auto number = [&store](const char* key, int value) {
        store.writeNumber(kCompareSection, key, value);
    };
    number("UseMatchCase", s.options.UseMatchCase);
    number("UseIgnoreOrdinals", s.options.UseIgnoreOrdinals);
    number("UseHeavyMangling", s.options.UseHeavyMangling);
    number("UseModuleExtensions", s.options.partialMatch);
    number("UseNoUnchanged", s.UseNoUnchanged);
    number("UseShowReport", s.UseShowReport);
    number("UseMultiCompare", s.UseMultiCompare);
    number("UseAutoCompare", s.UseAutoCompare);
    number("UseProgress", s.UseProgress);
    number("PrevCompareModule", s.PrevCompareModule);
    number("PreviousNotFound", s.PreviousNotFound);
    store.writeSetting(kCompareSection, "CompareModule", s.CompareModule);
    store.writePath(kCompareSection, "CompareFile", s.CompareFile);
    store.writePath(kCompareSection, "CompareDir", s.CompareDir);
}

std::vector<std::string> readCompareFiles(settings::SettingsStore& store, int maximum)
{
    return settings::readHistory(store, compareFileKeys(maximum));
}

void rememberCompareFile(settings::SettingsStore& store, int maximum, const std::string& file)
{
    if (trimBlanks(file).empty())
        return;
    std::vector<std::string> files = readCompareFiles(store, maximum);
    const std::string key = upperCase(file);
    std::erase_if(files, [&key](const std::string& f) { return upperCase(f) == key; });
    files.insert(files.begin(), file);
    writeCompareFiles(store, maximum, files);
}

void writeCompareFiles(settings::SettingsStore& store, int maximum,
                       const std::vector<std::string>& files)
{
    const settings::HistoryKeys keys = compareFileKeys(maximum);
    const std::size_t kept = std::min(files.size(), static_cast<std::size_t>(keys.maximum));
    store.deleteNumberedKeys(kCompareSection, keys.stem);
    for (std::size_t i = 0; i < kept; ++i)
        store.writePath(kCompareSection, keys.key(static_cast<int>(i + 1)), files[i]);
}

}  // namespace quillon::reports
