// LibraryTreeModel: the library list as a tree of modules and symbols, read in place.
#pragma once

#include <QAbstractItemModel>

#include <cstddef>
#include <functional>
#include <optional>
#include <vector>

#include "core/workspace.h"

namespace quillon::app {

class IconSet;

/// A Qt model over `Workspace::library.rows` without a copy: module rows are the top level,
/// symbol rows their children. Only a vector of module row positions is kept beside the list,
/// rebuilt on every reset, so a million rows open at once and scroll without work per row.
class LibraryTreeModel final : public QAbstractItemModel {
    Q_OBJECT
public:
    enum Column { Name, Ordinal, OrdinalHex, EntryPoint, Unsorted, Spacer, ColumnCount };
    /// Role giving the row's position in `LibraryList` (qulonglong).
    static constexpr int kRowRole = Qt::UserRole + 1;

    LibraryTreeModel(Workspace& ws, const IconSet& icons, QObject* parent = nullptr);

    [[nodiscard]] QModelIndex index(int row, int column,
                                    const QModelIndex& parent = {}) const override;
    [[nodiscard]] QModelIndex parent(const QModelIndex& child) const override;
    [[nodiscard]] int rowCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] int columnCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] bool hasChildren(const QModelIndex& parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override;
    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation,
                                      int role) const override;
    [[nodiscard]] Qt::ItemFlags flags(const QModelIndex& index) const override;
    /// Edit in place: the name of a row or the ordinal of a symbol row, stored by the editing
    /// rules; false when refused (the row stays as it was).
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

    /// The model index of the row at `row` of `LibraryList` (column `column`).
    [[nodiscard]] QModelIndex indexOfRow(std::size_t row, int column = 0) const;
    /// The `LibraryList` position of an index.
    [[nodiscard]] std::optional<std::size_t> rowOf(const QModelIndex& index) const;
    /// The number of modules shown (top-level items).
    [[nodiscard]] std::size_t moduleCount() const { return m_moduleRows.size(); }
    /// The `LibraryList` position of module `module` (0-based).
    [[nodiscard]] std::size_t moduleRow(std::size_t module) const { return m_moduleRows[module]; }

    /// Runs `change`, which may replace or reorder the whole list, then resets the model. The
    /// views show the rows as they were until the change is over.
    void resetWith(const std::function<void()>& change);
    /// Tells the views that rows [first, last) changed in place (icons, marks, texts).
    void rowsChanged(std::size_t first, std::size_t last);
    /// Tells the views that every row may have changed in place.
    void allRowsChanged();
    /// Inserts a row under the module of `at` by running `insert`, which puts exactly one row
    /// at `at` of `LibraryList` or, returning false, none.
    void insertRowWith(std::size_t at, const std::function<bool()>& insert);

signals:
    /// An edit in place was stored in the row at `row`.
    void rowEdited(std::size_t row);

private:
    void rebuildIndex();
    [[nodiscard]] std::size_t moduleOfRow(std::size_t row) const;
    [[nodiscard]] std::size_t moduleEnd(std::size_t module) const;

    Workspace& m_ws;
    const IconSet& m_icons;
    std::vector<std::size_t> m_moduleRows;
    int m_changeDepth = 0;
};

}  // namespace quillon::app
