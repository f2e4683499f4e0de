// The search results model of the search results window.
#include "app/library/search_results_model.h"
#include "locate/locate_state.h"

#include "app/widgets/qt_ui.h"

namespace quillon::app {

QString clockText(std::int64_t hundredths)
{
    if (hundredths < 0)
        hundredths = 0;
    const std::int64_t seconds = hundredths / 100;
    return QStringLiteral("%1:%2:%3.%4")
        .arg(seconds / 3600)
        .arg(seconds / 60 % 60, 2, 10, QChar('0'))
        .arg(seconds % 60, 2, 10, QChar('0'))
        .arg(hundredths % 100, 2, 10, QChar('0'));
}

SearchResultsModel::SearchResultsModel(const Workspace& ws, QObject* parent)
    : QAbstractTableModel(parent), m_ws(ws), m_rows(static_cast<int>(locate::state(ws).results.size()))
{
}

int SearchResultsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

int SearchResultsModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant SearchResultsModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.model() != this)
        return {};
    const auto row = static_cast<std::size_t>(index.row());
    // Searches may add rows before the views are told; never read past the results.
    if (row >= locate::state(m_ws).results.size())
        return {};
    const locate::ResultRow& result = locate::state(m_ws).results[row];
    if (role == Qt::TextAlignmentRole && (index.column() == Time || index.column() == ProcessTime))
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole)
        return {};
    switch (index.column()) {
        case Module:
            return fromCp1252(result.MODULE);
        case File:
            return fromPath(result.FILE);
        case Path:
            return fromPath(result.PATH);
        case Source:
            return fromCp1252(result.SOURCE);
        case Time:
            return clockText(result.TIME);
        case ProcessTime:
            return fromCp1252(result.PROCESSTIMESTATIC);
        case Processes:
            return fromCp1252(result.PROCESSES);
        case Settings:
            return fromCp1252(result.SETTINGS);
        default:
            return {};
    }
}

QVariant SearchResultsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
        case Module:
            return QStringLiteral("MODULE");
        case File:
            return QStringLiteral("FILE");
        case Path:
            return QStringLiteral("PATH");
        case Source:
            return QStringLiteral("SOURCE");
        case Time:
            return QStringLiteral("TIME");
        case ProcessTime:
            return QStringLiteral("PROCESSTIME");
        case Processes:
            return QStringLiteral("PROCESSES");
        case Settings:
            return QStringLiteral("SETTINGS");
        default:
            return {};
    }
}

Qt::ItemFlags SearchResultsModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}

void SearchResultsModel::refresh()
{
    beginResetModel();
    m_rows = static_cast<int>(locate::state(m_ws).results.size());
    endResetModel();
}

}  // namespace quillon::app
