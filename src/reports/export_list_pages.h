// The pages of the export list viewer: the file cut into at most 10 pages at line ends, with
// the page headers and footers that lead from one page to the next.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "base/result.h"
#include "platform/file_system.h"

namespace quillon::reports {

/// A viewer page holds at most this many characters, header and footer included.
inline constexpr std::size_t kPageSize = 60000;
/// The text of the file on one page: the page size less what header and footer take.
inline constexpr std::size_t kPageChunk = kPageSize - 1000;
inline constexpr int kMaxPages = 10;

struct ExportListPages {
    /// Windows-1252 text with CR LF line ends, one entry per page.
    std::vector<std::string> pages;
    /// The list did not fit: the 10th page ends with the too-big footer.
    bool tooBig = false;
    /// The file's text as the pages show it (without headers and footers).
    std::string listedText;
};

/// Cuts `text`, the start of the export file, into pages. `wholeFile` tells whether `text`
/// holds the whole file; `fileName` is named by the too-big footer.
[[nodiscard]] ExportListPages paginateExportList(std::string_view text, bool wholeFile,
                                                 std::string_view fileName);

/// Reads as much of the export file as 10 pages can show and cuts it into pages.
[[nodiscard]] Result<ExportListPages> readExportListPages(platform::FileSystem& files,
                                                          const std::string& fileName);

}  // namespace quillon::reports
