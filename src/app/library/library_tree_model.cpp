// The library tree model over the core's rows.
#include "app/library/library_tree_model.h"

#include <QStringList>

#include <algorithm>

#include "app/widgets/icon_set.h"
#include "app/widgets/in_place_edit_delegate.h"
#include "app/widgets/qt_ui.h"
#include "core/library_model.h"
#include "exe/undecorated_name.h"
#include "maintenance/symbol_edit.h"

namespace quillon::app {

namespace {
// Top-level items carry internal id 0; a symbol carries its module's number plus 1.
constexpr quintptr kTopLevel = 0;

/// The module's file and, when it differs, the located file or the text saying it was not
/// found.
QVariant moduleToolTip(const LibraryRow& row)
{
    QStringList lines;
    if (!row.fileName().empty())
        lines << fromPath(row.fileName());
    if (!row.fileNameDll().empty() && row.fileNameDll() != row.fileName())
        lines << fromPath(row.fileNameDll());
    if (lines.isEmpty())
        return {};
    return lines.join('\n');
}

}  // namespace

LibraryTreeModel::LibraryTreeModel(Workspace& ws, const IconSet& icons, QObject* parent)
    : QAbstractItemModel(parent), m_ws(ws), m_icons(icons)
{
    rebuildIndex();
}

void LibraryTreeModel::rebuildIndex()
{
    m_moduleRows.clear();
    const LibraryList& rows = m_ws.library.rows;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].isModule())
            m_moduleRows.push_back(i);
    }
}

std::size_t LibraryTreeModel::moduleEnd(std::size_t module) const
{
    // While a change runs the positions kept may lie past the end of the list.
    const std::size_t size = m_ws.library.rows.size();
    return module + 1 < m_moduleRows.size() ? std::min(m_moduleRows[module + 1], size) : size;
}

std::size_t LibraryTreeModel::moduleOfRow(std::size_t row) const
{
    const auto it = std::upper_bound(m_moduleRows.begin(), m_moduleRows.end(), row);
    return static_cast<std::size_t>(it - m_moduleRows.begin()) - 1;
}

QModelIndex LibraryTreeModel::index(int row, int column, const QModelIndex& parent) const
{
    if (row < 0 || column < 0 || column >= ColumnCount)
        return {};
    if (!parent.isValid()) {
        if (static_cast<std::size_t>(row) >= m_moduleRows.size())
            return {};
        return createIndex(row, column, kTopLevel);
    }
    if (parent.internalId() != kTopLevel)
        return {};
    const auto module = static_cast<std::size_t>(parent.row());
    if (row >= rowCount(parent))
        return {};
    return createIndex(row, column, static_cast<quintptr>(module + 1));
}

QModelIndex LibraryTreeModel::parent(const QModelIndex& child) const
{
    if (!child.isValid() || child.internalId() == kTopLevel)
        return {};
    return createIndex(static_cast<int>(child.internalId() - 1), 0, kTopLevel);
}

int LibraryTreeModel::rowCount(const QModelIndex& parent) const
{
    if (!parent.isValid())
        return static_cast<int>(m_moduleRows.size());
    if (parent.column() != 0 || parent.internalId() != kTopLevel)
        return 0;
    const auto module = static_cast<std::size_t>(parent.row());
    if (module >= m_moduleRows.size())
        return 0;
    const std::size_t first = m_moduleRows[module];
    const std::size_t end = moduleEnd(module);
    return end > first + 1 ? static_cast<int>(end - first - 1) : 0;
}

int LibraryTreeModel::columnCount(const QModelIndex& parent) const
{
    (void)parent;
    return ColumnCount;
}

bool LibraryTreeModel::hasChildren(const QModelIndex& parent) const
{
    return rowCount(parent) > 0;
}

std::optional<std::size_t> LibraryTreeModel::rowOf(const QModelIndex& index) const
{
    if (!index.isValid() || index.model() != this)
        return std::nullopt;
    if (index.internalId() == kTopLevel) {
        const auto module = static_cast<std::size_t>(index.row());
        if (module >= m_moduleRows.size() || m_moduleRows[module] >= m_ws.library.rows.size())
            return std::nullopt;
        return m_moduleRows[module];
    }
    const auto module = static_cast<std::size_t>(index.internalId() - 1);
    if (module >= m_moduleRows.size())
        return std::nullopt;
    const std::size_t row = m_moduleRows[module] + 1 + static_cast<std::size_t>(index.row());
    if (row >= moduleEnd(module))
        return std::nullopt;
    return row;
}

QModelIndex LibraryTreeModel::indexOfRow(std::size_t row, int column) const
{
    if (row >= m_ws.library.rows.size() || m_moduleRows.empty() || row < m_moduleRows.front())
        return {};
    const std::size_t module = moduleOfRow(row);
    if (m_moduleRows[module] == row)
        return createIndex(static_cast<int>(module), column, kTopLevel);
    return createIndex(static_cast<int>(row - m_moduleRows[module] - 1), column,
                       static_cast<quintptr>(module + 1));
}

