// Reading NUL-terminated names as views of the file's bytes.
#include "exe/name_text.h"

#include <algorithm>

namespace quillon::exe {

Result<std::string_view> readTerminatedName(const io::ByteReader& file, std::uint64_t offset,
                                            std::uint64_t maxLength)
{
    if (offset >= file.size())
        return io::readPastEnd();
    const std::uint64_t available = std::min(file.size() - offset, maxLength);
    const std::string_view block = asText(file.all().subspan(offset, available));
    const std::size_t nul = block.find('\0');
    if (nul != std::string_view::npos)
        return block.substr(0, nul);
    if (available < maxLength)
        return io::readPastEnd();  // the file ends inside the name
    return block;
}

}  // namespace quillon::exe
