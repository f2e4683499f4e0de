// Reading NUL-terminated names as views of the file's bytes.
#include "exe/name_text.h"

namespace quillon::exe {

Result<std::string_view> readTerminatedName(ImageSource& file, std::uint64_t offset,
                                            std::uint64_t maxLength)
{
    // Most names end inside the page they start in: look there before joining pages.
    const Result<std::span<const std::byte>> first = file.together(offset, maxLength);
    if (!first)
        return first.error();
    const std::string_view head = asText(*first);
    const std::size_t end = head.find('\0');
    if (end != std::string_view::npos)
        return head.substr(0, end);
    if (head.size() == maxLength)
        return head;
    const Result<std::span<const std::byte>> bytes = file.upTo(offset, maxLength);
    if (!bytes)
        return bytes.error();
    const std::string_view block = asText(*bytes);
    const std::size_t nul = block.find('\0');
    if (nul != std::string_view::npos)
        return block.substr(0, nul);
    if (block.size() < maxLength)
        return io::readPastEnd();  // the file ends inside the name
    return block;
}

}  // namespace quillon::exe
