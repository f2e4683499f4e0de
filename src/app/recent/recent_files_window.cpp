// The recent files window.
#include "app/recent/recent_files_window.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/recent/recent_find_dialog.h"
#include "app/widgets/icon_set.h"
#include "app/widgets/qt_ui.h"
#include "core/error_report.h"
#include "core/workspace.h"
#include "exe/executable_reader.h"
#include "lib/lib_reader.h"
#include "settings/settings_store.h"

namespace quillon::app {

namespace {

constexpr const char* kAddFilters =
    "Library files (*.lib;*.dll)|*.lib;*.dll|DLL files (*.dll)|*.dll|LIB files (*.lib)|*.lib|"
    "Executeable files (*.exe)|*.exe|Module-definition files (*.def)|*.def|All files (*.*)|*.*";

}  // namespace

RecentFilesWindow::RecentFilesWindow(Workspace& ws, QtUi& ui, QWidget* parent)
    : QDialog(parent), m_ws(ws), m_ui(ui)
{
    setObjectName("recentFilesWindow");
    setWindowTitle("Clarion Quillon 32 - Recent files");
    auto* layout = new QHBoxLayout(this);
    auto* left = new QVBoxLayout;
    auto* label = new QLabel("Recently used files:", this);
    m_list = new QListWidget(this);
    m_list->setObjectName("recentList");
    m_list->setIconSize(QSize(16, 16));
    m_list->setMinimumSize(460, 300);
    label->setBuddy(m_list);
    left->addWidget(label);
    left->addWidget(m_list, 1);
    layout->addLayout(left, 1);

    auto* buttons = new QVBoxLayout;
    auto button = [&](const QString& text, const char* name, auto command) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(name);
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, command);
        buttons->addWidget(b);
        return b;
    };
    auto tool = [&](const QIcon& icon, const QString& tip, const char* name, auto command) {
        auto* b = new QToolButton(this);
        b->setObjectName(name);
        b->setIcon(icon);
        b->setToolTip(tip);
        connect(b, &QToolButton::clicked, this, command);
        return b;
    };
    button("&Test", "testButton", [this] { testCommand(); });
    button("&Find...", "findButton", [this] { findCommand(); });
    button("&Add...", "addButton", [this] { addCommand(); });
    button("Re&move", "removeButton", [this] { removeCommand(); });
    button("&Reload", "reloadButton", [this] { reloadCommand(); });
    button("&Save list", "saveListButton", [this] { saveCommand(); });
    auto* moves = new QHBoxLayout;
    moves->addWidget(tool(style()->standardIcon(QStyle::SP_ArrowUp), "Move up", "moveUpButton",
                          [this] { moveCommand(-1); }));
    moves->addWidget(tool(style()->standardIcon(QStyle::SP_ArrowDown), "Move down",
                          "moveDownButton", [this] { moveCommand(1); }));
    moves->addWidget(tool(IconSet::named("QNShutFoldNotFound"),
                          "Cleanup filelist - remove dublicates and obsolete", "cleanupButton",
                          [this] { cleanupCommand(); }));
    buttons->addLayout(moves);
    buttons->addStretch(1);
    QPushButton* ok = button("&OK", "okButton", [this] { accept(); });
    ok->setDefault(true);
    layout->addLayout(buttons);

    connect(m_list, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        const int row = m_list->row(item);
        if (row < 0 || static_cast<std::size_t>(row) >= m_entries.size())
            return;
        m_chosen = m_entries[static_cast<std::size_t>(row)].name;
        accept();
    });
    reloadCommand();
}

void RecentFilesWindow::fillList()
{
    const int current = m_list->currentRow();
    m_list->clear();
    for (const settings::RecentFileEntry& entry : m_entries) {
        auto* item = new QListWidgetItem(
            IconSet::named(QString::fromLatin1(settings::recentFileIcon(entry.kind))),
            fromPath(entry.name), m_list);
        item->setData(Qt::UserRole, QString::fromLatin1(settings::recentFileIcon(entry.kind)));
    }
    selectEntry(std::min(current, m_list->count() - 1));
}

void RecentFilesWindow::selectEntry(int row)
{
    m_list->setCurrentRow(row);
    if (row < 0)
        m_list->clearSelection();
}

