// Filling the viewer's pages from the export file.
#include "reports/export_list_pages.h"

#include <algorithm>
#include <span>

#include "reports/export_list_layout.h"
#include "reports/export_list_messages.h"

namespace quillon::reports {

namespace {

constexpr std::string_view kInterrupted = "      ***  EXPORT LIST INTERRUPTED  ***";
constexpr std::string_view kEndOfList = "E N D   L I S T";

void appendPageFooter(std::string& page)
{
    page += "\r\n";
    appendUnderline(page);
    appendFramed(page, kInterrupted);
    appendFramed(page, "      Press Shift+PgDn to see next page");
    appendOverline(page);
    appendBlankFrame(page);
    appendBlankFrame(page);
}

void appendTooBigFooter(std::string& page, std::string_view fileName)
{
    page += "\r\n";
    appendUnderline(page);
    appendFramed(page, kInterrupted);
    appendBlankFrame(page);
    appendBlankFrame(page);
    appendFramed(page, "      * * *  F I L E   T O O   B I G !  * * *");
    appendFramed(page, "      [The generated text file does not fit in");
    appendFramed(page, "      the window text control. To see the whole");
    appendFramed(page, "      list open the file:");
    appendFramed(page, "      " + shownFileName(fileName) + "]");
    appendBlankFrame(page);
    appendBlankFrame(page);
}

std::string pageHeader(int number)
{
    std::string page;
    appendUnderline(page);
    appendFramed(page, "                P A G E   " + std::to_string(number));
    appendOverline(page);
    appendBlankFrame(page);
    appendUnderline(page);
    appendFramed(page, "     ****  EXPORT LIST CONTINUED ****");
    appendFramed(page, "     Press Shift+PgUp to see previous");
    appendOverline(page);
    appendBlankFrame(page);
    return page;
}

/// The length of the next chunk starting at `from`: at most `kPageChunk` characters, cut back
/// to end with the last CR LF inside; a chunk without any CR LF is taken whole so that
/// reading always moves on.
std::size_t chunkLength(std::string_view text, std::size_t from)
{
    const std::string_view rest = text.substr(from);
    if (rest.size() <= kPageChunk)
        return rest.size();
    const std::string_view chunk = rest.substr(0, kPageChunk);
    const std::size_t lastCrLf = chunk.rfind("\r\n");
    return lastCrLf == std::string_view::npos ? chunk.size() : lastCrLf + 2;
}

}  // namespace

ExportListPages paginateExportList(std::string_view text, bool wholeFile, std::string_view fileName)
{
    ExportListPages result;
    std::size_t at = 0;
    std::string page;
    for (int number = 1;; ++number) {
        const std::size_t length = chunkLength(text, at);
        const std::string_view chunk = text.substr(at, length);
        page += chunk;
        result.listedText += chunk;
        at += length;
        // The end line tells that the list is complete; the closing rule and blank lines after
        // it stay on its page, which keeps room for them.
        const bool ended = chunk.find(kEndOfList) != std::string_view::npos;
        if (ended) {
            const std::string_view tail = text.substr(at, kPageSize - kPageChunk);
            page += tail;
            result.listedText += tail;
        }
        if (ended || (at >= text.size() && wholeFile)) {
            result.pages.push_back(std::move(page));
            break;
        }
        if (number == kMaxPages || at >= text.size()) {
            appendTooBigFooter(page, fileName);
            result.pages.push_back(std::move(page));
            result.tooBig = true;
            break;
        }
        appendPageFooter(page);
        result.pages.push_back(std::move(page));
        page = pageHeader(number + 1);
    }
    return result;
}

Result<ExportListPages> readExportListPages(platform::FileSystem& files,
                                            const std::string& fileName)
{
    Result<platform::File> file = files.openRead(fileName);
    if (!file)
        return file.error();
    const Result<std::uint64_t> size = file->size();
    if (!size)
        return size.error();
    // Ten chunks and the room kept on a page: enough for what follows the end line, and
    // enough to tell whether the file goes on past the last page.
    const std::uint64_t wanted =
        std::min<std::uint64_t>(*size, kPageChunk * kMaxPages + (kPageSize - kPageChunk));
    std::string text(static_cast<std::size_t>(wanted), '\0');
    if (wanted > 0) {
        const Status read =
            file->readExactAt(0, std::as_writable_bytes(std::span<char>(text.data(), text.size())));
        if (!read)
            return read.error();
    }
    return paginateExportList(text, wanted == *size, fileName);
}

}  // namespace quillon::reports
