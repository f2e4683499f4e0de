// The "Update library" list model.
#include "app/update/update_list_model.h"

#include "refresh/update_preview.h"

namespace quillon::app {

UpdateListModel::UpdateListModel(Workspace& ws, QObject* parent)
    : QAbstractTableModel(parent), m_ws(ws)
{
}

int UpdateListModel::rowCount(const QModelIndex& parent) const
{
    if (parent.isValid())
        return 0;
    return static_cast<int>(refresh::updatePreview(m_ws).rows.size());
}

int UpdateListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant UpdateListModel::data(const QModelIndex& index, int role) const
{
    const auto& rows = refresh::updatePreview(m_ws).rows;
    if (!index.isValid() || index.row() >= static_cast<int>(rows.size()))
        return {};
    const refresh::UpdatePreviewRow& row = rows[static_cast<std::size_t>(index.row())];
    if (role == Qt::TextAlignmentRole && index.column() == Ordinal)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return {};
    switch (index.column()) {
        case Module:
            return QString::fromStdString(row.module);
        case FunctionName:
            return QString::fromStdString(row.symbol);
        case Ordinal:
            return row.symbol.empty() ? QVariant() : QVariant(row.ordinal);
        case Change:
            return QString::fromStdString(row.change);
        default:
            return {};
    }
}

QVariant UpdateListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    static const char* const titles[] = {"Module", "Function name", "Ordinal", "Change"};
    return section >= 0 && section < ColumnCount ? QString(titles[section]) : QVariant();
}

void UpdateListModel::reload()
{
    beginResetModel();
    endResetModel();
}

}  // namespace quillon::app
