// The recent files list of section Filelist: recording the present file, reading the list with
// each file's kind, the sub-menu filter, saving, cleanup and the find of the recent files window.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/options.h"
#include "core/ui/ui_interface.h"

namespace quillon {
class Workspace;
}

namespace quillon::platform {
class FileSystem;
}

namespace quillon::settings {

class SettingsStore;

/// The section of the recent files list and its keys.
inline constexpr std::string_view kFilelistSection = "Filelist";
inline constexpr std::string_view kPresentFileKey = "PresentFile";
inline constexpr std::string_view kFilelistStem = "Filelist";

/// Whether two file names name the same file: trailing blanks ignored, letter case ignored
/// where the file system ignores it.
[[nodiscard]] bool sameFileName(std::string_view a, std::string_view b);

/// The memory of `RecordPresentFile` for one run of the program: the value it recorded last.
/// The workspace owns one.
class RecentFiles {
public:
    /// RecordPresentFile: makes `name` the present file. Nothing happens when `name` equals the
    /// previous present file (the value recorded last in this run or, before the first record
    /// of the run, the stored `PresentFile`). Otherwise the stored list `Filelist1` to
    /// `Filelist<useRecentFiles>` moves down by one, blank entries dropped and positions left
    /// over by them deleted (keys beyond `useRecentFiles` keep their values); `PresentFile`
    /// becomes `name` and the previous present file becomes `Filelist1`. Returns whether
    /// anything was written.
    bool recordPresentFile(SettingsStore& store, int useRecentFiles, std::string_view name);

    /// The value recorded last in this run; empty before the first record.
    [[nodiscard]] const std::string& lastRecorded() const { return m_lastRecorded; }

private:
    std::string m_lastRecorded;
};

/// The workspace's memory of `RecordPresentFile`.
[[nodiscard]] RecentFiles& recentFiles(Workspace& ws);

/// RecordPresentFile over a workspace: its settings, its `UseRecentFiles` and its memory.
void RecordPresentFile(Workspace& ws, std::string_view name);

/// The hook the multi-file loader and the save command call to record a file.
[[nodiscard]] std::function<void(Workspace&, const std::string&)> recordPresentFileHook();

/// Recall last file without a stored present file: "Missing data!".
[[nodiscard]] ui::MessageBox missingDataMessage();
/// Recall last file (and the test of the recent files window) for a file that is gone:
/// "File not found!" with the file's name.
[[nodiscard]] ui::MessageBox fileNotFoundMessage(std::string_view name);
/// A button of the recent files window that needs a selected entry, pressed without one.
[[nodiscard]] ui::MessageBox noFileSelectedMessage();

/// The kind of a recent file, which picks its icon.
enum class RecentFileKind {
    Bits16,          // an NE executable
    Bits32,          // a PE executable
    Library,         // a LIB file, or a file that cannot be read
    NotIdentified,   // readable, but neither NE nor PE
    MissingLibrary,  // a LIB file that no longer exists
    Missing,         // any other file that no longer exists
};

/// The icon resource of a kind: "QNShutFold16", "QNShutFold32", "QNShutFold", "QNShutFoldX",
/// "QNShutFoldNotFound", "QNShutFoldNotFoundX".
[[nodiscard]] std::string_view recentFileIcon(RecentFileKind kind);

/// One entry of the recent files list in memory.
struct RecentFileEntry {
    std::string name;
    RecentFileKind kind = RecentFileKind::Library;
    /// `FL:OS`: 1 NE, 2 PE, 0 otherwise.
    std::uint8_t OS = 0;
    bool MARK = false;
    bool notFound = false;

    friend bool operator==(const RecentFileEntry&, const RecentFileEntry&) = default;
};

/// Checks `name` on disk: existence, and, unless its name ends in ".LIB", the header kind read
/// from the DOS header's new-header offset (only a few bytes are read).
[[nodiscard]] RecentFileEntry identifyRecentFile(platform::FileSystem& files, std::string name);

/// Whether `LoadRecentFiles` leaves missing files out.
enum class MissingFiles { ByOption, Keep };

/// What `LoadRecentFiles` read.
struct RecentFilesList {
    /// `PresentFile`, normalized; empty when the file no longer exists.
    std::string presentFile;
    std::vector<RecentFileEntry> entries;
};

/// LoadRecentFiles: reads `PresentFile` and `Filelist1` to `Filelist<UseRecentFiles>`,
/// skipping blank entries; each entry is identified on disk. With `UseExcludeObsoleteFiles` 1
/// (and `missing` ByOption) missing files are left out.
[[nodiscard]] RecentFilesList LoadRecentFiles(SettingsStore& store, platform::FileSystem& files,
                                              const Options& options,
                                              MissingFiles missing = MissingFiles::ByOption);

/// One entry of the recent files sub-menu: the file, and the text shown.
struct RecentMenuEntry {
    std::string path;
    std::string text;

    friend bool operator==(const RecentMenuEntry&, const RecentMenuEntry&) = default;
};

/// The recent files sub-menu: the first `UseNumMenu` stored entries that exist (when
/// `UseExcludeObsoleteFiles` is 1) and end in `FileSuffix` (when not empty), written in the
/// casing of `CaseOption` (1 upper, 2 lower, 3 as stored). Files are not identified.
[[nodiscard]] std::vector<RecentMenuEntry> recentMenuEntries(SettingsStore& store,
                                                             platform::FileSystem& files,
                                                             const Options& options);

/// Writes `entries` as `Filelist1`, `Filelist2`, ... in list order (at most `useRecentFiles`)
/// and deletes the positions up to `useRecentFiles` that are left over.
void saveRecentFiles(SettingsStore& store, int useRecentFiles,
                     const std::vector<RecentFileEntry>& entries);

/// The cleanup of the recent files window: removes later copies of an entry and entries whose
/// file no longer exists. Returns the number removed.
std::size_t cleanupRecentFiles(std::vector<RecentFileEntry>& entries);

/// The settings of the find dialog of the recent files window.
struct RecentFind {
    std::string FindText;
    bool FromTop = true;
    bool CaseSensitive = false;

    friend bool operator==(const RecentFind&, const RecentFind&) = default;
};

[[nodiscard]] RecentFind loadRecentFind(SettingsStore& store);
void saveRecentFind(SettingsStore& store, const RecentFind& find);

/// The first entry whose name contains `find.FindText`: from the top with `FromTop`, otherwise
/// from the entry after `current` (the top when there is none). Nothing for a blank text.
[[nodiscard]] std::optional<std::size_t> findRecentFile(const std::vector<RecentFileEntry>& entries,
                                                        const RecentFind& find,
                                                        std::optional<std::size_t> current);

}  // namespace quillon::settings
