// Reading and writing the exceptions list.
#include "locate/except_list_io.h"

#include <algorithm>

#include "core/exclude_list.h"
#include "settings/settings_store.h"

namespace quillon::locate {

namespace {

constexpr std::string_view kSection = "Exceptlist";
constexpr std::size_t kModuleNameMax = 20;
constexpr std::size_t kFileNameMax = 259;
constexpr std::size_t kSuffixMax = 9;
constexpr std::size_t kMaxEntries = 255;

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

std::string cut(std::string_view text, std::size_t max)
{
    return std::string(text.substr(0, std::min(text.size(), max)));
}

/// The extension after the last dot of the name part, without the dot.
std::string nameSuffix(std::string_view name)
{
    const std::size_t slash = name.find_last_of("/\\:");
    if (slash != std::string_view::npos)
        name.remove_prefix(slash + 1);
    const std::size_t dot = name.rfind('.');
    if (dot == std::string_view::npos)
        return {};
    return cut(name.substr(dot + 1), kSuffixMax);
}

}  // namespace

ExceptEntry makeExceptEntry(std::string_view moduleName, std::string_view fileName)
{
    ExceptEntry entry;
    entry.MODULENAME = cut(upperCase(trimmed(moduleName)), kModuleNameMax);
    entry.MODULENAMESUFFIX = nameSuffix(entry.MODULENAME);
    entry.FILENAME = cut(upperCase(trimmed(fileName)), kFileNameMax);
    entry.FILENAMESUFFIX = nameSuffix(entry.FILENAME);
    return entry;
}

void loadExceptList(settings::SettingsStore& store, ExceptQ& list)
{
    list.entries.clear();
    for (std::size_t n = 1; n <= kMaxEntries; ++n) {
        const std::string index = std::to_string(n);
        const std::string module = store.readSetting(kSection, "Modulename" + index);
        if (trimmed(module).empty())
            break;
        const std::string file = store.readSetting(kSection, "Filename" + index);
        if (trimmed(file).empty())
            break;
        list.entries.push_back(makeExceptEntry(module, file));
    }
    list.loaded = true;
}

void saveExceptList(settings::SettingsStore& store, const ExceptQ& list)
{
    int n = 0;
    for (const ExceptEntry& entry : list.entries) {
        if (entry.MODULENAME.empty() || entry.FILENAME.empty())
            continue;
        ++n;
        const std::string index = std::to_string(n);
        store.writeSetting(kSection, "Modulename" + index, entry.MODULENAME);
        store.writeSetting(kSection, "Filename" + index, entry.FILENAME);
    }
    store.writeNumber(kSection, "ListNum", n);
    // Pairs beyond the new end would be read back as entries of the list.
    for (int m = n + 1;; ++m) {
        const std::string index = std::to_string(m);
        const bool hadModule = !store.readSetting(kSection, "Modulename" + index).empty();
        const bool hadFile = !store.readSetting(kSection, "Filename" + index).empty();
        if (!hadModule && !hadFile)
            break;
        store.deleteSetting(kSection, "Modulename" + index);
        store.deleteSetting(kSection, "Filename" + index);
    }
}

}  // namespace quillon::locate
