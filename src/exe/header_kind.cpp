// The kind of a file's header, from two small reads.
#include "exe/header_kind.h"

#include <array>
#include <cstddef>

#include "exe/dos_format.h"
#include "io/byte_reader.h"
#include "platform/file_system.h"

namespace quillon::exe {

std::uint8_t headerKind(platform::FileSystem& files, const std::string& path)
{
    Result<platform::File> file = files.openRead(path);
    return file ? headerKind(*file) : 0;
}

std::uint8_t headerKind(platform::File& file)
{
    std::array<std::byte, 4> field{};
    if (!file.readExactAt(dos::kNewHeaderOffsetField, field))
        return 0;
    const Result<std::uint32_t> offset = io::ByteReader(field).u32le(0);
    if (!offset)
        return 0;
    std::array<std::byte, 2> signature{};
    if (!file.readExactAt(*offset, signature))
        return 0;
    const char first = static_cast<char>(signature[0]);
    const char second = static_cast<char>(signature[1]);
    if (first == 'N' && second == 'E')
        return 1;
    if (first == 'P' && second == 'E')
        return 2;
    return 0;
}

}  // namespace quillon::exe