QVariant LibraryTreeModel::data(const QModelIndex& index, int role) const
{
    const auto pos = rowOf(index);
    if (!pos)
        return {};
    const LibraryRow& row = m_ws.library.rows[*pos];
    if (role == kRowRole)
        return QVariant::fromValue<qulonglong>(*pos);
    if (role == Qt::DecorationRole && index.column() == Name)
        return m_icons.listIcon(row.ICON);
    const bool undecorate = m_ws.options.UseUndecoratedNames && row.isSymbol();
    if (role == Qt::ToolTipRole && index.column() == Name && row.isModule())
        return moduleToolTip(row);
    // Shown undecorated, a name's tool tip holds its whole undecorated and its exported form.
    if (role == Qt::ToolTipRole && index.column() == Name && undecorate) {
        const std::string tip = exe::undecoratedToolTip(row.SYMBOL);
        return tip.empty() ? QVariant() : QVariant(fromCp1252(tip));
    }
    if (role == Qt::TextAlignmentRole && index.column() != Name)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    if (role == InPlaceEditDelegate::kOrdinalRole)
        return index.column() == Ordinal;
    if (role == Qt::EditRole && index.column() == Name)
        return fromCp1252(row.SYMBOL);
    if (role == Qt::EditRole && index.column() == Ordinal)
        return QString::number(row.ORDINAL);
    if (role != Qt::DisplayRole)
        return {};
    switch (index.column()) {
        case Name:
            return fromCp1252(exe::shownName(row.SYMBOL, undecorate));
        case Ordinal:
            return row.ORDINAL == 0 ? QString() : QString::number(row.ORDINAL);
        case OrdinalHex:
            return row.isModule() ? QString() : QString::fromStdString(ordinalHexText(row.ORDINAL));
        case EntryPoint:
            // The entry point is never set, so its column stays blank.
            return QString();
        case Unsorted:
            return row.UNSORTED == 0 ? QString() : QString::number(row.UNSORTED);
        default:
            return {};
    }
}

QVariant LibraryTreeModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
        case Name:
            return QStringLiteral("Module/Function");
        case Ordinal:
            return QStringLiteral("Ordinal");
        case OrdinalHex:
            return QStringLiteral("Ordinal hex");
        case EntryPoint:
            return QStringLiteral("Entry point");
        case Unsorted:
            return QStringLiteral("Unsorted");
        default:
            return QString();
    }
}

Qt::ItemFlags LibraryTreeModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (index.internalId() != kTopLevel)
        f |= Qt::ItemNeverHasChildren;
    const bool editable =
        index.column() == Name || (index.column() == Ordinal && index.internalId() != kTopLevel);
    if (editable && !m_ws.options.UseNoEditInPlace)
        f |= Qt::ItemIsEditable;
    return f;
}

bool LibraryTreeModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    const auto pos = rowOf(index);
    if (!pos || role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable))
        return false;
    const auto field =
        index.column() == Ordinal ? maintenance::EditField::Ordinal : maintenance::EditField::Name;
    if (!maintenance::commitInPlaceEdit(m_ws, *pos, field, toCp1252(value.toString())))
        return false;
    // A module's new name reaches its symbol rows, and the marks may have moved anywhere.
    allRowsChanged();
    emit rowEdited(*pos);
    return true;
}

void LibraryTreeModel::insertRowWith(std::size_t at, const std::function<bool()>& insert)
{
    const LibraryList& rows = m_ws.library.rows;
    if (at == 0 || at > rows.size() || m_moduleRows.empty()) {
        resetWith([&] { (void)insert(); });
        return;
    }
    const std::size_t module = moduleOfRow(at - 1);
    const QModelIndex parent = createIndex(static_cast<int>(module), 0, kTopLevel);
    const int child = static_cast<int>(at - m_moduleRows[module] - 1);
    beginInsertRows(parent, child, child);
    const bool inserted = insert();
    for (std::size_t m = module + 1; inserted && m < m_moduleRows.size(); ++m)
        ++m_moduleRows[m];
    endInsertRows();
    if (!inserted)
        resetWith([] {});  // the views counted a row that never came
}

void LibraryTreeModel::resetWith(const std::function<void()>& change)
{
    // While the rows change, a message box or a progress poll runs the event loop and the
    // views paint: they keep showing the rows as they were (every position read is checked
    // against the list), and the reset follows once the change is over.
    ++m_changeDepth;
    change();
    if (--m_changeDepth > 0)
        return;
    beginResetModel();
    rebuildIndex();
    endResetModel();
}

void LibraryTreeModel::rowsChanged(std::size_t first, std::size_t last)
{
    last = std::min(last, m_ws.library.rows.size());
    std::size_t i = first;
    while (i < last) {
        const QModelIndex start = indexOfRow(i);
        if (!start.isValid())
            return;
        // One signal per run of rows under the same parent.
        std::size_t end = i + 1;
        if (start.internalId() == kTopLevel) {
            while (end < last && m_ws.library.rows[end].isModule())
                ++end;
        } else {
            const std::size_t module = start.internalId() - 1;
            end = std::min(last, moduleEnd(module));
        }
        emit dataChanged(start, indexOfRow(end - 1, ColumnCount - 1));
        i = end;
    }
}

void LibraryTreeModel::allRowsChanged()
{
    if (m_moduleRows.empty())
        return;
    emit dataChanged(index(0, 0),
                     index(static_cast<int>(m_moduleRows.size()) - 1, ColumnCount - 1));
    for (std::size_t module = 0; module < m_moduleRows.size(); ++module) {
        const std::size_t first = m_moduleRows[module];
        const std::size_t end = moduleEnd(module);
        if (end > first + 1 && m_ws.library.rows[first].expanded())
            emit dataChanged(indexOfRow(first + 1), indexOfRow(end - 1, ColumnCount - 1));
    }
}

}  // namespace quillon::app
