// The stable sorts of the library list.
#include "core/sort_library.h"

#include <algorithm>
#include <cstring>
#include <numeric>
#include <string_view>
#include <unordered_map>

namespace quillon {

namespace {

unsigned char upperByte(unsigned char c)
{
    return (c >= 'a' && c <= 'z') ? static_cast<unsigned char>(c - 'a' + 'A') : c;
}

int compareText(std::string_view a, std::string_view b, bool caseSensitive)
{
    const std::size_t n = std::min(a.size(), b.size());
    if (caseSensitive) {
        if (const int c = std::memcmp(a.data(), b.data(), n); c != 0)
            return c < 0 ? -1 : 1;
    } else {
        for (std::size_t i = 0; i < n; ++i) {
            const unsigned char ca = upperByte(static_cast<unsigned char>(a[i]));
            const unsigned char cb = upperByte(static_cast<unsigned char>(b[i]));
            if (ca != cb)
                return ca < cb ? -1 : 1;
        }
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

/// Eight bytes of a text from `from` on as a big-endian number, so that comparing the numbers
/// orders texts as comparing their bytes would, over those eight bytes.
std::uint64_t textPrefix(std::string_view text, bool caseSensitive, std::size_t from = 0)
{
    std::uint64_t prefix = 0;
    for (std::size_t i = from; i < from + 8; ++i) {
        unsigned char c = i < text.size() ? static_cast<unsigned char>(text[i]) : 0;
        if (!caseSensitive)
            c = upperByte(c);
        prefix = (prefix << 8) | c;
    }
    return prefix;
}

/// `TREELEVEL` as a small ascending code: collapsed module, expanded module, symbol.
std::uint64_t levelCode(TreeLevel level)
{
    return static_cast<std::uint64_t>(std::clamp<int>(static_cast<int>(level) + 2, 0, 7));
}

/// A row's sort key: `major`, `minor` and `next` (the name's second eight bytes) decide
/// almost every comparison; equal keys of the symbol order fall back to the whole names, and
/// rows equal by the order keep their order (`index`).
struct SortKey {
    std::uint64_t major = 0;
    std::uint64_t minor = 0;
    std::uint64_t next = 0;
    std::uint32_t index = 0;
};

/// Ranks of the (MODULENAME, MODULENUM) pairs of the rows, in key order.
std::vector<std::uint32_t> moduleRanks(const LibraryList& rows, bool caseSensitive)
{
    struct Pair {
        std::string_view name;
        ModuleNumber number;
    };
    std::vector<Pair> pairs;
    std::unordered_map<std::string, std::uint32_t> ids;
    std::vector<std::uint32_t> rowPair(rows.size());
    std::string key;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const LibraryRow& row = rows[i];
        // Rows of one module stand together, so the previous row's pair usually matches.
        if (i > 0 && rows[i - 1].MODULENUM == row.MODULENUM &&
            rows[i - 1].MODULENAME == row.MODULENAME) {
            rowPair[i] = rowPair[i - 1];
            continue;
        }
        key.assign(row.MODULENAME.view());
        key.push_back('\0');
        key.append(reinterpret_cast<const char*>(&row.MODULENUM), sizeof row.MODULENUM);
        const auto [it, inserted] = ids.try_emplace(key, static_cast<std::uint32_t>(pairs.size()));
        if (inserted)
            pairs.push_back(Pair{row.MODULENAME.view(), row.MODULENUM});
        rowPair[i] = it->second;
    }
    std::vector<std::uint32_t> order(pairs.size());
    std::iota(order.begin(), order.end(), 0U);
    std::sort(order.begin(), order.end(), [&](std::uint32_t a, std::uint32_t b) {
        if (const int c = compareText(pairs[a].name, pairs[b].name, caseSensitive); c != 0)
            return c < 0;
        return pairs[a].number < pairs[b].number;
    });
    // Pairs equal by the comparison (names differing only in case) share a rank.
    std::vector<std::uint32_t> rank(pairs.size());
    std::uint32_t current = 0;
    for (std::size_t k = 0; k < order.size(); ++k) {
        if (k > 0) {
            const Pair& a = pairs[order[k - 1]];
            const Pair& b = pairs[order[k]];
            if (compareText(a.name, b.name, caseSensitive) != 0 || a.number != b.number)
                ++current;
        }
        rank[order[k]] = current;
    }
    for (std::uint32_t& p : rowPair)
        p = rank[p];
    return rowPair;
}

std::vector<SortKey> buildKeys(const LibraryList& rows, SortOrder order, bool descending,
                               bool caseSensitive)
{
    std::vector<SortKey> keys(rows.size());
    if (order == SortOrder::FileOrder) {
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const LibraryRow& row = rows[i];
            SortKey& k = keys[i];
            k.index = static_cast<std::uint32_t>(i);
            if (!descending) {
                k.major = row.UNSORTED;
            } else {
                k.major = (static_cast<std::uint64_t>(kNoModuleNumber - row.MODULENUM) << 3) |
                          levelCode(row.TREELEVEL);
                k.minor = 0xFFFFFFFFu - row.UNSORTED;
            }
        }
        return keys;
    }
    const std::vector<std::uint32_t> ranks = moduleRanks(rows, caseSensitive);
    const std::uint64_t maxRank = 0xFFFFFFFFu;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const LibraryRow& row = rows[i];
        SortKey& k = keys[i];
        k.index = static_cast<std::uint32_t>(i);
        const std::uint64_t rank = descending ? maxRank - ranks[i] : ranks[i];
        k.major = (rank << 3) | levelCode(row.TREELEVEL);
        std::uint64_t minor = order == SortOrder::SymbolNames ? textPrefix(row.SYMBOL, caseSensitive)
                                                              : row.ORDINAL;
        k.minor = descending ? ~minor : minor;
        if (order == SortOrder::SymbolNames) {
            const std::uint64_t next = textPrefix(row.SYMBOL, caseSensitive, 8);
            k.next = descending ? ~next : next;
        }
    }
    return keys;
}

}  // namespace

