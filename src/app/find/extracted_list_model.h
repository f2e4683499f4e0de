// ExtractedListModel: the extracted functions (`QueryResultList`) as a table of the window.
#pragma once

#include <QAbstractTableModel>

#include <functional>

#include "core/workspace.h"

namespace quillon::app {

class IconSet;

/// Reads the core's rows in place: "Module", "Function name", "Ordinal"; a row added by the
/// most recent query or extraction shows the hook. Every change of the list goes through
/// `resetWith`, `removeEntry` or an edit in place (`setData`).
class ExtractedListModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Module = 0, Function = 1, Ordinal = 2, ColumnCount = 3 };

    ExtractedListModel(Workspace& ws, const IconSet& icons, QObject* parent = nullptr);

    [[nodiscard]] int rowCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] int columnCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override;
    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation,
                                      int role) const override;
    /// "Function name" and "Ordinal" are edited in place unless the options turn that off.
    [[nodiscard]] Qt::ItemFlags flags(const QModelIndex& index) const override;
    /// Stores an edit of a function name or ordinal; false when refused (the user was told).
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

    /// Runs `change` on the list and shows the list again.
    void resetWith(const std::function<void()>& change);
    /// Removes entry `row` from the list.
    void removeEntry(std::size_t row);

private:
    Workspace& m_ws;
    const IconSet& m_icons;
};

}  // namespace quillon::app
