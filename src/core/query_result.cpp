// The sort orders of the extracted functions.
#include "core/query_result.h"

#include <algorithm>
#include <tuple>

namespace quillon {

void sortQueryResultList(QueryResultList& list, int order)
{
    if (order != 1 && order != 2)
        order = 3;
    list.order = order;
    auto& rows = list.rows;
    switch (order) {
        case 1:
            std::stable_sort(
                rows.begin(), rows.end(), [](const QueryResult& a, const QueryResult& b) {
                    return std::tie(a.MODULENAME, a.SYMBOL) < std::tie(b.MODULENAME, b.SYMBOL);
                });
            break;
        case 2:
            std::stable_sort(
                rows.begin(), rows.end(), [](const QueryResult& a, const QueryResult& b) {
                    return std::tie(a.MODULENAME, a.ORDINAL) < std::tie(b.MODULENAME, b.ORDINAL);
                });
            break;
        default:
            std::stable_sort(rows.begin(), rows.end(),
                             [](const QueryResult& a, const QueryResult& b) {
                                 return std::tie(a.MODULENAME, a.SYMBOL, a.ORDINAL) <
                                        std::tie(b.MODULENAME, b.SYMBOL, b.ORDINAL);
                             });
            break;
    }
}

}  // namespace quillon
