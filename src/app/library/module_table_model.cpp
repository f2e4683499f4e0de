// The module table model of the library data window.
#include "app/library/module_table_model.h"

#include <algorithm>
#include <string_view>

#include "app/widgets/icon_set.h"
#include "app/widgets/qt_ui.h"
#include "core/module_numbers.h"
#include "reports/compare_state.h"

namespace quillon::app {

namespace {

constexpr std::size_t kNoRow = static_cast<std::size_t>(-1);

char upperAscii(char c)
{
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

/// Compares two texts without regard to the letter case of A to Z.
int compareNoCase(std::string_view a, std::string_view b)
{
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const auto x = static_cast<unsigned char>(upperAscii(a[i]));
        const auto y = static_cast<unsigned char>(upperAscii(b[i]));
        if (x != y)
            return x < y ? -1 : 1;
    }
    if (a.size() == b.size())
        return 0;
    return a.size() < b.size() ? -1 : 1;
}

}  // namespace

ModuleTableModel::ModuleTableModel(const Workspace& ws, const IconSet& icons, QObject* parent)
    : QAbstractTableModel(parent), m_ws(ws), m_icons(icons)
{
    rebuildLinks();
    applySort();
}

int ModuleTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_order.size());
}

int ModuleTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

std::optional<std::size_t> ModuleTableModel::entryOf(int row) const
{
    if (row < 0 || static_cast<std::size_t>(row) >= m_order.size())
        return std::nullopt;
    const std::size_t entry = m_order[static_cast<std::size_t>(row)];
    // The table may be rebuilt by an operation that is still running; never read past it.
    if (entry >= m_ws.library.modules.size())
        return std::nullopt;
    return entry;
}

int ModuleTableModel::rowOfEntry(std::size_t entry) const
{
    return entry < m_rowOfEntry.size() ? m_rowOfEntry[entry] : -1;
}

std::optional<std::size_t> ModuleTableModel::libraryRowOf(std::size_t entry) const
{
    if (entry >= m_libraryRows.size() || m_libraryRows[entry] == kNoRow ||
        m_libraryRows[entry] >= m_ws.library.rows.size())
        return std::nullopt;
    return m_libraryRows[entry];
}

QVariant ModuleTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.model() != this)
        return {};
    const auto entry = entryOf(index.row());
    if (!entry)
        return {};
    const ModuleEntry& module = m_ws.library.modules[*entry];
    const int column = index.column();
    if (role == Qt::DecorationRole && column == ModuleName) {
        const auto row = libraryRowOf(*entry);
        return row ? QVariant(m_icons.listIcon(m_ws.library.rows[*row].ICON)) : QVariant();
    }
    if (role == Qt::ToolTipRole && column == ModuleName && !module.FILENAMEDLL.empty())
        return fromPath(module.FILENAMEDLL);
    if (role == Qt::TextAlignmentRole && column >= Number && column <= ExportedByName)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return {};
    switch (column) {
        case ModuleName:
            return fromCp1252(module.MODULENAME.view());
        case Number:
            return QString::number(module.MODULENUM);
        case Level:
            return QString::number(static_cast<int>(module.TREELEVEL));
        case ExportedByName:
            return QString::number(module.FUNCTIONNUM);
        case SourceFile:
            return fromPath(module.FILENAME);
        case LocatedFile:
            return fromPath(module.FILENAMEDLL);
        case CompareResult:
            return fromCp1252(reports::moduleCompareResult(m_ws, module.MODULENAME.view()));
        default:
            return {};
    }
}

QVariant ModuleTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
        case ModuleName:
            return QStringLiteral("Module name");
        case Number:
            return QStringLiteral("Number");
        case Level:
            return QStringLiteral("Level");
        case ExportedByName:
            return QStringLiteral("Exported by name");
        case SourceFile:
            return QStringLiteral("Library file name (source)");
        case LocatedFile:
            return QStringLiteral("Located DLL files");
        case CompareResult:
            return QStringLiteral("Compare result");
        default:
            return {};
    }
}

Qt::ItemFlags ModuleTableModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}

