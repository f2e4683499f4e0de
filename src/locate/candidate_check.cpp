// The candidate test and the header kind of a file.
#include "locate/candidate_check.h"

#include "exe/header_kind.h"
#include "locate/folder_cache.h"
#include "locate/path_parts.h"
#include "platform/file_system.h"

namespace quillon::locate {

namespace {
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
