// The Qt front end of the core.
#include "app/widgets/qt_ui.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCursor>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QStyle>
#include <QWidget>
#include <QWindow>

#include <algorithm>

#include "app/widgets/file_dialog.h"
#include "app/widgets/icon_set.h"
#include "app/widgets/message_dialog.h"
#include "base/text_encoding.h"
#include "platform/native_path.h"

namespace quillon::app {

namespace {

QString plainButtonText(const QString& text)
{
    QString plain = text;
    plain.remove('&');
    return plain.trimmed().toLower();
}

QPixmap boxIcon(ui::MessageIcon icon)
{
    QStyle::StandardPixmap standard = QStyle::SP_MessageBoxInformation;
    switch (icon) {
        case ui::MessageIcon::Information:
        case ui::MessageIcon::SystemLogo:
            break;
        case ui::MessageIcon::Question:
            standard = QStyle::SP_MessageBoxQuestion;
            break;
        case ui::MessageIcon::Exclamation:
            standard = QStyle::SP_MessageBoxWarning;
            break;
        case ui::MessageIcon::Hand:
            standard = QStyle::SP_MessageBoxCritical;
            break;
        case ui::MessageIcon::Program:
            return QPixmap(":/icons/QNQuillon-64.png")
                .scaled(48, 48, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        case ui::MessageIcon::None:
            return {};
    }
    const int size = QApplication::style()->pixelMetric(QStyle::PM_MessageBoxIconSize);
    return QApplication::style()->standardIcon(standard).pixmap(size, size);
}

bool isUserInput(QEvent::Type type)
{
    switch (type) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel:
        case QEvent::ContextMenu:
            return true;
        default:
            return false;
    }
}

// The widget behind a native window: input reaches the window first, then its widgets.
QWidget* widgetOfWindow(const QWindow* window)
{
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top->windowHandle() == window)
            return top;
    }
    return nullptr;
}

// True for the modal dialog, its widgets and the windows it opened: its menus and the
// completion list of its fields. Those pop-ups are windows of their own, some without a
// parent; while the dialog is modal nothing else can have opened one.
bool belongsToModal(QObject* watched, const QWidget* modal)
{
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr) {
        auto* window = qobject_cast<QWindow*>(watched);
        widget = window != nullptr ? widgetOfWindow(window) : nullptr;
    }
    for (QWidget* w = widget; w != nullptr; w = w->parentWidget()) {
        if (w == modal)
            return true;
    }
    if (widget == nullptr)
        return false;
    const Qt::WindowType type = widget->window()->windowType();
    return type == Qt::Popup || type == Qt::ToolTip;
}

}  // namespace

QString fromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString fromCp1252(std::string_view text)
{
    return QString::fromStdString(textWithPathsToUtf8(text));
}

std::string toCp1252(const QString& text)
{
    return utf8ToCp1252(text.toStdString());
}

QString fromPath(std::string_view path)
{
    return fromUtf8(path);
}

std::string toPath(const QString& path)
{
    return platform::nativePath(path.toUtf8().toStdString());
}

QString dialogPatterns(const QString& patterns)
{
    QStringList out;
    for (const QString& part : patterns.split(';', Qt::SkipEmptyParts)) {
        QString pattern = part.trimmed();
#ifndef _WIN32
        // "*.*" would hide the files without an extension here.
        if (pattern == "*.*")
            pattern = "*";
#endif
        if (!pattern.isEmpty() && !out.contains(pattern))
            out << pattern;
    }
#ifndef _WIN32
    // File names keep their letter case here: "QUILLSMP.DLL" is a library file as "all.lib" is.
    for (qsizetype i = 0, n = out.size(); i < n; ++i) {
        for (const QString& other : {out[i].toLower(), out[i].toUpper()}) {
            if (!out.contains(other))
                out << other;
        }
    }
#endif
    return out.join(' ');
}

QString dialogFilter(std::string_view filters)
{
    const QStringList parts = fromCp1252(filters).split('|');
    QStringList out;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        // Qt reads the patterns between the brackets, separated by blanks.
        QString description = parts[i];
        if (description.contains('('))
            description = description.left(description.indexOf('(')).trimmed();
        out << description + " (" + dialogPatterns(parts[i + 1]) + ")";
    }
    return out.join(";;");
}

