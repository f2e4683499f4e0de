// The export list's viewer, clipboard and editor.
#include "app/library/export_list_window.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QProcess>
#include <QScrollBar>
#include <QUrl>
#include <QVBoxLayout>

#include "app/widgets/fixed_pitch_font.h"
#include "app/widgets/qt_ui.h"
#include "app/widgets/window_geometry.h"
#include "core/error_report.h"
#include "reports/export_list_command.h"
#include "reports/export_list_layout.h"
#include "reports/export_list_messages.h"
#include "settings/settings_store.h"
#include "settings/window_placement.h"

namespace quillon::app {

ExportListWindow::ExportListWindow(Workspace& ws, std::string fileName,
                                   reports::ExportListPages pages, QWidget* parent)
    : QDialog(parent), m_ws(ws), m_fileName(std::move(fileName)), m_pages(std::move(pages))
{
    setObjectName("ExportListWin");
    setAttribute(Qt::WA_DeleteOnClose);
    auto* layout = new QVBoxLayout(this);
    m_view = new QPlainTextEdit(this);
    m_view->setReadOnly(true);
    m_view->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_view->setFont(fixedPitchFont());
    layout->addWidget(m_view);
    resize(640, 480);
    (void)applyStoredPlacement(*this, m_ws.settings(), settings::kExportListWinSection);
    // The text view would take Shift+PgDn and Shift+PgUp as selection keys: they turn pages.
    m_view->installEventFilter(this);
    setFocusProxy(m_view);
    m_view->setFocus();
    m_page = 0;
    showPage(1);
}

ExportListWindow::~ExportListWindow() = default;

bool ExportListWindow::eventFilter(QObject* watched, QEvent* event)
{
    const bool key = event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride;
    if (watched == m_view && key) {
        const auto* press = static_cast<QKeyEvent*>(event);
        if (press->modifiers() == Qt::ShiftModifier &&
            (press->key() == Qt::Key_PageDown || press->key() == Qt::Key_PageUp)) {
            if (event->type() == QEvent::KeyPress)
                showPage(press->key() == Qt::Key_PageDown ? m_page + 1 : m_page - 1);
            event->accept();
            return true;
        }
        // A read-only view moves no cursor by itself: Ctrl+Home and Ctrl+End go to the top and
        // the bottom of the page shown.
        if (press->modifiers() == Qt::ControlModifier &&
            (press->key() == Qt::Key_Home || press->key() == Qt::Key_End)) {
            if (event->type() == QEvent::KeyPress) {
                const bool top = press->key() == Qt::Key_Home;
                m_view->moveCursor(top ? QTextCursor::Start : QTextCursor::End);
                QScrollBar* bar = m_view->verticalScrollBar();
                bar->setValue(top ? bar->minimum() : bar->maximum());
                m_view->horizontalScrollBar()->setValue(0);
            }
            event->accept();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void ExportListWindow::hideEvent(QHideEvent* event)
{
    storePlacement(*this, m_ws.settings(), settings::kExportListWinSection);
    QDialog::hideEvent(event);
}

void ExportListWindow::showPage(int page)
{
    if (page < 1 || page > pageCount() || page == m_page)
        return;
    m_page = page;
    // Line ends are CR LF in the file; the view wants one break per line.
    QString text = fromCp1252(m_pages.pages[static_cast<std::size_t>(page - 1)]);
    text.replace("\r\n", "\n");
    m_view->setPlainText(text);
    setWindowTitle(fromCp1252(reports::exportViewerCaption(m_fileName, m_page, pageCount())));
}

bool openInTextEditor(const std::string& fileName)
{
#ifdef _WIN32
    return QProcess::startDetached("notepad.exe", {QString::fromStdString(fileName)});
#else
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(fileName)));
#endif
}

ExportListWindow* presentExportList(Workspace& ws, const std::string& fileName, bool copy,
                                    QWidget* parent)
{
    Result<reports::ExportListPages> pages = reports::readExportListPages(ws.files(), fileName);
    if (!pages) {
        (void)reportPostedError(ws, pages.error().code, pages.error().text, fileName);
        return nullptr;
    }
    if (copy) {
        QGuiApplication::clipboard()->clear();
        std::string text = pages->listedText;
        // The title block says the list is on the clipboard: all of it, not only the pages.
        if (pages->tooBig) {
            if (auto whole = ws.files().readWholeFile(fileName); whole.ok())
                text.assign(reinterpret_cast<const char*>(whole->data()), whole->size());
        }
        QGuiApplication::clipboard()->setText(fromCp1252(text));
    }
    const reports::EditorChoice choice =
        reports::editorChoice(ws.options.UseExportTextNotepad, pages->tooBig);
    bool openEditor = choice == reports::EditorChoice::Always;
    if (choice == reports::EditorChoice::Ask)
        openEditor = ws.ui().message(reports::openInEditorQuestion(pages->tooBig, fileName)) == 1;
    if (openEditor) {
        if (openInTextEditor(fileName))
            return nullptr;
        ws.ui().message(reports::editorNotStartedMessage(fileName));
    }
    // One viewer at a time: a new export replaces the one shown.
    if (auto* old = parent->findChild<ExportListWindow*>(QString(), Qt::FindDirectChildrenOnly))
        old->close();
    auto* viewer = new ExportListWindow(ws, fileName, std::move(pages).value(), parent);
    viewer->show();
    viewer->raise();
    viewer->activateWindow();
    return viewer;
}

}  // namespace quillon::app
