// SearchResultsModel: the search results of the file location (`ResultQ`), read in place.
#pragma once

#include <QAbstractTableModel>
#include <QString>

#include <cstdint>

#include "core/workspace.h"

namespace quillon::app {

/// A clock reading in hundredths of a second as "H:MM:SS.CC".
[[nodiscard]] QString clockText(std::int64_t hundredths);

/// A Qt table model over `Workspace::locate.results` without a copy, one row per search in
/// the order the searches ran. The columns carry the field names of the result rows.
class SearchResultsModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Module, File, Path, Source, Time, ProcessTime, Processes, Settings, ColumnCount };

    explicit SearchResultsModel(const Workspace& ws, QObject* parent = nullptr);

    [[nodiscard]] int rowCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] int columnCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override;
    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation,
                                      int role) const override;
    [[nodiscard]] Qt::ItemFlags flags(const QModelIndex& index) const override;

    /// Reads the results again (after a search added rows or the oldest were dropped).
    void refresh();

private:
    const Workspace& m_ws;
    /// The row count the views were last told of.
    int m_rows = 0;
};

}  // namespace quillon::app
