// The candidate test and the header kind of a file.
#include "locate/candidate_check.h"

#include <array>
#include <cstddef>

#include "io/byte_reader.h"
#include "locate/folder_cache.h"
#include "locate/path_parts.h"
#include "platform/file_system.h"

namespace quillon::locate {

namespace {
constexpr std::uint64_t kNewHeaderOffsetField = 0x3C;

Candidate accept(platform::FileSystem& files, FolderCache::Lookup found, bool verifyHeaders,
                 const HeaderTest& headerTest)
{
    Candidate c;
    if (found.match != NameMatch::One)
        return c;
    c.os = headerTest ? headerTest(found.path) : headerKind(files, found.path);
    if (verifyHeaders && c.os != 1 && c.os != 2)
        return c;
    if (c.os != 1 && c.os != 2)
        c.os = 0;
    c.accepted = true;
    c.path = std::move(found.path);
    return c;
}
}  // namespace

std::uint8_t headerKind(platform::FileSystem& files, const std::string& path)
{
    Result<platform::File> file = files.openRead(path);
    if (!file)
        return 0;
    std::array<std::byte, 4> field{};
    if (!file->readExactAt(kNewHeaderOffsetField, field))
        return 0;
    const Result<std::uint32_t> offset = io::ByteReader(field).u32le(0);
    if (!offset)
        return 0;
    std::array<std::byte, 2> signature{};
    if (!file->readExactAt(*offset, signature))
        return 0;
    const char first = static_cast<char>(signature[0]);
    const char second = static_cast<char>(signature[1]);
    if (first == 'N' && second == 'E')
        return 1;
    if (first == 'P' && second == 'E')
        return 2;
    return 0;
}

Candidate testCandidate(platform::FileSystem& files, FolderCache& cache, const std::string& folder,
                        std::string_view name, bool verifyHeaders, const HeaderTest& headerTest)
{
    return accept(files, cache.find(files, folder, name), verifyHeaders, headerTest);
}

Candidate testCandidatePath(platform::FileSystem& files, FolderCache& cache,
                            std::string_view fullName, bool verifyHeaders,
                            const HeaderTest& headerTest)
{
    if (!isAbsolutePath(fullName))
        return {};
    return accept(files, cache.findPath(files, fullName), verifyHeaders, headerTest);
}

}  // namespace quillon::locate
