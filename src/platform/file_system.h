// FileSystem and File: the file layer. Every failure posts an error code and its text.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/result.h"
#include "platform/file_mapping.h"

namespace quillon::platform {

/// The operations a test may make fail.
/// `Map` is the mapping of a file for reading; a failed mapping leaves the file to be read.
enum class FileOp { Open, Create, Read, Write, Flush, Close, Rename, Remove, List, MakeFolder, Map };

/// One entry of a folder listing.
struct FolderEntry {
    std::string name;
    bool isFolder = false;

    friend bool operator==(const FolderEntry&, const FolderEntry&) = default;
};

class FileSystem;

/// An open file. Appends are buffered in memory and reach the system in large writes.
class File {
public:
    File() = default;
    File(File&& other) noexcept;
    File& operator=(File&& other) noexcept;
    File(const File&) = delete;
    File& operator=(const File&) = delete;
    ~File();

    [[nodiscard]] bool isOpen() const { return m_handle != nullptr; }
    [[nodiscard]] const std::string& path() const { return m_path; }

    /// The file's size, appended bytes included.
    [[nodiscard]] Result<std::uint64_t> size();
    /// Reads up to `out.size()` bytes at `offset`; returns how many were read. A read that starts
    /// at or beyond the end fails with 33.
    [[nodiscard]] Result<std::size_t> readAt(std::uint64_t offset, std::span<std::byte> out);
    /// Reads exactly `out.size()` bytes at `offset`, or fails with 33 when the file ends first.
    [[nodiscard]] Status readExactAt(std::uint64_t offset, std::span<std::byte> out);
    /// Maps the file read-only, as large as it was when opened (an empty file maps to an empty
    /// view); afterwards `viewAt` gives its bytes in place. Only a regular file opened for
    /// reading is mapped. A failure (the system's, or an injected `Map` failure) leaves the file
    /// open to be read as before. Mapping a mapped file does nothing.
    [[nodiscard]] Status map();
    [[nodiscard]] bool isMapped() const { return m_mapped; }
    /// Exactly `n` mapped bytes at `offset`, valid until the file is closed, with the checks and
    /// errors of `readExactAt`: the fault hook is asked as for a read, and 33 tells that the
    /// file ends first. Fails with 37 when the file is not mapped.
    [[nodiscard]] Result<std::span<const std::byte>> viewAt(std::uint64_t offset, std::uint64_t n);
    /// The whole mapped view, empty when the file is not mapped. Taking bytes from it asks no
    /// fault hook: `viewAt` is the checked way in.
    [[nodiscard]] std::span<const std::byte> mappedBytes() const { return m_mapping.bytes(); }
    /// Fails with 33 when the mapped file was cut short by another program since it was
    /// mapped (what was read of its end may be zeros); succeeds for a file not mapped.
    [[nodiscard]] Status checkMapped() const;
    /// The mapped bytes before `offset` are done with: their pages may leave the process's
    /// memory (the view stays valid and reads them from the file again).
    void releaseMappedBefore(std::uint64_t offset);
    /// Appends bytes at the end of the file.
    [[nodiscard]] Status append(std::span<const std::byte> data);
    [[nodiscard]] Status append(std::string_view data);
    /// Writes the buffered appends and forces the file's data to stable storage.
    [[nodiscard]] Status flush();
    /// Writes the buffered appends and closes the file.
    [[nodiscard]] Status close();

private:
    friend class FileSystem;
    File(FileSystem* files, std::FILE* handle, std::string path, std::uint64_t size,
         bool regular);
    [[nodiscard]] Status writeBuffer();
    [[nodiscard]] Status writeBytes(std::span<const std::byte> data);
    void discard();

    FileSystem* m_files = nullptr;
    std::FILE* m_handle = nullptr;
    std::string m_path;
    std::uint64_t m_size = 0;         // bytes on disk plus the buffered ones
    std::vector<std::byte> m_buffer;  // appends not yet written
    bool m_regular = false;           // opened for reading, and a regular file
    bool m_mapped = false;
    FileMapping m_mapping;
    std::uint64_t m_released = 0;     // mapped bytes before this offset were released
};

/// The file services the core uses. A test can make any single operation fail by a fault hook
/// that returns the code to post (0 lets the operation run).
class FileSystem {
public:
    using FaultHook = std::function<int(FileOp op, const std::string& path)>;

    /// Sets (or clears, with an empty hook) the fault hook.
    void setFaultHook(FaultHook hook) { m_faultHook = std::move(hook); }

    /// Opens an existing file for reading; a folder fails with 5.
    [[nodiscard]] Result<File> openRead(const std::string& path);
    /// Creates a new empty file (an existing one is truncated) for appending.
    [[nodiscard]] Result<File> create(const std::string& path);
    /// Creates a new empty file for appending; fails with 5 when the name is already taken, so
    /// that two writers never share one file.
    [[nodiscard]] Result<File> createNew(const std::string& path);
    /// Reads a whole file.
    [[nodiscard]] Result<std::vector<std::byte>> readWholeFile(const std::string& path);

    [[nodiscard]] bool exists(const std::string& path) const;
    [[nodiscard]] bool isFolder(const std::string& path) const;
    [[nodiscard]] bool isFile(const std::string& path) const;
    /// Renames `from` to `to` in one atomic step; a file named `to` is replaced. On Windows the
    /// move is written through to the disk before the call returns.
    [[nodiscard]] Status rename(const std::string& from, const std::string& to);
    [[nodiscard]] Status remove(const std::string& path);
    [[nodiscard]] Result<std::vector<FolderEntry>> listFolder(const std::string& path);
    /// Creates a folder and any missing parents.
    [[nodiscard]] Status createFolder(const std::string& path);
    /// The absolute, lexically normal form of `path` (relative paths against the current folder).
    [[nodiscard]] std::string fullPath(const std::string& path) const;
    [[nodiscard]] std::string currentFolder() const;

private:
    friend class File;
    /// The injected failure for `op` on `path`, or an empty error.
    [[nodiscard]] Error injected(FileOp op, const std::string& path) const;

    FaultHook m_faultHook;
};

/// The error posted for a system error number.
[[nodiscard]] Error errorFromErrno(int err);

}  // namespace quillon::platform
