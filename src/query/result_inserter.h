// ResultInserter: adds entries to QueryResultList at their key position, refusing duplicates
// of the modules the list already held.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <unordered_set>
#include <vector>

#include "core/query_result.h"

namespace quillon::query {

/// Collects new entries and merges them into the list in one pass at the end, so that adding
/// n entries to a list of m costs O((n + m) log) rather than one insertion each.
class ResultInserter {
public:
    /// `list` must stay alive and untouched until `finish` or `abandon`. Sorts it by its order
    /// when it is not sorted already.
    explicit ResultInserter(QueryResultList& list);

    /// Whether a module of this name (letter case ignored) had entries before the inserter
    /// was made.
    [[nodiscard]] bool moduleWasPresent(std::string_view moduleName) const;

    /// Adds `entry` unless, its module having been present, the same function (module name,
    /// symbol name and ordinal) is already in the list or among those added. Returns false for
    /// such a duplicate.
    bool add(QueryResult entry);

    /// Room for `count` more entries.
    void reserve(std::size_t count) { m_added.reserve(m_added.size() + count); }

    /// How many entries were added.
    [[nodiscard]] std::size_t added() const { return m_added.size(); }

    /// Merges the added entries into the list in key order.
    void finish();
    /// Drops the added entries; the list stays as it was.
    void abandon() { m_added.clear(); }

private:
    [[nodiscard]] bool less(const QueryResult& a, const QueryResult& b) const;
    /// The positions of the added entries in key order, equal keys in the order added.
    [[nodiscard]] std::vector<std::uint32_t> sortedPositions() const;
    /// The function's key: module name, symbol name and ordinal.
    [[nodiscard]] static std::string key(const QueryResult& entry);

    QueryResultList& m_list;
    std::unordered_set<std::string> m_presentModules;
    std::unordered_set<std::string> m_addedKeys;
    std::vector<QueryResult> m_added;
};

}  // namespace quillon::query
