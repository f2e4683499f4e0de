// Adding entries to the extracted functions in key order, without duplicates.
#include "query/result_inserter.h"

#include <algorithm>
#include <cstdint>
#include <numeric>
#include <string_view>
#include <tuple>
#include <unordered_map>

#include "base/ascii_text.h"

namespace quillon::query {

ResultInserter::ResultInserter(QueryResultList& list) : m_list(list)
{
    if (m_list.order != 1 && m_list.order != 2)
        m_list.order = 3;
    const auto byKey = [this](const QueryResult& a, const QueryResult& b) { return less(a, b); };
    if (!std::is_sorted(m_list.rows.begin(), m_list.rows.end(), byKey))
        sortQueryResultList(m_list, m_list.order);
    for (const QueryResult& row : m_list.rows)
        m_presentModules.insert(upperCase(row.MODULENAME.view()));
}

bool ResultInserter::less(const QueryResult& a, const QueryResult& b) const
{
    switch (m_list.order) {
        case 1:
            return std::tie(a.MODULENAME, a.SYMBOL) < std::tie(b.MODULENAME, b.SYMBOL);
        case 2:
            return std::tie(a.MODULENAME, a.ORDINAL) < std::tie(b.MODULENAME, b.ORDINAL);
        default:
            break;
    }
    return std::tie(a.MODULENAME, a.SYMBOL, a.ORDINAL) <
           std::tie(b.MODULENAME, b.SYMBOL, b.ORDINAL);
}

std::string ResultInserter::key(const QueryResult& entry)
{
    std::string k(entry.MODULENAME.view());
    k.push_back('\0');
    k += entry.SYMBOL;
    k.push_back('\0');
    k.push_back(static_cast<char>(entry.ORDINAL & 0xFF));
    k.push_back(static_cast<char>(entry.ORDINAL >> 8));
    return k;
}

bool ResultInserter::moduleWasPresent(std::string_view moduleName) const
{
    return !m_presentModules.empty() && m_presentModules.count(upperCase(moduleName)) != 0;
}

bool ResultInserter::add(QueryResult entry)
{
    if (moduleWasPresent(entry.MODULENAME.view())) {
        const auto byKey = [this](const QueryResult& a, const QueryResult& b) {
            return less(a, b);
        };
        // The list's order may leave out the symbol or the ordinal; a duplicate is the same
        // function: module name, symbol name and ordinal.
        const auto [first, last] =
            std::equal_range(m_list.rows.begin(), m_list.rows.end(), entry, byKey);
        const bool present = std::any_of(first, last, [&entry](const QueryResult& row) {
            return row.MODULENAME == entry.MODULENAME && row.SYMBOL == entry.SYMBOL &&
                   row.ORDINAL == entry.ORDINAL;
        });
        if (present || !m_addedKeys.insert(key(entry)).second)
            return false;
    }
    m_added.push_back(std::move(entry));
    return true;
}

std::vector<std::uint32_t> ResultInserter::sortedPositions() const
{
    std::vector<std::uint32_t> order(m_added.size());
    constexpr std::size_t kPositionBits = 24;
    if (m_list.order == 2 && m_added.size() < (std::size_t{1} << kPositionBits)) {
        // By module name and ordinal: the names ranked once (a module's entries come
        // together), then one number per entry holds its rank, ordinal and position.
        std::unordered_map<std::string_view, std::uint64_t> ranks;
        std::string_view previous;
        for (std::size_t k = 0; k < m_added.size(); ++k) {
            const std::string_view name = m_added[k].MODULENAME.view();
            if (k == 0 || name != previous)
                ranks.try_emplace(name, 0);
            previous = name;
        }
        std::vector<std::string_view> names;
        names.reserve(ranks.size());
        for (const auto& [name, rank] : ranks)
            names.push_back(name);
        std::sort(names.begin(), names.end());
        for (std::size_t r = 0; r < names.size(); ++r)
            ranks[names[r]] = r;
        std::vector<std::uint64_t> keys(m_added.size());
        std::uint64_t rank = 0;
        for (std::size_t k = 0; k < m_added.size(); ++k) {
            const std::string_view name = m_added[k].MODULENAME.view();
            if (k == 0 || name != previous)
                rank = ranks[name];
            previous = name;
            keys[k] = rank << (16 + kPositionBits) |
                      std::uint64_t{m_added[k].ORDINAL} << kPositionBits | k;
        }
        std::sort(keys.begin(), keys.end());
        for (std::size_t k = 0; k < keys.size(); ++k)
            order[k] = static_cast<std::uint32_t>(keys[k] & ((std::uint64_t{1} << kPositionBits) - 1));
        return order;
    }
    std::iota(order.begin(), order.end(), 0u);
    std::stable_sort(order.begin(), order.end(), [this](std::uint32_t a, std::uint32_t b) {
        return less(m_added[a], m_added[b]);
    });
    return order;
}

void ResultInserter::finish()
{
    if (m_added.empty())
        return;
    const auto byKey = [this](const QueryResult& a, const QueryResult& b) { return less(a, b); };
    if (!std::is_sorted(m_added.begin(), m_added.end(), byKey)) {
        // Positions are sorted and each entry moved once: cheaper than moving entries about.
        // In place, cycle by cycle: no second copy of the entries.
        std::vector<std::uint32_t> order = sortedPositions();
        constexpr std::uint32_t kDone = 0xffffffffu;
        for (std::size_t start = 0; start < order.size(); ++start) {
            if (order[start] == kDone || order[start] == start) {
                order[start] = kDone;
                continue;
            }
            QueryResult held = std::move(m_added[start]);
            std::size_t at = start;
            while (order[at] != start) {
                const std::size_t from = order[at];
                m_added[at] = std::move(m_added[from]);
                order[at] = kDone;
                at = from;
            }
            m_added[at] = std::move(held);
            order[at] = kDone;
        }
    }
    std::vector<QueryResult>& rows = m_list.rows;
    if (rows.empty()) {
        rows = std::move(m_added);
        m_added.clear();
        m_addedKeys.clear();
        return;
    }
    const auto middle = static_cast<std::ptrdiff_t>(rows.size());
    rows.insert(rows.end(), std::make_move_iterator(m_added.begin()),
                std::make_move_iterator(m_added.end()));
    std::inplace_merge(rows.begin(), rows.begin() + middle, rows.end(), byKey);
    m_added.clear();
    m_addedKeys.clear();
}

}  // namespace quillon::query
