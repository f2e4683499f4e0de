// CompareShownRows: the rows the "Disk-compare" list shows, in its order, as the export list
// and the find see them.
#pragma once

#include <cstddef>
#include <string_view>

#include "app/compare/compare_list_model.h"
#include "query/search_list.h"
#include "reports/export_rows.h"

namespace quillon::app {

/// The shown rows of a `CompareListModel` (filtered and sorted as on screen): each exports
/// with its change marker in the comment field and is found by its function name.
class CompareShownRows final : public reports::ExportRowSource, public query::SearchList {
public:
    explicit CompareShownRows(const CompareListModel& model) : m_model(model) {}

    [[nodiscard]] std::size_t size() const override { return rowCount(); }
    [[nodiscard]] reports::ExportRow at(std::size_t i) const override
    {
        const reports::CompareRow& r = row(i);
        return reports::ExportRow{r.MODULENAME.view(), r.SYMBOL, r.ORDINAL, r.COMMENT, false};
    }

    [[nodiscard]] std::size_t rowCount() const override
    {
        return static_cast<std::size_t>(m_model.rowCount());
    }
    [[nodiscard]] std::string_view rowText(std::size_t i) const override { return row(i).SYMBOL; }

private:
    [[nodiscard]] const reports::CompareRow& row(std::size_t i) const
    {
        return *m_model.rowAt(static_cast<int>(i));
    }

    const CompareListModel& m_model;
};

}  // namespace quillon::app
