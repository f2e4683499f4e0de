// The recent files list of section Filelist.
#include "settings/recent_files.h"

#include <algorithm>

#include "base/lib_file_name.h"
#include "base/ascii_text.h"
#include "base/text_encoding.h"
#include "core/workspace.h"
#include "exe/header_kind.h"
#include "platform/file_system.h"
#include "platform/paths.h"
#include "settings/setting_history.h"
#include "settings/settings_store.h"

namespace quillon::settings {

namespace {

std::string filelistKey(int index)
{
    return std::string(kFilelistStem) + std::to_string(index);
}

}  // namespace

bool sameFileName(std::string_view a, std::string_view b)
{
    a = trimRight(a);
    b = trimRight(b);
    if (platform::kCaseSensitivePaths)
        return a == b;
    return upperCase(a) == upperCase(b);
}

bool RecentFiles::recordPresentFile(SettingsStore& store, int useRecentFiles, std::string_view name)
{
    const SettingsStore::Batch batch(store);
    const std::string recorded(trimRight(name));
    // Before the first record of the run the stored present file is the previous one, so that
    // the file of the last run moves into the list instead of being lost.
    const std::string previous =
        m_lastRecorded.empty()
            ? std::string(trimRight(store.readPath(kFilelistSection, kPresentFileKey)))
            : m_lastRecorded;
    if (recorded.empty() || sameFileName(recorded, previous))
        return false;

    const int maximum = clampCount(useRecentFiles);
    std::vector<std::string> stored;
    for (int n = 1; n <= maximum; ++n) {
        std::string entry(trimRight(store.readPath(kFilelistSection, filelistKey(n))));
        if (!entry.empty())
            stored.push_back(std::move(entry));
    }
    int position = 2;
    for (const std::string& entry : stored) {
        if (position > maximum)
            break;
        store.writePath(kFilelistSection, filelistKey(position++), entry);
    }
    for (; position <= maximum; ++position)
        store.deleteSetting(kFilelistSection, filelistKey(position));

    store.writePath(kFilelistSection, kPresentFileKey, recorded);
    // Without a previous file, entry 1 was moved down and would otherwise stay twice.
    if (maximum >= 1 && !previous.empty())
        store.writePath(kFilelistSection, filelistKey(1), previous);
    else if (maximum >= 1)
        store.deleteSetting(kFilelistSection, filelistKey(1));
    m_lastRecorded = recorded;
    return true;
}

RecentFiles& recentFiles(Workspace& ws)
{
    return ws.subsystemState.get<RecentFiles>();
}

void RecordPresentFile(Workspace& ws, std::string_view name)
{
    (void)recentFiles(ws).recordPresentFile(ws.settings(), ws.options.UseRecentFiles, name);
}

std::function<void(Workspace&, const std::string&)> recordPresentFileHook()
{
    return [](Workspace& ws, const std::string& name) { RecordPresentFile(ws, name); };
}

ui::MessageBox missingDataMessage()
{
    ui::MessageBox box;
    box.title = "CLARION QUILLON 32 - Missing data!";
    box.icon = ui::MessageIcon::Exclamation;
    box.text = "    No data on last opened file!|" + std::string(75, kNonBreakingSpace);
    return box;
}

ui::MessageBox fileNotFoundMessage(std::string_view name)
{
    ui::MessageBox box;
    box.title = "CLARION QUILLON 32 - File not found!";
    box.icon = ui::MessageIcon::Exclamation;
    box.text = "    File was NOT found on disk!|" + std::string(90, kNonBreakingSpace) +
               "|    This file not found:|    " + std::string(name);
    return box;
}

ui::MessageBox noFileSelectedMessage()
{
    ui::MessageBox box;
    box.title = "CLARION QUILLON 32 - No file selected!";
    box.icon = ui::MessageIcon::Exclamation;
    box.text = "No file was selected.|    To select a file click on the filelist to mark it.|";
    return box;
}

std::string_view recentFileIcon(RecentFileKind kind)
{
    switch (kind) {
        case RecentFileKind::Bits16:
            return "QNShutFold16";
        case RecentFileKind::Bits32:
            return "QNShutFold32";
        case RecentFileKind::Library:
            return "QNShutFold";
        case RecentFileKind::NotIdentified:
            return "QNShutFoldX";
        case RecentFileKind::MissingLibrary:
            return "QNShutFoldNotFound";
        case RecentFileKind::Missing:
            break;
    }
    return "QNShutFoldNotFoundX";
}

RecentFileEntry identifyRecentFile(platform::FileSystem& files, std::string name)
{
    RecentFileEntry entry;
    entry.name = std::move(name);
    const bool lib = isLibFileName(entry.name);
    if (!files.isFile(entry.name)) {
        entry.notFound = true;
        entry.kind = lib ? RecentFileKind::MissingLibrary : RecentFileKind::Missing;
        return entry;
    }
    if (lib || !files.openRead(entry.name)) {
        entry.kind = RecentFileKind::Library;
        return entry;
    }
    entry.OS = exe::headerKind(files, entry.name);
    entry.kind = entry.OS == 1   ? RecentFileKind::Bits16
                 : entry.OS == 2 ? RecentFileKind::Bits32
                                 : RecentFileKind::NotIdentified;
    return entry;
}

RecentFilesList LoadRecentFiles(SettingsStore& store, platform::FileSystem& files,
                                const Options& options, MissingFiles missing)
{
    const SettingsStore::Batch batch(store);
    RecentFilesList list;
    list.presentFile = platform::NormalizeFolderPath(
        files, store.readPath(kFilelistSection, kPresentFileKey), options.UseLongAdd);
    const bool leaveOut = missing == MissingFiles::ByOption && options.UseExcludeObsoleteFiles;
    for (std::string& name : readHistory(
             store,
             {std::string(kFilelistSection), std::string(kFilelistStem), options.UseRecentFiles})) {
        RecentFileEntry entry = identifyRecentFile(files, std::move(name));
        if (leaveOut && entry.notFound)
            continue;
        list.entries.push_back(std::move(entry));
    }
    return list;
}

std::vector<RecentMenuEntry> recentMenuEntries(SettingsStore& store, platform::FileSystem& files,
                                               const Options& options)
{
    const SettingsStore::Batch batch(store);
    std::vector<RecentMenuEntry> menu;
    const std::size_t wanted = static_cast<std::size_t>(std::clamp(options.UseNumMenu, 0, 20));
    if (wanted == 0)
        return menu;
    const std::string suffix = upperCase(options.FileSuffix);
    const int maximum = clampCount(options.UseRecentFiles);
    for (int n = 1; n <= maximum && menu.size() < wanted; ++n) {
        const std::string name(trimRight(store.readPath(kFilelistSection, filelistKey(n))));
        if (name.empty())
            continue;
        if (!suffix.empty() && !upperCase(name).ends_with(suffix))
            continue;
        if (options.UseExcludeObsoleteFiles && !files.isFile(name))
            continue;
        std::string text = options.CaseOption == MenuCasing::Upper   ? upperCase(name)
                           : options.CaseOption == MenuCasing::Lower ? lowerCase(name)
                                                                     : name;
        menu.push_back({name, std::move(text)});
    }
    return menu;
}

void saveRecentFiles(SettingsStore& store, int useRecentFiles,
                     const std::vector<RecentFileEntry>& entries)
{
    const SettingsStore::Batch batch(store);
    const int maximum = clampCount(useRecentFiles);
    int position = 1;
    for (const RecentFileEntry& entry : entries) {
        if (position > maximum)
            break;
        if (trimRight(entry.name).empty())
            continue;
        store.writePath(kFilelistSection, filelistKey(position++), entry.name);
    }
    for (; position <= maximum; ++position)
        store.deleteSetting(kFilelistSection, filelistKey(position));
}

std::size_t cleanupRecentFiles(std::vector<RecentFileEntry>& entries)
{
    std::vector<RecentFileEntry> kept;
    kept.reserve(entries.size());
    std::vector<std::string> seen;
    for (RecentFileEntry& entry : entries) {
        if (entry.notFound)
            continue;
        const std::string key = platform::kCaseSensitivePaths ? std::string(trimRight(entry.name))
                                                              : upperCase(trimRight(entry.name));
        const auto at = std::lower_bound(seen.begin(), seen.end(), key);
        if (at != seen.end() && *at == key)
            continue;
        seen.insert(at, key);
        kept.push_back(std::move(entry));
    }
    const std::size_t removed = entries.size() - kept.size();
    entries = std::move(kept);
    return removed;
}

RecentFind loadRecentFind(SettingsStore& store)
{
    const SettingsStore::Batch batch(store);
    RecentFind find;
    find.FindText = store.readSetting(kFilelistSection, "FindText");
    find.FromTop = store.readNumber(kFilelistSection, "FromTop", 1) != 0;
    find.CaseSensitive = store.readNumber(kFilelistSection, "CaseSensitive", 0) != 0;
    return find;
}

void saveRecentFind(SettingsStore& store, const RecentFind& find)
{
    const SettingsStore::Batch batch(store);
    store.writeSetting(kFilelistSection, "FindText", find.FindText);
    store.writeNumber(kFilelistSection, "FromTop", find.FromTop ? 1 : 0);
    store.writeNumber(kFilelistSection, "CaseSensitive", find.CaseSensitive ? 1 : 0);
}

std::optional<std::size_t> findRecentFile(const std::vector<RecentFileEntry>& entries,
                                          const RecentFind& find,
                                          std::optional<std::size_t> current)
{
    const std::string_view text = trimRight(find.FindText);
    if (text.empty())
        return std::nullopt;
    const std::string wanted = find.CaseSensitive ? std::string(text) : upperCase(text);
    std::size_t start = 0;
    if (!find.FromTop && current)
        start = *current + 1;
    for (std::size_t i = start; i < entries.size(); ++i) {
        const std::string name = find.CaseSensitive ? entries[i].name : upperCase(entries[i].name);
        if (name.find(wanted) != std::string::npos)
            return i;
    }
    return std::nullopt;
}

}  // namespace quillon::settings
