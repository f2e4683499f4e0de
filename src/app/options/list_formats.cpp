// The formats of a window's lists in section Format.
#include "app/options/list_formats.h"

#include <QTreeView>

#include <algorithm>

#include "settings/list_format.h"

namespace quillon::app {

std::string listBoxFormat(const QTreeView& list)
{
    std::string format;
    const QAbstractItemModel* model = list.model();
    const int columns = model != nullptr ? model->columnCount() : 0;
    for (int c = 0; c < columns; ++c) {
        if (c > 0)
            format += '|';
        // A hidden column reads as 0 wide; the format keeps every column usable.
        format += std::to_string(std::max(1, list.columnWidth(c)));
        format += "L~";
        format += model->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString().toStdString();
        format += '~';
    }
    return format;
}

bool applyListBoxFormat(QTreeView& list, std::string_view format)
{
    const QAbstractItemModel* model = list.model();
    if (model == nullptr)
        return false;
    const std::vector<int> widths =
        settings::listFormatWidths(format, static_cast<std::size_t>(model->columnCount()));
    if (widths.empty())
        return false;
    for (int c = 0; c < model->columnCount(); ++c) {
        if (!list.isColumnHidden(c))
            list.setColumnWidth(c, widths[static_cast<std::size_t>(c)]);
    }
    return true;
}

void ListFormats::add(QTreeView* list, int number)
{
    m_lists.push_back(List{list, number, listBoxFormat(*list)});
}

void ListFormats::open(settings::SettingsStore& store, bool useRestoreFormat) const
{
    for (const List& list : m_lists) {
        if (list.view == nullptr)
            continue;
        settings::writeDefaultListFormat(store, m_caption, list.number, list.design);
        if (useRestoreFormat) {
            const std::string format = settings::restoreListFormat(store, m_caption, list.number,
                                                                   list.design, useRestoreFormat);
            (void)applyListBoxFormat(*list.view, format);
        }
    }
}

void ListFormats::store(settings::SettingsStore& store) const
{
    for (const List& list : m_lists) {
        if (list.view != nullptr)
            settings::writeListFormat(store, m_caption, list.number, listBoxFormat(*list.view));
    }
}

void ListFormats::restoreDefaults(settings::SettingsStore& store) const
{
    for (const List& list : m_lists) {
        if (list.view == nullptr)
            continue;
        const std::string format =
            settings::defaultListFormat(store, m_caption, list.number, list.design);
        if (!applyListBoxFormat(*list.view, format))
            (void)applyListBoxFormat(*list.view, list.design);
    }
}

}  // namespace quillon::app
