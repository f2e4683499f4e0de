// QueryResultList: the extracted functions, rows of module name, symbol name and ordinal.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/library_row.h"

namespace quillon {

/// One entry of `QueryResultList` (`QUQ:` fields); `QUQ:BLANK` is carried but never set, so
/// it is not stored.
struct QueryResult {
    ModuleName MODULENAME;  // <= 254
    std::string SYMBOL;     // <= 254
    std::uint16_t ORDINAL = 0;
    std::uint32_t UNSORTED = 0;
    std::uint8_t MARK = 0;

    friend bool operator==(const QueryResult&, const QueryResult&) = default;
};

/// The extracted functions with the order they are kept in: 1 module and symbol name,
/// 2 module name and ordinal, 3 module name, symbol name and ordinal.
struct QueryResultList {
    std::vector<QueryResult> rows;
    int order = 2;

    [[nodiscard]] bool empty() const { return rows.empty(); }
    [[nodiscard]] std::size_t size() const { return rows.size(); }
};

/// Sorts the list stably by the keys of `order` (1, 2 or 3; any other value is 3), ascending,
/// and keeps `order`.
void sortQueryResultList(QueryResultList& list, int order);

}  // namespace quillon
