// Column titles shown whole.
#include "app/widgets/header_titles.h"

#include <QEvent>
#include <QHeaderView>
#include <QStyle>
#include <QStyleOptionHeader>

namespace quillon::app {

namespace {

// Widens the header's sections after its font or style changed.
class TitleWidthKeeper final : public QObject {
public:
    explicit TitleWidthKeeper(QHeaderView* header) : QObject(header), m_header(header)
    {
        header->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == m_header &&
            (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange))
            widenToTitles(m_header);
        return QObject::eventFilter(watched, event);
    }

private:
    QHeaderView* m_header;
};

}  // namespace

int titleWidth(const QHeaderView* header, int section)
{
    if (header->model() == nullptr)
        return 0;
    QStyleOptionHeader option;
    option.initFrom(header);
    option.section = section;
    option.orientation = header->orientation();
    option.text =
        header->model()->headerData(section, header->orientation(), Qt::DisplayRole).toString();
    option.textAlignment = header->defaultAlignment();
    // Room for the arrow whether or not the list is sorted by this column now.
    option.sortIndicator = QStyleOptionHeader::SortDown;
    option.fontMetrics = header->fontMetrics();
    const QSize size =
        header->style()->sizeFromContents(QStyle::CT_HeaderSection, &option, QSize(), header);
    // The arrow is drawn over the title's right end by some styles; keep a margin for it.
    const int arrow = header->style()->pixelMetric(QStyle::PM_HeaderMarkSize, &option, header);
    return size.width() + arrow / 2 + 4;
}

void widenToTitles(QHeaderView* header)
{
    for (int section = 0; section < header->count(); ++section) {
        if (header->isSectionHidden(section))
            continue;
        const int needed = titleWidth(header, section);
        if (header->sectionSize(section) < needed)
            header->resizeSection(section, needed);
    }
}

void keepTitlesWhole(QHeaderView* header)
{
    new TitleWidthKeeper(header);
    widenToTitles(header);
}

}  // namespace quillon::app
