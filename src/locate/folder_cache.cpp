// Folder listings of one locate pass.
#include "locate/folder_cache.h"

#include "locate/path_parts.h"
#include "platform/file_system.h"
#include "platform/paths.h"

namespace quillon::locate {

const FolderCache::Listing& FolderCache::listing(platform::FileSystem& files,
                                                 const std::string& folder)
{
    const auto found = m_folders.find(folder);
    if (found != m_folders.end())
        return found->second;
    Listing names;
    // A folder that is missing, unreadable or vanishes while listed simply holds nothing.
    if (Result<std::vector<platform::FolderEntry>> entries = files.listFolder(folder); entries) {
        names.reserve(entries->size());
        for (platform::FolderEntry& entry : *entries) {
            if (entry.isFolder)
                continue;
            Names& slot = names[upperAscii(entry.name)];
            if (slot.count++ == 0)
                slot.first = std::move(entry.name);
        }
    }
    return m_folders.emplace(folder, std::move(names)).first->second;
}

FolderCache::Lookup FolderCache::find(platform::FileSystem& files, const std::string& folder,
                                      std::string_view name)
{
    Lookup result;
    if (folder.empty() || name.empty())
        return result;
    const Listing& names = listing(files, folder);
    const std::string upper = upperAscii(name);
    std::uint32_t count = 0;
    const std::string* realName = nullptr;
    if (upper.size() >= 2 && upper.compare(upper.size() - 2, 2, ".*") == 0) {
        const std::string_view base = std::string_view(upper).substr(0, upper.size() - 1);
        for (const auto& [key, entry] : names) {
            if (key.size() >= base.size() && key.compare(0, base.size(), base) == 0) {
                count += entry.count;
                realName = &entry.first;
            }
        }
    } else if (const auto it = names.find(upper); it != names.end()) {
        count = it->second.count;
        realName = &it->second.first;
    }
    if (count == 0)
        return result;
    if (count > 1) {
        result.match = NameMatch::Several;
        return result;
    }
    result.match = NameMatch::One;
    result.path = folder + *realName;
    return result;
}

FolderCache::Lookup FolderCache::findPath(platform::FileSystem& files, std::string_view fullName)
{
    const std::string folder = platform::folderOf(fullName);
    const std::string name = platform::fileNameOf(fullName);
    if (folder.empty() || name.empty())
        return {};
    return find(files, folder, name);
}

}  // namespace quillon::locate
