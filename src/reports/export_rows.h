// The rows an export list is written from: any list that can tell, row by row, its module,
// symbol, ordinal and comment.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "core/workspace.h"

namespace quillon::reports {

/// One row to be listed. Views stay valid while the list they come from is not changed.
struct ExportRow {
    std::string_view module;
    std::string_view symbol;
    std::uint16_t ordinal = 0;
    std::string_view comment;
    /// A module row of a list in tree form: it only switches the module, no symbol line.
    bool moduleRow = false;
};

/// A list of export rows in order. The library, the extracted functions and the disk-compare
/// list each give theirs through this interface.
class ExportRowSource {
public:
    virtual ~ExportRowSource() = default;
    [[nodiscard]] virtual std::size_t size() const = 0;
    /// Row `i`, 0-based, `i < size()`.
    [[nodiscard]] virtual ExportRow at(std::size_t i) const = 0;
};

/// `PassList` in flat form: every entry is a symbol row.
class PassListRows final : public ExportRowSource {
public:
    explicit PassListRows(const PassList& rows) : m_rows(rows) {}
    [[nodiscard]] std::size_t size() const override { return m_rows.size(); }
    [[nodiscard]] ExportRow at(std::size_t i) const override
    {
        const PassEntry& e = m_rows[i];
        return ExportRow{e.MODULENAME.view(), e.SYMBOL, e.ORDINAL, e.COMMENT, false};
    }

private:
    const PassList& m_rows;
};

/// `QueryResultList` in its order, flat form, without comments.
class QueryResultRows final : public ExportRowSource {
public:
    explicit QueryResultRows(const QueryResultList& list) : m_list(list) {}
    [[nodiscard]] std::size_t size() const override { return m_list.size(); }
    [[nodiscard]] ExportRow at(std::size_t i) const override
    {
        const QueryResult& e = m_list.rows[i];
        return ExportRow{e.MODULENAME.view(), e.SYMBOL, e.ORDINAL, {}, false};
    }

private:
    const QueryResultList& m_list;
};

/// Copies the symbol rows of the library into `PassList` (flat form): all of them, or, when
/// `moduleRow` is set, those of the module whose module row is at that position. Returns the
/// number of rows copied.
std::size_t fillExportRows(Workspace& ws, std::optional<std::size_t> moduleRow);

}  // namespace quillon::reports
