// LibFileBytes: the bytes of a LIB file as the readers walk them, seen in place.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "base/large_blocks.h"
#include "base/result.h"
#include "platform/file_system.h"

namespace quillon::lib {

/// The bytes of a LIB file: the file mapped and seen in place, or, where it cannot be mapped,
/// read whole into memory. The view stays valid while the value lives.
class LibFileBytes {
public:
    /// Opens `path` and maps it, reading it whole when mapping fails. Fails with the file
    /// layer's code (2 not found, 5 a folder or no access, 8 out of memory, ...).
    [[nodiscard]] static Result<LibFileBytes> open(platform::FileSystem& files,
                                                   const std::string& path);

    [[nodiscard]] std::string_view view() const { return m_bytes; }
    operator std::string_view() const { return m_bytes; }  // NOLINT: reads as the bytes
    [[nodiscard]] std::size_t size() const { return m_bytes.size(); }
    [[nodiscard]] bool mapped() const { return m_file.isMapped(); }

    /// The walk is past `offset`: the pages before it may leave memory (they are read again if
    /// used), so that a large file never sits in memory whole.
    void releaseBefore(std::uint64_t offset);
    /// After a walk: fails with 33 when another program cut the file short while it was seen,
    /// so that what was read of its end cannot be trusted.
    [[nodiscard]] Status check() const { return m_file.checkMapped(); }

private:
    platform::File m_file;
    ByteBlock m_copy;
    std::string_view m_bytes;
};

}  // namespace quillon::lib
