// CompareListModel: the "Disk-compare" list over the comparison's rows, with its filter and
// sort orders.
#pragma once

#include <QAbstractTableModel>

#include <cstddef>
#include <vector>

#include "core/workspace.h"
#include "reports/compare_types.h"

namespace quillon::app {

/// A table model over the last comparison's `CompareList` (read in place). The rows shown
/// are an order of positions: all rows, or with "Show only changed" those not "<Unchanged>",
/// sorted by name, ordinal or file order. Names and ordinals are edited in place as the
/// library list's are.
class CompareListModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Module, FunctionName, Ordinal, Change, ColumnCount };
    enum class SortField { Name, Ordinal, FileOrder };

    explicit CompareListModel(Workspace& ws, QObject* parent = nullptr);

    [[nodiscard]] int rowCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] int columnCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override;
    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation,
                                      int role) const override;
    /// "Function name" and "Ordinal" are edited in place unless the options turn that off.
    [[nodiscard]] Qt::ItemFlags flags(const QModelIndex& index) const override;
    /// Stores an edit of a function name or ordinal; false when refused (the user was told).
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

    /// Reads the rows again after a comparison or "Clear list".
    void refresh();
    void setShowOnlyChanged(bool on);
    [[nodiscard]] bool showOnlyChanged() const { return m_onlyChanged; }
    void sortBy(SortField field, bool descending);
    [[nodiscard]] SortField sortField() const { return m_field; }
    [[nodiscard]] bool descending() const { return m_descending; }

    /// The row shown at view row `row`, or null.
    [[nodiscard]] const reports::CompareRow* rowAt(int row) const;

private:
    void rebuild();

    Workspace& m_ws;
    std::vector<std::size_t> m_order;
    bool m_onlyChanged = false;
    SortField m_field = SortField::Ordinal;
    bool m_descending = false;
};

}  // namespace quillon::app
