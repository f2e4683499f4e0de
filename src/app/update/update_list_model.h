// UpdateListModel: the "Update library" list over the kept update list.
#pragma once

#include <QAbstractTableModel>

#include "core/workspace.h"

namespace quillon::app {

/// A table model over the update list kept for the run (read in place).
class UpdateListModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Module, FunctionName, Ordinal, Change, ColumnCount };

    explicit UpdateListModel(Workspace& ws, QObject* parent = nullptr);

    [[nodiscard]] int rowCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] int columnCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override;
    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation,
                                      int role) const override;

    /// Reads the rows again after the list was built or cleared.
    void reload();

private:
    Workspace& m_ws;
};

}  // namespace quillon::app
