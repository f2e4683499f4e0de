// SearchList: the compared texts of a list a find runs over.
#pragma once

#include <cstddef>
#include <string_view>

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

/// `ModuleTable` in its own order: `MODULENAME`.
class ModuleTableSearchList final : public SearchList {
public:
    explicit ModuleTableSearchList(const Workspace& ws) : m_modules(ws.library.modules) {}
    [[nodiscard]] std::size_t rowCount() const override { return m_modules.size(); }
    [[nodiscard]] std::string_view rowText(std::size_t row) const override
    {
        return m_modules[row].MODULENAME.view();
    }

private:
    const ModuleTable& m_modules;
};

}  // namespace quillon::query
