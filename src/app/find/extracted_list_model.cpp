// The table model of the extracted functions.
#include "app/find/extracted_list_model.h"

#include "app/widgets/icon_set.h"
#include "app/widgets/in_place_edit_delegate.h"
#include "app/widgets/qt_ui.h"
#include "exe/undecorated_name.h"
#include "maintenance/list_entry_edit.h"

namespace quillon::app {

namespace {

// The list icons of a symbol row, plain and marked.

}  // namespace

ExtractedListModel::ExtractedListModel(Workspace& ws, const IconSet& icons, QObject* parent)
    : QAbstractTableModel(parent), m_ws(ws), m_icons(icons)
{
}

int ExtractedListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_ws.queryResults.size());
}

int ExtractedListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ExtractedListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const QueryResult& entry = m_ws.queryResults.rows[static_cast<std::size_t>(index.row())];
    if (role == InPlaceEditDelegate::kOrdinalRole)
        return index.column() == Ordinal;
    if (role == Qt::EditRole && index.column() == Function)
        return fromCp1252(entry.SYMBOL);
    if (role == Qt::EditRole && index.column() == Ordinal)
        return QString::number(entry.ORDINAL);
    if (role == Qt::DisplayRole) {
        switch (index.column()) {
            case Module:
                return fromCp1252(entry.MODULENAME.view());
            case Function:
                return fromCp1252(exe::shownName(entry.SYMBOL, m_ws.options.UseUndecoratedNames));
            case Ordinal:
                return entry.ORDINAL == 0 ? QString() : QString::number(entry.ORDINAL);
            default:
                return {};
        }
    }
    if (role == Qt::ToolTipRole && index.column() == Function && m_ws.options.UseUndecoratedNames) {
        const std::string tip = exe::undecoratedToolTip(entry.SYMBOL);
        return tip.empty() ? QVariant() : QVariant(fromCp1252(tip));
    }
    if (role == Qt::DecorationRole && index.column() == Module)
        return m_icons.listIcon(entry.MARK != 0 ? RowIcon::FunctionHookBlue : RowIcon::Function);
    if (role == Qt::TextAlignmentRole && index.column() == Ordinal)
        return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

QVariant ExtractedListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
        case Module:
            return QString("Module");
        case Function:
            return QString("Function name");
        case Ordinal:
            return QString("Ordinal");
        default:
            return {};
    }
}

Qt::ItemFlags ExtractedListModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    const bool editable = index.column() == Function || index.column() == Ordinal;
    if (index.isValid() && editable && !m_ws.options.UseNoEditInPlace)
        f |= Qt::ItemIsEditable;
    return f;
}

bool ExtractedListModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || index.row() >= rowCount() || !(flags(index) & Qt::ItemIsEditable))
        return false;
    const auto field = index.column() == Ordinal ? maintenance::EditField::Ordinal
                                                 : maintenance::EditField::Name;
    if (!maintenance::commitExtractedEdit(m_ws, static_cast<std::size_t>(index.row()), field,
                                          toCp1252(value.toString())))
        return false;
    emit dataChanged(index.siblingAtColumn(0), index.siblingAtColumn(ColumnCount - 1));
    return true;
}

void ExtractedListModel::resetWith(const std::function<void()>& change)
{
    beginResetModel();
    change();
    endResetModel();
}

void ExtractedListModel::removeEntry(std::size_t row)
{
    std::vector<QueryResult>& rows = m_ws.queryResults.rows;
    if (row >= rows.size())
        return;
    const int at = static_cast<int>(row);
    beginRemoveRows({}, at, at);
    rows.erase(rows.begin() + static_cast<std::ptrdiff_t>(row));
    endRemoveRows();
}

}  // namespace quillon::app
