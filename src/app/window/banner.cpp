// The main window's banner.
#include "app/window/banner.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>

#include <algorithm>

namespace quillon::app {

namespace {

const QColor kBandLeft(60, 120, 180);
const QColor kBandRight(22, 48, 96);
const QColor kSubtitleColour(210, 226, 255);
const QString kTitle = "Clarion Quillon 32";
const QString kSubtitle = "LIB files for Clarion from 16-bit and 32-bit DLLs";
const QStringList kSubtitleTwoLines = {"LIB files for Clarion", "from 16-bit and 32-bit DLLs"};

}  // namespace

Banner::Banner(QWidget* parent) : QWidget(parent), m_picture(":/icons/banner.png")
{
    setObjectName("banner");
    // The picture is cut on the right rather than widen the window.
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    setFixedHeight(static_cast<int>(m_picture.deviceIndependentSize().height()));
}

QSize Banner::sizeHint() const
{
    return m_picture.deviceIndependentSize().toSize();
}

QFont Banner::subtitleFont() const
{
    QFont small("DejaVu Sans");
    small.setPixelSize(std::max(1, height() / 4));
    return small;
}

QRectF Banner::subtitleRoom() const
{
    const QSizeF full = m_picture.deviceIndependentSize();
    // The name, as the picture draws it, ends here; the subtitle keeps a gap after it.
    QFont title("DejaVu Sans");
    title.setPixelSize(static_cast<int>(full.height() * 2 / 5));
    title.setBold(true);
    const qreal nameEnd = full.height() * 1.1 + QFontMetricsF(title).horizontalAdvance(kTitle);
    const qreal left = nameEnd + full.height() * 0.5;
    const qreal right = std::min<qreal>(width(), full.width()) - full.width() * 0.02;
    return {left, 0, std::max<qreal>(0, right - left), static_cast<qreal>(height())};
}

QStringList Banner::subtitleLines() const
{
    if (width() >= m_picture.deviceIndependentSize().width())
        return {kSubtitle};
    const QFontMetricsF metrics(subtitleFont());
    const qreal room = subtitleRoom().width();
    if (metrics.horizontalAdvance(kSubtitle) <= room)
        return {kSubtitle};
    qreal wider = 0;
    for (const QString& line : kSubtitleTwoLines)
        wider = std::max(wider, metrics.horizontalAdvance(line));
    if (wider <= room && metrics.lineSpacing() * 2 <= height())
        return kSubtitleTwoLines;
    return {};
}

void Banner::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), kBandRight);
    p.drawPixmap(0, 0, m_picture);
    const QSizeF full = m_picture.deviceIndependentSize();
    if (width() >= full.width())
        return;
    // The picture's own subtitle (in its right half) would be cut: paint the band over it
    // again and set the subtitle in the room there is.
    QLinearGradient band(0, 0, full.width(), 0);
    band.setColorAt(0, kBandLeft);
    band.setColorAt(1, kBandRight);
    const QRectF room = subtitleRoom();
    const qreal erase = full.width() * 0.5;
    p.fillRect(QRectF(erase, 0, width() - erase, height()), band);
    const QStringList lines = subtitleLines();
    if (lines.isEmpty())
        return;
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setFont(subtitleFont());
    p.setPen(kSubtitleColour);
    p.drawText(room, Qt::AlignRight | Qt::AlignVCenter, lines.join('\n'));
}

}  // namespace quillon::app
