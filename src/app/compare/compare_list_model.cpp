// The "Disk-compare" list model.
#include "app/compare/compare_list_model.h"

#include <QColor>

#include <algorithm>

#include "app/widgets/in_place_edit_delegate.h"
#include "app/widgets/qt_ui.h"
#include "exe/undecorated_name.h"
#include "reports/compare_colours.h"
#include "reports/compare_edit.h"
#include "reports/compare_state.h"

namespace quillon::app {

namespace {

QColor fromBgr(std::uint32_t bgr)
{
    return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                  static_cast<int>((bgr >> 16) & 0xFF));
}

const reports::CompareList& rowsOf(const Workspace& ws)
{
    return reports::compareState(ws).last.rows;
}

}  // namespace

CompareListModel::CompareListModel(Workspace& ws, QObject* parent)
    : QAbstractTableModel(parent), m_ws(ws)
{
    rebuild();
}

int CompareListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_order.size());
}

int CompareListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

const reports::CompareRow* CompareListModel::rowAt(int row) const
{
    if (row < 0 || static_cast<std::size_t>(row) >= m_order.size())
        return nullptr;
    const reports::CompareList& rows = rowsOf(m_ws);
    const std::size_t at = m_order[static_cast<std::size_t>(row)];
    return at < rows.size() ? &rows[at] : nullptr;
}

QVariant CompareListModel::data(const QModelIndex& index, int role) const
{
    const reports::CompareRow* row = index.isValid() ? rowAt(index.row()) : nullptr;
    if (row == nullptr || index.column() < 0 || index.column() >= ColumnCount)
        return {};
    const auto column = static_cast<std::size_t>(index.column());
    const reports::CellColours colours = reports::cellColours(
        row->cells[column], reports::compareState(m_ws).last.options.partialMatch);
    const bool edited = index.column() == FunctionName || index.column() == Ordinal;
    if (role == InPlaceEditDelegate::kOrdinalRole)
        return index.column() == Ordinal;
    if (role == Qt::EditRole && edited)
        role = Qt::DisplayRole;
    switch (role) {
        case Qt::DisplayRole:
            switch (index.column()) {
                case Module:
                    return fromCp1252(row->MODULENAME.view());
                case FunctionName:
                    return fromCp1252(
                        exe::shownName(row->SYMBOL, m_ws.options.UseUndecoratedNames));
                case Ordinal:
                    return QString::number(row->ORDINAL);
                case Change:
                    return fromCp1252(row->COMMENT);
                default:
                    return {};
            }
        case Qt::ToolTipRole:
            if (index.column() == FunctionName && m_ws.options.UseUndecoratedNames) {
                const std::string tip = exe::undecoratedToolTip(row->SYMBOL);
                return tip.empty() ? QVariant() : QVariant(fromCp1252(tip));
            }
            return {};
        case Qt::ForegroundRole:
            if (row->cells[column] == reports::CellChange::None)
                return {};
            return fromBgr(colours.foreground);
        case Qt::BackgroundRole:
            return fromBgr(colours.background);
        case Qt::TextAlignmentRole:
            if (index.column() == Ordinal)
                return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
            return {};
        default:
            return {};
    }
}

QVariant CompareListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    static const char* const kTitles[] = {"Module", "Function name", "Ordinal", "Change"};
    return section >= 0 && section < ColumnCount ? QString(kTitles[section]) : QVariant();
}

Qt::ItemFlags CompareListModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    const bool editable = index.column() == FunctionName || index.column() == Ordinal;
    if (rowAt(index.row()) != nullptr && editable && !m_ws.options.UseNoEditInPlace)
        f |= Qt::ItemIsEditable;
    return f;
}

bool CompareListModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable))
        return false;
    const auto field = index.column() == Ordinal ? maintenance::EditField::Ordinal
                                                 : maintenance::EditField::Name;
    const std::size_t position = m_order[static_cast<std::size_t>(index.row())];
    if (!reports::commitCompareEdit(m_ws, position, field, toCp1252(value.toString())))
        return false;
    emit dataChanged(index.siblingAtColumn(0), index.siblingAtColumn(ColumnCount - 1));
    return true;
}

void CompareListModel::refresh()
{
    beginResetModel();
    rebuild();
    endResetModel();
}

void CompareListModel::setShowOnlyChanged(bool on)
{
    if (on == m_onlyChanged)
        return;
    m_onlyChanged = on;
    refresh();
}

void CompareListModel::sortBy(SortField field, bool descending)
{
    m_field = field;
    m_descending = descending;
    refresh();
}

void CompareListModel::rebuild()
{
    const reports::CompareList& rows = rowsOf(m_ws);
    m_order.clear();
    m_order.reserve(rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (!m_onlyChanged || rows[i].changes != reports::kUnchanged)
            m_order.push_back(i);
    }
    const auto less = [this, &rows](std::size_t a, std::size_t b) {
        const reports::CompareRow& x = rows[a];
        const reports::CompareRow& y = rows[b];
        switch (m_field) {
            case SortField::Name:
                return x.SYMBOL < y.SYMBOL;
            case SortField::Ordinal:
                return x.ORDINAL < y.ORDINAL;
            case SortField::FileOrder:
                break;
        }
        return x.UNSORTED < y.UNSORTED;
    };
    std::stable_sort(m_order.begin(), m_order.end(), [&](std::size_t a, std::size_t b) {
        return m_descending ? less(b, a) : less(a, b);
    });
}

}  // namespace quillon::app
