// The compare report window.
#include "app/compare/compare_report_window.h"

#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>

#include "app/widgets/fixed_pitch_font.h"
#include "app/widgets/qt_ui.h"
#include "app/widgets/window_geometry.h"
#include "reports/compare_report.h"
#include "settings/window_placement.h"

namespace quillon::app {

CompareReportWindow::CompareReportWindow(Workspace& ws, const reports::CompareResult& result,
                                         QWidget* parent)
    : QDialog(parent), m_ws(ws)
{
    setObjectName("CompareReportWin");
    setWindowTitle(fromCp1252(reports::compareReportCaption(result.moduleName)));
    setWindowFlag(Qt::WindowMaximizeButtonHint, true);
    auto* layout = new QVBoxLayout(this);
    m_view = new QPlainTextEdit(this);
    m_view->setReadOnly(true);
    m_view->setFont(fixedPitchFont());
    m_view->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_view->setTabStopDistance(m_view->fontMetrics().horizontalAdvance(' ') * 8);
    QString text = fromCp1252(reports::compareReportText(result));
    text.remove('\r');
    m_view->setPlainText(text);
    layout->addWidget(m_view);
    // Wide enough for the longest line (the paths of long folder names too), within the screen.
    int longest = 0;
    for (const QString& line : text.split('\n'))
        longest = std::max(longest, m_view->fontMetrics().horizontalAdvance(line));
    const QScreen* screen = parent != nullptr ? parent->screen() : QGuiApplication::primaryScreen();
    const int room = screen != nullptr ? screen->availableGeometry().width() * 9 / 10 : 1000;
    const int frame = 2 * m_view->frameWidth() + layout->contentsMargins().left() +
                      layout->contentsMargins().right() +
                      style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 24;
    m_fitWidth = std::clamp(longest + frame, 560, std::max(560, room));
    resize(m_fitWidth, 640);
}

CompareReportWindow* CompareReportWindow::open(Workspace& ws, const reports::CompareResult& result,
                                               QWidget* parent)
{
    auto* window = new CompareReportWindow(ws, result, parent);
    window->setAttribute(Qt::WA_DeleteOnClose);
    if (applyStoredPlacement(*window, ws.settings(), settings::kCompareReportWinSection))
        window->setWindowState(window->windowState() | Qt::WindowMaximized);
    // A stored width narrower than the report's longest line (a long path) grows to show it.
    if (window->width() < window->m_fitWidth)
        window->resize(window->m_fitWidth, window->height());
    window->show();
    window->raise();
    return window;
}

void CompareReportWindow::done(int result)
{
    storePlacement(*this, m_ws.settings(), settings::kCompareReportWinSection);
    QDialog::done(result);
}

}  // namespace quillon::app
