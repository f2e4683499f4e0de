// ReplacementFile: the new contents of a file, written beside it and put in its place whole.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "base/result.h"
#include "platform/file_system.h"

namespace quillon::platform {

/// A file that replaces `target` in one step. The bytes go to a new file of a name no other
/// writer uses, in the target's folder; `commit` forces them to stable storage and renames that
/// file over the target, so that a reader, a second writer or a crash finds under the target's
/// name either the old file or the complete new one, never a part. A symbolic link is followed
/// (the file it names is replaced and the link survives) and the replaced file's permissions
/// carry over. Every step goes through the file layer and its fault hook. Until `commit`
/// succeeds, the target is untouched; a replacement that is dropped or fails removes its file.
class ReplacementFile {
public:
    ReplacementFile() = default;
    ReplacementFile(ReplacementFile&& other) noexcept;
    ReplacementFile& operator=(ReplacementFile&& other) noexcept;
    ReplacementFile(const ReplacementFile&) = delete;
    ReplacementFile& operator=(const ReplacementFile&) = delete;
    ~ReplacementFile();

    /// Creates the new file beside `target`. A target that is a folder, or a file without any
    /// write permission (read-only), fails with 5 and creates nothing; otherwise a failure is the one of creating the file (a missing or read-only
    /// folder).
    [[nodiscard]] static Result<ReplacementFile> begin(FileSystem& files, const std::string& target);

    [[nodiscard]] bool isOpen() const { return m_file.isOpen(); }
    /// The file that the replacement takes the place of (a link's file, not the link).
    [[nodiscard]] const std::string& target() const { return m_target; }
    /// The name of the new file while it is written.
    [[nodiscard]] const std::string& temporaryPath() const { return m_temporary; }

    [[nodiscard]] Status append(std::span<const std::byte> data) { return m_file.append(data); }
    [[nodiscard]] Status append(std::string_view data) { return m_file.append(data); }
    /// The bytes appended so far.
    [[nodiscard]] Result<std::uint64_t> size() { return m_file.size(); }

    /// Forces the new file to stable storage and closes it. A failure removes the new file.
    [[nodiscard]] Status finishWriting();
    /// Renames the new file over the target (after `finishWriting`, which it calls when that
    /// has not run). A failure removes the new file and leaves the target as it was.
    [[nodiscard]] Status commit();
    /// Closes and removes the new file without touching the target.
    void abandon();

private:
    ReplacementFile(FileSystem& files, std::string target, File file);

    FileSystem* m_files = nullptr;
    std::string m_target;
    std::string m_temporary;  // the new file's name; empty once it is renamed or removed
    File m_file;              // open until `finishWriting`
};

}  // namespace quillon::platform
