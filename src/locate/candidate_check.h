// The candidate test: a file name is accepted when it names exactly one file and, with header
// verification, when that file carries an NE or PE header.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "exe/header_kind.h"
#include "platform/file_system.h"

namespace quillon::platform {
class FileSystem;
}

namespace quillon::locate {

class FolderCache;

using exe::headerKind;

/// The header test the search uses; by default `headerKind`.
using HeaderTest = std::function<std::uint8_t(const std::string& path)>;

/// What the candidate test decided.
struct Candidate {
    bool accepted = false;
    /// The accepted file's full path as spelled on disk.
    std::string path;
    /// 1 (NE), 2 (PE), or 0 when the header is neither.
    std::uint8_t os = 0;
};

/// A file the candidate test accepted, kept open for whoever reads it next.
struct AcceptedFile {
    std::string path;
    platform::File file;
};

/// Tests `folder` + `name`: the name must match exactly one file of the folder (letter case
/// ignored); with `verifyHeaders` the file must also have an NE or PE header. The header kind
/// of an accepted file is always read, so that its bitness is known even without verification.
/// With `keep` (and no `headerTest`) the accepted file is left open there.
[[nodiscard]] Candidate testCandidate(platform::FileSystem& files, FolderCache& cache,
                                      const std::string& folder, std::string_view name,
                                      bool verifyHeaders, const HeaderTest& headerTest,
                                      std::optional<AcceptedFile>* keep = nullptr);

/// Tests a full file name the same way.
[[nodiscard]] Candidate testCandidatePath(platform::FileSystem& files, FolderCache& cache,
                                          std::string_view fullName, bool verifyHeaders,
                                          const HeaderTest& headerTest,
                                          std::optional<AcceptedFile>* keep = nullptr);

}  // namespace quillon::locate
