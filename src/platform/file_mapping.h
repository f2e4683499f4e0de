// FileMapping: the bytes of an open file seen in place, read-only, without a copy.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <span>

#include "base/result.h"

namespace quillon::platform {

/// A read-only mapping of the first `size` bytes of an open file (mmap on Linux, a file mapping
/// view on Windows); an empty file maps to an empty view. Unmapped when destroyed.
///
/// A mapped file that another program cuts short must not end the process. On Windows no one
/// can: the file layer opens files for reading with writes denied, and the system refuses to
/// shorten a mapped file. On Linux nothing stops it, and a page past the new end would raise
/// SIGBUS: while a mapping lives, a handler puts a page of zeros in place of such a page and
/// marks the mapping as cut, and `cut()` also compares the file's size with the mapped size
/// (the tail of the last page reads as zeros without a signal). A file replaced by a rename,
/// as our own saves replace it, keeps the old file's bytes for the mapping: nothing is cut.
class FileMapping {
public:
    FileMapping() = default;
    FileMapping(FileMapping&& other) noexcept;
    FileMapping& operator=(FileMapping&& other) noexcept;
    FileMapping(const FileMapping&) = delete;
    FileMapping& operator=(const FileMapping&) = delete;
    ~FileMapping();

    /// Maps the first `size` bytes of `handle`, which must be a regular file open for reading.
    /// Fails with the system's error (for a file that cannot be mapped, e.g. on some network
    /// shares), or with 8 when the address space has no room.
    [[nodiscard]] static Result<FileMapping> map(std::FILE* handle, std::uint64_t size);

    [[nodiscard]] std::span<const std::byte> bytes() const { return {m_data, m_size}; }
    /// True when the file was cut short under the mapping: the bytes past the cut read as zeros.
    [[nodiscard]] bool cut() const;
    /// Lets the system take the pages of [`offset`, `offset` + `n`) out of the process's
    /// memory; they are read from the file again when used.
    void release(std::uint64_t offset, std::uint64_t n) const;

private:
    void unmap() noexcept;

    const std::byte* m_data = nullptr;
    std::size_t m_size = 0;
    std::FILE* m_handle = nullptr;
    int m_slot = -1;        // Linux: the entry of the bus-error guard
    void* m_object = nullptr;  // Windows: the file-mapping object
};

}  // namespace quillon::platform