void RecentFilesWindow::changed()
{
    m_changed = true;
    fillList();
}

std::optional<std::size_t> RecentFilesWindow::selectedEntry()
{
    const int row = m_list->currentRow();
    const bool selected = row >= 0 && m_list->item(row)->isSelected() &&
                          static_cast<std::size_t>(row) < m_entries.size();
    if (!selected) {
        (void)m_ui.message(settings::noFileSelectedMessage());
        return std::nullopt;
    }
    return static_cast<std::size_t>(row);
}

void RecentFilesWindow::testCommand()
{
    const auto at = selectedEntry();
    if (!at)
        return;
    settings::RecentFileEntry& entry = m_entries[*at];
    entry = settings::identifyRecentFile(m_ws.files(), entry.name);
    fillList();
    if (entry.notFound) {
        (void)m_ui.message(settings::fileNotFoundMessage(entry.name));
        return;
    }
    const ReadOutcome tested = lib::fileTest(m_ws, entry.name, &exe::executableTest);
    // A rejection was reported by the test; a file that cannot be read is reported here.
    if (tested.failed()) {
        const auto opened = m_ws.files().openRead(entry.name);
        (void)reportPostedError(m_ws, opened ? 90 : opened.error().code, tested.ErrorText,
                                entry.name);
    }
}

void RecentFilesWindow::findCommand()
{
    const settings::RecentFind stored = settings::loadRecentFind(m_ws.settings());
    std::optional<settings::RecentFind> find;
    if (m_findSeam) {
        find = m_findSeam(stored);
    } else {
        RecentFindDialog dialog(stored, this);
        if (dialog.exec() == QDialog::Accepted)
            find = dialog.find();
    }
    if (!find)
        return;
    settings::saveRecentFind(m_ws.settings(), *find);
    const int current = m_list->currentRow();
    const auto found = settings::findRecentFile(
        m_entries, *find,
        current >= 0 ? std::optional<std::size_t>(static_cast<std::size_t>(current))
                     : std::nullopt);
    if (found)
        selectEntry(static_cast<int>(*found));
    else
        QApplication::beep();
}

void RecentFilesWindow::addCommand()
{
    const std::string start = m_ws.options.LastAddFolder;
    const auto file = m_ui.openFileDialog({"Add file to the filelist", start, kAddFilters});
    if (!file || file->empty())
        return;
    m_entries.insert(m_entries.begin(), settings::identifyRecentFile(m_ws.files(), *file));
    changed();
    selectEntry(0);
}

void RecentFilesWindow::removeCommand()
{
    const auto at = selectedEntry();
    if (!at)
        return;
    m_entries.erase(m_entries.begin() + static_cast<std::ptrdiff_t>(*at));
    changed();
}

void RecentFilesWindow::reloadCommand()
{
    m_entries = settings::LoadRecentFiles(m_ws.settings(), m_ws.files(), m_ws.options,
                                          settings::MissingFiles::Keep)
                    .entries;
    m_changed = false;
    fillList();
}

void RecentFilesWindow::saveCommand()
{
    settings::saveRecentFiles(m_ws.settings(), m_ws.options.UseRecentFiles, m_entries);
    m_changed = false;
}

void RecentFilesWindow::moveCommand(int step)
{
    const auto at = selectedEntry();
    if (!at)
        return;
    const std::ptrdiff_t to = static_cast<std::ptrdiff_t>(*at) + step;
    if (to < 0 || to >= static_cast<std::ptrdiff_t>(m_entries.size()))
        return;
    std::swap(m_entries[*at], m_entries[static_cast<std::size_t>(to)]);
    changed();
    selectEntry(static_cast<int>(to));
}

void RecentFilesWindow::cleanupCommand()
{
    // The entries are checked on disk again: a file may have come back or gone since.
    for (settings::RecentFileEntry& entry : m_entries)
        entry = settings::identifyRecentFile(m_ws.files(), entry.name);
    (void)settings::cleanupRecentFiles(m_entries);
    changed();
}

void RecentFilesWindow::accept()
{
    if (m_changed)
        saveCommand();
    QDialog::accept();
}

}  // namespace quillon::app