void ModuleTableModel::rebuildLinks()
{
    const ModuleTable& modules = m_ws.library.modules;
    const LibraryList& rows = m_ws.library.rows;
    // Module numbers are unique after a table rebuild and travel with their rows when the
    // library is sorted, so they tie entries to rows in any sort order.
    std::vector<std::size_t> rowOfNumber(moduleNumberBound(rows, modules), kNoRow);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].isModule() && rowOfNumber[rows[i].MODULENUM] == kNoRow)
            rowOfNumber[rows[i].MODULENUM] = i;
    }
    m_libraryRows.assign(modules.size(), kNoRow);
    for (std::size_t e = 0; e < modules.size(); ++e)
        m_libraryRows[e] = rowOfNumber[modules[e].MODULENUM];
    m_order.resize(modules.size());
    for (std::size_t e = 0; e < modules.size(); ++e)
        m_order[e] = e;
}

bool ModuleTableModel::lessThan(std::size_t a, std::size_t b) const
{
    const ModuleEntry& x = m_ws.library.modules[a];
    const ModuleEntry& y = m_ws.library.modules[b];
    switch (m_sortColumn) {
        case ModuleName:
            return compareNoCase(x.MODULENAME.view(), y.MODULENAME.view()) < 0;
        case Number:
            return x.MODULENUM < y.MODULENUM;
        case Level:
            return x.TREELEVEL < y.TREELEVEL;
        case ExportedByName:
            return x.FUNCTIONNUM < y.FUNCTIONNUM;
        case SourceFile:
            return compareNoCase(x.FILENAME, y.FILENAME) < 0;
        case LocatedFile:
            return compareNoCase(x.FILENAMEDLL, y.FILENAMEDLL) < 0;
        case CompareResult:
            return compareNoCase(reports::moduleCompareResult(m_ws, x.MODULENAME.view()),
                                 reports::moduleCompareResult(m_ws, y.MODULENAME.view())) < 0;
        default:
            return a < b;
    }
}

void ModuleTableModel::applySort()
{
    if (m_sortColumn >= 0 && m_sortColumn < ColumnCount) {
        std::stable_sort(m_order.begin(), m_order.end(), [this](std::size_t a, std::size_t b) {
            return m_sortOrder == Qt::AscendingOrder ? lessThan(a, b) : lessThan(b, a);
        });
    }
    m_rowOfEntry.assign(m_order.size(), -1);
    for (std::size_t r = 0; r < m_order.size(); ++r)
        m_rowOfEntry[m_order[r]] = static_cast<int>(r);
}

void ModuleTableModel::sort(int column, Qt::SortOrder order)
{
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList before = persistentIndexList();
    std::vector<std::size_t> entries;
    entries.reserve(static_cast<std::size_t>(before.size()));
    for (const QModelIndex& index : before)
        entries.push_back(m_order[static_cast<std::size_t>(index.row())]);

    m_sortColumn = column;
    m_sortOrder = order;
    // A fresh order each time, so that ties follow the table and not the previous sort.
    for (std::size_t e = 0; e < m_order.size(); ++e)
        m_order[e] = e;
    applySort();

    QModelIndexList after;
    after.reserve(before.size());
    for (qsizetype i = 0; i < before.size(); ++i)
        after.push_back(
            index(m_rowOfEntry[entries[static_cast<std::size_t>(i)]], before[i].column()));
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void ModuleTableModel::refresh()
{
    beginResetModel();
    rebuildLinks();
    applySort();
    endResetModel();
}

std::optional<int> ModuleTableModel::findRow(const QString& text, int startRow) const
{
    const int count = rowCount();
    if (text.isEmpty() || count == 0)
        return std::nullopt;
    const int start = std::clamp(startRow, 0, count - 1);
    for (int step = 0; step < count; ++step) {
        const int row = (start + step) % count;
        const auto entry = entryOf(row);
        if (!entry)
            continue;
        const ModuleEntry& module = m_ws.library.modules[*entry];
        if (fromCp1252(module.MODULENAME.view()).contains(text, Qt::CaseInsensitive) ||
            fromPath(module.FILENAME).contains(text, Qt::CaseInsensitive) ||
            fromPath(module.FILENAMEDLL).contains(text, Qt::CaseInsensitive))
            return row;
    }
    return std::nullopt;
}

}  // namespace quillon::app
