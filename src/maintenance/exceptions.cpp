// The exceptions list's storage and the automatic entry for an executable.
#include "maintenance/exceptions.h"

#include <algorithm>
#include <string>

#include "base/fixed_text.h"
#include "core/exclude_list.h"
#include "maintenance/maintenance_common.h"
#include "settings/settings_store.h"

namespace quillon::maintenance {

namespace {

constexpr std::string_view kExceptSection = "Exceptlist";

/// The file name without its folder ("/" and "\" both end a folder; "X:" a drive).
std::string_view withoutFolder(std::string_view path)
{
    const auto cut = path.find_last_of("/\\:");
    return cut == std::string_view::npos ? path : path.substr(cut + 1);
}

/// The extension after the last dot, without the dot ("" when none).
std::string suffixOf(std::string_view name)
{
    const auto dot = name.rfind('.');
    return dot == std::string_view::npos ? std::string() : std::string(name.substr(dot + 1));
}

/// The name before the last dot.
std::string_view baseOf(std::string_view name)
{
    const auto dot = name.rfind('.');
    return dot == std::string_view::npos ? name : name.substr(0, dot);
}

}  // namespace

ExceptEntry makeExceptEntry(std::string_view moduleName, std::string_view fileName)
{
    ExceptEntry entry;
    entry.MODULENAME = cutToCapacity(upperCase(trimRight(moduleName)), kModuleNameCapacity);
    entry.MODULENAMESUFFIX = cutToCapacity(suffixOf(entry.MODULENAME), 10);
    entry.FILENAME = cutToCapacity(upperCase(trimRight(fileName)), kPathCapacity);
    entry.FILENAMESUFFIX = suffixOf(withoutFolder(entry.FILENAME));
    return entry;
}

namespace {

void ensureLoaded(Workspace& ws)
{
    if (!ws.exceptQ.loaded)
        loadExceptList(ws);
}

}  // namespace

void loadExceptList(Workspace& ws)
{
    settings::SettingsStore& store = ws.settings();
    const settings::SettingsStore::Batch batch(store);
    ws.exceptQ.entries.clear();
    for (std::size_t n = 1; n <= kMaxExceptions; ++n) {
        const std::string module = store.readSetting(kExceptSection, numberedKey("Modulename", n));
        const std::string file = store.readPath(kExceptSection, numberedKey("Filename", n));
        if (trimRight(module).empty() || trimRight(file).empty())
            break;
        ws.exceptQ.entries.push_back(makeExceptEntry(module, file));
    }
    ws.exceptQ.loaded = true;
}

void saveExceptList(Workspace& ws)
{
    settings::SettingsStore& store = ws.settings();
    const settings::SettingsStore::Batch batch(store);
    const std::size_t count = std::min(ws.exceptQ.entries.size(), kMaxExceptions);
    store.writeNumber(kExceptSection, "ListNum", static_cast<int>(count));
    for (std::size_t n = 1; n <= count; ++n) {
        const ExceptEntry& e = ws.exceptQ.entries[n - 1];
        store.writeSetting(kExceptSection, numberedKey("Modulename", n), e.MODULENAME);
        store.writePath(kExceptSection, numberedKey("Filename", n), e.FILENAME);
    }
    for (std::size_t n = count + 1; n <= kMaxExceptions; ++n) {
        if (store.readSetting(kExceptSection, numberedKey("Modulename", n)).empty() &&
            store.readSetting(kExceptSection, numberedKey("Filename", n)).empty())
            break;
        store.deleteSetting(kExceptSection, numberedKey("Modulename", n));
        store.deleteSetting(kExceptSection, numberedKey("Filename", n));
    }
}

bool addExceptionForFile(Workspace& ws, std::string_view moduleName, std::string_view fileName)
{
    std::string module = upperCase(trimRight(moduleName));
    module.erase(
        std::remove_if(module.begin(), module.end(), [](char c) { return c == '\'' || c == '"'; }),
        module.end());
    module = cutToCapacity(trimRight(module), kModuleNameCapacity);
    const std::string file = upperCase(trimRight(fileName));
    if (module.empty() || file.empty())
        return false;
    // The module name equals the file's name when it matches the name with or without its
    // extension (KERNEL32 in KERNEL32.DLL, MYPROG.EXE in MYPROG.EXE).
    const std::string_view name = withoutFolder(file);
    if (name.empty() || module == name || module == baseOf(name))
        return false;
    ensureLoaded(ws);
    const auto known = std::find_if(ws.exceptQ.entries.begin(), ws.exceptQ.entries.end(),
                                    [&](const ExceptEntry& e) { return e.MODULENAME == module; });
    if (known != ws.exceptQ.entries.end() || ws.exceptQ.entries.size() >= kMaxExceptions)
        return false;
    settings::SettingsStore& store = ws.settings();
    const settings::SettingsStore::Batch batch(store);
    // The pair goes after every pair already stored, so that none is overwritten even when
    // "ListNum" was left smaller than the pairs present.
    const int listNum = store.readNumber(kExceptSection, "ListNum", 0);
    const std::size_t n = std::max<std::size_t>(static_cast<std::size_t>(std::max(listNum, 0)),
                                                ws.exceptQ.entries.size()) +
                          1;
    if (n > kMaxExceptions)
        return false;
    ws.exceptQ.entries.push_back(makeExceptEntry(module, name));
    store.writeSetting(kExceptSection, numberedKey("Modulename", n), module);
    store.writePath(kExceptSection, numberedKey("Filename", n), name);
    store.writeNumber(kExceptSection, "ListNum", static_cast<int>(n));
    return true;
}

}  // namespace quillon::maintenance