RenderedMessage renderMessage(const ui::MessageBox& box)
{
    RenderedMessage rendered;
    rendered.title = fromCp1252(box.title);
    rendered.text = fromCp1252(box.text).replace('|', '\n');
    rendered.buttons = fromCp1252(box.buttons).split('|', Qt::SkipEmptyParts);
    if (rendered.buttons.isEmpty())
        rendered.buttons << "&OK";
    rendered.defaultButton =
        std::clamp(box.defaultButton - 1, 0, static_cast<int>(rendered.buttons.size()) - 1);
    for (qsizetype i = 0; i < rendered.buttons.size(); ++i) {
        if (plainButtonText(rendered.buttons[i]) == "cancel")
            rendered.escapeButton = static_cast<int>(i);
    }
    if (rendered.escapeButton < 0 && rendered.buttons.size() == 1)
        rendered.escapeButton = 0;
    return rendered;
}

QtUi::QtUi(QObject* parent) : QObject(parent)
{
    qApp->installEventFilter(this);
}

QtUi::~QtUi()
{
    if (m_waitCursor)
        QApplication::restoreOverrideCursor();
}

void QtUi::attach(QWidget* window, QStatusBar* statusBar)
{
    m_window = window;
    if (statusBar == nullptr)
        return;
    for (std::size_t i = 0; i < m_panes.size(); ++i) {
        m_panes[i] = new QLabel(statusBar);
        m_panes[i]->setObjectName(QString("statusPane%1").arg(i + 1));
        m_panes[i]->setTextFormat(Qt::PlainText);
        m_panes[i]->setText(fromCp1252(m_texts[i]));
    }
    m_panes[0]->setMinimumWidth(200);
    m_panes[1]->setMinimumWidth(110);
    m_panes[2]->setMinimumWidth(130);
    statusBar->addWidget(m_panes[0], 1);
    m_progress = new QProgressBar(statusBar);
    m_progress->setFixedWidth(220);
    m_progress->setTextVisible(true);
    m_progress->hide();
    statusBar->addPermanentWidget(m_progress);
    statusBar->addPermanentWidget(m_panes[1]);
    statusBar->addPermanentWidget(m_panes[2]);
}

QLabel* QtUi::pane(int pane) const
{
    if (pane < 1 || pane > 3)
        return nullptr;
    return m_panes[static_cast<std::size_t>(pane - 1)];
}

int QtUi::message(const ui::MessageBox& box)
{
    return runBox(box, nullptr);
}

int QtUi::messageWithIcon(const ui::MessageBox& box, const QIcon& icon)
{
    return runBox(box, &icon);
}

int QtUi::runBox(const ui::MessageBox& box, const QIcon* icon)
{
    if (m_messageSeam)
        return m_messageSeam(box);
    const RenderedMessage rendered = renderMessage(box);
    MessageDialog dialog(m_window, rendered.title, rendered.text,
                         icon != nullptr ? icon->pixmap(48, 48) : boxIcon(box.icon),
                         rendered.buttons, rendered.defaultButton, rendered.escapeButton);
    const bool wait = m_waitCursor;
    if (wait)
        QApplication::restoreOverrideCursor();
    dialog.exec();
    if (wait)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    const auto& buttons = dialog.buttons();
    const auto it = std::find(buttons.begin(), buttons.end(), dialog.clickedButton());
    if (it != buttons.end())
        return static_cast<int>(it - buttons.begin()) + 1;
    return rendered.escapeButton >= 0 ? rendered.escapeButton + 1
                                      : static_cast<int>(buttons.size());
}

void QtUi::status(int pane, std::string_view text)
{
    if (pane < 1 || pane > 3)
        return;
    const auto i = static_cast<std::size_t>(pane - 1);
    m_texts[i] = std::string(text);
    if (m_panes[i] != nullptr)
        m_panes[i]->setText(fromCp1252(text));
}

std::string QtUi::statusText(int pane) const
{
    if (pane < 1 || pane > 3)
        return {};
    return m_texts[static_cast<std::size_t>(pane - 1)];
}

void QtUi::progressStart(std::string_view caption, std::uint64_t total)
{
    m_progressCaption = fromCp1252(caption);
    if (m_progress == nullptr)
        return;
    m_progress->setRange(0, total > 0 ? 1000 : 0);
    m_progress->setValue(0);
    m_progress->setFormat(m_progressCaption);
    m_progress->show();
}

