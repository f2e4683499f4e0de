// The table model of the extracted functions.
#include "app/find/extracted_list_model.h"

#include "app/widgets/icon_set.h"
#include "app/widgets/qt_ui.h"
#include "exe/undecorated_name.h"

namespace quillon::app {

namespace {

// The list icons of a symbol row, plain and hooked.
constexpr int kSymbolIcon = 101;
constexpr int kHookedSymbolIcon = 102;

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
    if (role == Qt::DisplayRole) {
        switch (index.column()) {
            case Module:
                return fromCp1252(entry.MODULENAME.view());
            case Function:
                return fromCp1252(
                    exe::shownName(entry.SYMBOL, m_ws.options.UseUndecoratedNames != 0));
            case Ordinal:
                return entry.ORDINAL == 0 ? QString() : QString::number(entry.ORDINAL);
            default:
                return {};
        }
    }
    if (role == Qt::ToolTipRole && index.column() == Function &&
        m_ws.options.UseUndecoratedNames != 0) {
        const std::string tip = exe::undecoratedToolTip(entry.SYMBOL);
        return tip.empty() ? QVariant() : QVariant(fromCp1252(tip));
    }
    if (role == Qt::DecorationRole && index.column() == Module)
        return m_icons.listIcon(entry.MARK != 0 ? kHookedSymbolIcon : kSymbolIcon);
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
