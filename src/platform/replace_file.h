// replaceFile: writes a file as one whole, so that readers and other writers never see a part.
#pragma once

#include <string>
#include <string_view>

#include "base/result.h"

namespace quillon::platform {

class FileSystem;

/// Replaces the file at `path` with `content` as one whole. The bytes go to a new file of a name
/// no other writer uses, in the same folder; they are forced to stable storage, and that file is
/// renamed over the target, so that a reader or a second writer sees either the old file or
/// this one, never a mix. A symbolic link is followed (the file it names is replaced and the
/// link survives), the file keeps its permissions, and a missing folder is created. Every step
/// goes through `files`. A failure returns its posted code, removes the new file and leaves the
/// old one as it was.
[[nodiscard]] Status replaceFile(FileSystem& files, const std::string& path,
                                 std::string_view content);

}  // namespace quillon::platform