void QtUi::progress(std::uint64_t done, std::uint64_t total, std::string_view text)
{
    if (m_progress == nullptr)
        return;
    if (total > 0) {
        m_progress->setRange(0, 1000);
        m_progress->setValue(static_cast<int>(std::min<std::uint64_t>(done, total) * 1000 / total));
    }
    m_progress->setFormat(m_progressCaption.isEmpty() ? fromCp1252(text)
                                                      : m_progressCaption + " " + fromCp1252(text));
}

void QtUi::progressEnd()
{
    if (m_progress != nullptr)
        m_progress->hide();
}

ui::PendingKey QtUi::takePendingKeys()
{
    m_capturing = true;
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    m_capturing = false;
    ui::PendingKey first = ui::PendingKey::None;
    for (const ui::PendingKey key : m_keys) {
        if (key == ui::PendingKey::Escape) {
            first = key;
            break;
        }
        if (first == ui::PendingKey::None)
            first = key;
    }
    m_keys.clear();
    return first;
}

void QtUi::processEvents()
{
    m_capturing = true;
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    m_capturing = false;
}

bool QtUi::eventFilter(QObject* watched, QEvent* event)
{
    if ((m_busyDepth == 0 && !m_capturing) || !isUserInput(event->type()))
        return QObject::eventFilter(watched, event);
    // A dialog shown during the operation takes its input as usual, with its pop-ups.
    if (QWidget* modal = QApplication::activeModalWidget()) {
        if (belongsToModal(watched, modal))
            return QObject::eventFilter(watched, event);
    }
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (!key->isAutoRepeat() || key->key() == Qt::Key_Escape) {
            if (key->key() == Qt::Key_Escape)
                m_keys.push_back(ui::PendingKey::Escape);
            else if (key->key() == Qt::Key_F1)
                m_keys.push_back(ui::PendingKey::F1);
            else
                m_keys.push_back(ui::PendingKey::Other);
        }
    }
    return true;
}

void QtUi::setBusy(bool busy)
{
    m_busyDepth = std::max(0, m_busyDepth + (busy ? 1 : -1));
}

void QtUi::setWaitCursor(bool on)
{
    if (on == m_waitCursor)
        return;
    m_waitCursor = on;
    if (on)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

void QtUi::setCaption(std::string_view caption)
{
    if (m_window != nullptr)
        m_window->setWindowTitle(fromCp1252(caption));
}

std::vector<std::string> QtUi::runDialog(const ui::FileDialogRequest& request, const char* kind)
{
    if (m_dialogSeam)
        return m_dialogSeam(request, kind);
    const QString title = fromCp1252(request.title);
    QString start = fromPath(request.start);
    const QString filter = dialogFilter(request.filters);
    const std::string_view k = kind;
    const FileDialogKind dialogKind = k == "openMany" ? FileDialogKind::OpenMany
                                      : k == "open"   ? FileDialogKind::Open
                                      : k == "save"   ? FileDialogKind::Save
                                                      : FileDialogKind::Folder;
    for (;;) {
        const QStringList chosen = runFileDialog(m_window, title, start, filter, dialogKind);
        // Replacing a file is asked here, in a box whose caption shows whole.
        if (dialogKind == FileDialogKind::Save && chosen.size() == 1 &&
            QFileInfo(chosen.front()).isFile()) {
            ui::MessageBox box;
            box.title = request.title;
            box.text = "    " + toPath(QDir::toNativeSeparators(chosen.front())) +
                       " already exists.|    Do you want to replace it?";
            box.icon = ui::MessageIcon::Exclamation;
            box.buttons = "&Yes|&No";
            box.defaultButton = 2;
            if (message(box) != 1) {
                start = chosen.front();
                continue;
            }
        }
        std::vector<std::string> out;
        for (const QString& file : chosen)
            out.push_back(toPath(file));
        return out;
    }
}

std::vector<std::string> QtUi::openFilesDialog(const ui::FileDialogRequest& request)
{
    return runDialog(request, "openMany");
}

std::optional<std::string> QtUi::openFileDialog(const ui::FileDialogRequest& request)
{
    auto files = runDialog(request, "open");
    if (files.empty())
        return std::nullopt;
    return files.front();
}

std::optional<std::string> QtUi::saveFileDialog(const ui::FileDialogRequest& request)
{
    auto files = runDialog(request, "save");
    if (files.empty())
        return std::nullopt;
    return files.front();
}

std::optional<std::string> QtUi::chooseFolderDialog(const ui::FileDialogRequest& request)
{
    auto files = runDialog(request, "folder");
    if (files.empty())
        return std::nullopt;
    return files.front();
}

}  // namespace quillon::app
