// How paths are spelled on the file system and in the texts that show them.
#include "platform/path_spelling.h"

#include "base/ascii_text.h"
#include "platform/file_system.h"
#include "platform/paths.h"

namespace quillon::platform {

std::string shownPath(std::string_view path)
{
    if constexpr (kCaseSensitivePaths)
        return std::string(path);
    else
        return upperCase(path);
}

std::string existingSpelling(FileSystem& files, const std::string& path)
{
    if constexpr (!kCaseSensitivePaths)
        return path;
    const std::string name = fileNameOf(path);
    if (name.empty() || files.exists(path))
        return path;
    std::string folder = folderOf(path);
    const Result<std::vector<FolderEntry>> entries =
        files.listFolder(folder.empty() ? "." : folder);
    if (!entries.ok())
        return path;
    const std::string wanted = upperCase(name);
    const FolderEntry* match = nullptr;
    for (const FolderEntry& entry : *entries) {
        if (entry.isFolder || upperCase(entry.name) != wanted)
            continue;
        if (match != nullptr)
            return path;  // two spellings: neither is the one meant
        match = &entry;
    }
    return match != nullptr ? folder + match->name : path;
}

}  // namespace quillon::platform
