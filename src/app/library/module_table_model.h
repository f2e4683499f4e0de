// ModuleTableModel: the module table of the library data window, read in place and sorted
// through an order of positions.
#pragma once

#include <QAbstractTableModel>
#include <QString>

#include <cstddef>
#include <optional>
#include <vector>

#include "core/workspace.h"

namespace quillon::app {

class IconSet;

/// A Qt table model over `Workspace::library.modules` (`ModuleTable`) without a copy. Sorting
/// reorders only a vector of entry positions kept beside the table, never the table or the
/// library. Each entry is tied to its module row in `LibraryList` by `MODULENUM`, which gives
/// the row's icon and lets a view select the module in the library tree.
class ModuleTableModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column {
        ModuleName,
        Number,
        Level,
        ExportedByName,
        SourceFile,
        LocatedFile,
        CompareResult,
        ColumnCount
    };
    /// The columns the stored list format describes (the compare result is not among them).
    static constexpr int kFormatColumns = CompareResult;

    ModuleTableModel(const Workspace& ws, const IconSet& icons, QObject* parent = nullptr);

    [[nodiscard]] int rowCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] int columnCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override;
    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation,
                                      int role) const override;
    [[nodiscard]] Qt::ItemFlags flags(const QModelIndex& index) const override;
    /// Orders the rows by `column`; ties keep the table's own order.
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

    /// Reads the table again (after the library changed), keeping the sort column.
    void refresh();

    /// The `ModuleTable` positions in the order the rows are shown.
    [[nodiscard]] const std::vector<std::size_t>& shownOrder() const { return m_order; }
    /// The `ModuleTable` position shown at view row `row`.
    [[nodiscard]] std::optional<std::size_t> entryOf(int row) const;
    /// The view row showing `ModuleTable` entry `entry`; -1 when none.
    [[nodiscard]] int rowOfEntry(std::size_t entry) const;
    /// The `LibraryList` position of the module row of entry `entry`.
    [[nodiscard]] std::optional<std::size_t> libraryRowOf(std::size_t entry) const;

    /// The first view row from `startRow` on (wrapping round to the top) whose module name,
    /// library file name or located file name contains `text`, letter case ignored.
    [[nodiscard]] std::optional<int> findRow(const QString& text, int startRow) const;

private:
    void rebuildLinks();
    void applySort();
    [[nodiscard]] bool lessThan(std::size_t a, std::size_t b) const;

    const Workspace& m_ws;
    const IconSet& m_icons;
    /// View row -> table position, and back.
    std::vector<std::size_t> m_order;
    std::vector<int> m_rowOfEntry;
    /// Table position -> `LibraryList` position of its module row (npos when none).
    std::vector<std::size_t> m_libraryRows;
    int m_sortColumn = -1;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
};

}  // namespace quillon::app