void sortLibrary(Workspace& ws, SortOrder order, bool descending)
{
    if (order != SortOrder::SymbolNames && order != SortOrder::OrdinalNumbers)
        order = SortOrder::FileOrder;
    ws.sortOrder = order;
    ws.sortDescending = descending;

    LibraryList& rows = ws.library.rows;
    const bool caseSensitive = ws.caseSensitiveSort;
    std::vector<SortKey> keys = buildKeys(rows, order, descending, caseSensitive);
    const bool byName = order == SortOrder::SymbolNames;
    // The position decides last, so the sort is stable without a stable sort's moves.
    std::sort(keys.begin(), keys.end(), [&](const SortKey& a, const SortKey& b) {
        if (a.major != b.major)
            return a.major < b.major;
        if (a.minor != b.minor)
            return a.minor < b.minor;
        if (a.next != b.next)
            return a.next < b.next;
        if (byName) {
            const int c = compareText(rows[a.index].SYMBOL, rows[b.index].SYMBOL, caseSensitive);
            if (c != 0)
                return descending ? c > 0 : c < 0;
        }
        return a.index < b.index;
    });
    LibraryList sorted;
    sorted.reserve(rows.size());
    for (const SortKey& k : keys)
        sorted.push_back(std::move(rows[k.index]));
    rows = std::move(sorted);
}

void sortLibraryShowingStatus(Workspace& ws, SortOrder order, bool descending)
{
    ui::UiInterface& ui = ws.ui();
    const bool statusBar = ws.options.UseStatusBar;
    std::string previousText;
    if (statusBar) {
        previousText = ui.statusText(1);
        ui.status(1, kSortingText);
    }
    ui.setWaitCursor(true);
    sortLibrary(ws, order, descending);
    ui.setWaitCursor(false);
    if (statusBar)
        ui.status(1, previousText);
}

}  // namespace quillon
