// The kind of a file's header (NE, PE or neither), read from the file without loading it.
#pragma once

#include <cstdint>
#include <string>

namespace quillon::platform {
class File;
class FileSystem;
}  // namespace quillon::platform

namespace quillon::exe {

/// Reads the kind of a file's header: the 32-bit offset at byte 3Ch of the DOS header, and
/// the two bytes at that offset: "NE" gives 1, "PE" gives 2. Anything else, a file too short
/// for either read, or a file that cannot be opened gives 0.
[[nodiscard]] std::uint8_t headerKind(platform::FileSystem& files, const std::string& path);
/// The same of a file already open.
[[nodiscard]] std::uint8_t headerKind(platform::File& file);

}  // namespace quillon::exe
