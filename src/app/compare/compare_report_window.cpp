// The compare report window.
#include "app/compare/compare_report_window.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

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
    resize(560, 640);
}

CompareReportWindow* CompareReportWindow::open(Workspace& ws, const reports::CompareResult& result,
                                               QWidget* parent)
{
    auto* window = new CompareReportWindow(ws, result, parent);
    window->setAttribute(Qt::WA_DeleteOnClose);
    if (applyStoredPlacement(*window, ws.settings(), settings::kCompareReportWinSection))
        window->setWindowState(window->windowState() | Qt::WindowMaximized);
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
