// The stable sorts of the library list.
#include "core/sort_library.h"

#include <algorithm>
#include <numeric>
#include <string_view>

namespace quillon {

namespace {

int compareNoCase(std::string_view a, std::string_view b)
{
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        unsigned char ca = static_cast<unsigned char>(a[i]);
        unsigned char cb = static_cast<unsigned char>(b[i]);
        if (ca >= 'a' && ca <= 'z')
            ca = static_cast<unsigned char>(ca - 'a' + 'A');
        if (cb >= 'a' && cb <= 'z')
            cb = static_cast<unsigned char>(cb - 'a' + 'A');
        if (ca != cb)
            return ca < cb ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

int compareText(std::string_view a, std::string_view b, bool caseSensitive)
{
    if (caseSensitive) {
        const int c = a.compare(b);
        return c < 0 ? -1 : (c > 0 ? 1 : 0);
    }
    return compareNoCase(a, b);
}

template <typename T>
int compareNumber(T a, T b)
{
    return a < b ? -1 : (a > b ? 1 : 0);
}

/// The key comparison of one order and direction; negative when `a` sorts first.
int compareRows(const LibraryRow& a, const LibraryRow& b, SortOrder order, bool descending,
                bool caseSensitive)
{
    const int sign = descending ? -1 : 1;
    if (order == SortOrder::FileOrder) {
        if (!descending)
            return compareNumber(a.UNSORTED, b.UNSORTED);
        if (int c = compareNumber(a.MODULENUM, b.MODULENUM); c != 0)
            return -c;
        if (int c = compareNumber(a.TREELEVEL, b.TREELEVEL); c != 0)
            return c;
        return -compareNumber(a.UNSORTED, b.UNSORTED);
    }
    if (int c = compareText(a.MODULENAME.view(), b.MODULENAME.view(), caseSensitive); c != 0)
        return sign * c;
    if (int c = compareNumber(a.MODULENUM, b.MODULENUM); c != 0)
        return sign * c;
    if (int c = compareNumber(a.TREELEVEL, b.TREELEVEL); c != 0)
        return c;
    if (order == SortOrder::SymbolNames)
        return sign * compareText(a.SYMBOL, b.SYMBOL, caseSensitive);
    return sign * compareNumber(a.ORDINAL, b.ORDINAL);
}

}  // namespace

void sortLibrary(Workspace& ws, SortOrder order, bool descending, bool quiet)
{
    if (order != SortOrder::SymbolNames && order != SortOrder::OrdinalNumbers)
        order = SortOrder::FileOrder;
    ws.sortOrder = order;
    ws.sortDescending = descending;

    const bool showStatus = !quiet && ws.options.UseStatusBar != 0;
    std::string previousText;
    if (!quiet) {
        if (showStatus) {
            previousText = ws.ui().statusText(1);
            ws.ui().status(1, "Sorting list...");
        }
        ws.ui().setWaitCursor(true);
    }

    LibraryList& rows = ws.library.rows;
    // Sorting positions and moving each row once is far cheaper than swapping whole rows.
    std::vector<std::uint32_t> index(rows.size());
    std::iota(index.begin(), index.end(), 0U);
    const bool caseSensitive = ws.caseSensitiveSort;
    std::stable_sort(index.begin(), index.end(), [&](std::uint32_t a, std::uint32_t b) {
        return compareRows(rows[a], rows[b], order, descending, caseSensitive) < 0;
    });
    LibraryList sorted;
    sorted.reserve(rows.size());
    for (const std::uint32_t i : index)
        sorted.push_back(std::move(rows[i]));
    rows = std::move(sorted);

    if (!quiet) {
        ws.ui().setWaitCursor(false);
        if (showStatus)
            ws.ui().status(1, previousText);
    }
}

}  // namespace quillon
