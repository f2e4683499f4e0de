// FolderCache: the folder listings of one locate pass, for matching file names without regard
// to letter case at the cost of one listing per folder.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace quillon::platform {
class FileSystem;
}

namespace quillon::locate {

/// How many files of a folder a name matches.
enum class NameMatch { None, One, Several };

/// A listing is taken the first time a folder is asked about and kept until `clear`; a folder
/// that is missing or cannot be listed is kept as empty. Only files count: sub-folders never
/// match. Names compare upper-cased (ASCII letters), so KERNEL32.DLL, kernel32.dll and
/// Kernel32.dll are one name, and a folder holding two of them is ambiguous for it.
class FolderCache {
public:
    struct Lookup {
        NameMatch match = NameMatch::None;
        /// The full path of the file as spelled on disk when exactly one file matches.
        std::string path;
    };

    /// Looks `name` up in `folder` (which ends in a separator). A name ending in ".*" matches
    /// every file of that base name and any extension.
    [[nodiscard]] Lookup find(platform::FileSystem& files, const std::string& folder,
                              std::string_view name);
    /// Looks a full file name up in its folder.
    [[nodiscard]] Lookup findPath(platform::FileSystem& files, std::string_view fullName);

    void clear() { m_folders.clear(); }
    /// The number of folders listed since the last `clear`.
    [[nodiscard]] std::size_t listedFolders() const { return m_folders.size(); }

private:
    struct Names {
        std::string first;        // the real name of the first file found
        std::uint32_t count = 0;  // how many files share the upper-cased name
    };
    using Listing = std::unordered_map<std::string, Names>;

    const Listing& listing(platform::FileSystem& files, const std::string& folder);

    std::unordered_map<std::string, Listing> m_folders;
};

}  // namespace quillon::locate
