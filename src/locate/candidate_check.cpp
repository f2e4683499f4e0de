// The candidate test and the header kind of a file.
#include "locate/candidate_check.h"

#include "exe/header_kind.h"
#include "locate/folder_cache.h"
#include "locate/path_parts.h"
#include "platform/file_system.h"

namespace quillon::locate {

namespace {
Candidate accept(platform::FileSystem& files, FolderCache::Lookup found, bool verifyHeaders,
                 const HeaderTest& headerTest, std::optional<AcceptedFile>* keep)
{
    Candidate c;
    if (found.match != NameMatch::One)
        return c;
    std::optional<platform::File> opened;
    if (headerTest) {
        c.os = headerTest(found.path);
    } else if (keep != nullptr) {
        if (Result<platform::File> file = files.openRead(found.path); file) {
            c.os = headerKind(*file);
            opened.emplace(std::move(*file));
        }
    } else {
        c.os = headerKind(files, found.path);
    }
    if (verifyHeaders && c.os != 1 && c.os != 2)
        return c;
    if (c.os != 1 && c.os != 2)
        c.os = 0;
    c.accepted = true;
    c.path = std::move(found.path);
    if (opened)
        keep->emplace(AcceptedFile{c.path, std::move(*opened)});
    return c;
}
}  // namespace

Candidate testCandidate(platform::FileSystem& files, FolderCache& cache, const std::string& folder,
                        std::string_view name, bool verifyHeaders, const HeaderTest& headerTest,
                        std::optional<AcceptedFile>* keep)
{
    return accept(files, cache.find(files, folder, name), verifyHeaders, headerTest, keep);
}

Candidate testCandidatePath(platform::FileSystem& files, FolderCache& cache,
                            std::string_view fullName, bool verifyHeaders,
                            const HeaderTest& headerTest, std::optional<AcceptedFile>* keep)
{
    if (!isAbsolutePath(fullName))
        return {};
    return accept(files, cache.findPath(files, fullName), verifyHeaders, headerTest, keep);
}

}  // namespace quillon::locate
