// SearchList: the compared texts of a list a find runs over.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

#include "core/workspace.h"

namespace quillon::query {

/// The rows of one list as the search sees them: a count and the text compared on each row
/// (0-based). The disk-compare list provides one of its own.
class SearchList {
public:
    virtual ~SearchList() = default;
    [[nodiscard]] virtual std::size_t rowCount() const = 0;
    [[nodiscard]] virtual std::string_view rowText(std::size_t row) const = 0;
};

/// `LibraryList`: `SYMBOL` (the module name on module rows, the symbol name on symbol rows).
class LibrarySearchList final : public SearchList {
public:
    explicit LibrarySearchList(const Workspace& ws) : m_rows(ws.library.rows) {}
    [[nodiscard]] std::size_t rowCount() const override { return m_rows.size(); }
    [[nodiscard]] std::string_view rowText(std::size_t row) const override
    {
        return m_rows[row].SYMBOL;
    }

private:
    const LibraryList& m_rows;
};

/// `QueryResultList`: `QUQ:SYMBOL`.
class ExtractedSearchList final : public SearchList {
public:
    explicit ExtractedSearchList(const Workspace& ws) : m_list(ws.queryResults) {}
    [[nodiscard]] std::size_t rowCount() const override { return m_list.size(); }
    [[nodiscard]] std::string_view rowText(std::size_t row) const override
    {
        return m_list.rows[row].SYMBOL;
    }

private:
    const QueryResultList& m_list;
};

/// `ModuleTable`: `MODULENAME`, in the table's own order or in the order a view shows it (row
/// n is entry `shownOrder[n]`), so that a find walks the rows as they are shown and reports
/// the row shown.
class ModuleTableSearchList final : public SearchList {
public:
    explicit ModuleTableSearchList(const Workspace& ws) : m_modules(ws.library.modules) {}
    /// Entries of `shownOrder` past the table's end are left out.
    ModuleTableSearchList(const Workspace& ws, const std::vector<std::size_t>& shownOrder)
        : m_modules(ws.library.modules), m_shown(true)
    {
        m_order.reserve(shownOrder.size());
        for (const std::size_t entry : shownOrder) {
            if (entry < m_modules.size())
                m_order.push_back(entry);
        }
    }
    [[nodiscard]] std::size_t rowCount() const override
    {
        return m_shown ? m_order.size() : m_modules.size();
    }
    [[nodiscard]] std::string_view rowText(std::size_t row) const override
    {
        return m_modules[m_shown ? m_order[row] : row].MODULENAME.view();
    }

private:
    const ModuleTable& m_modules;
    std::vector<std::size_t> m_order;
    bool m_shown = false;
};

}  // namespace quillon::query
