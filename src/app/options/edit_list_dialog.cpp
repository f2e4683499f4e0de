// The exceptions and favourites list editor.
#include "app/options/edit_list_dialog.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/options/edit_list_entry_dialog.h"
#include "app/widgets/qt_ui.h"
#include "maintenance/edit_messages.h"
#include "maintenance/maintenance_common.h"
#include "platform/environment.h"

namespace quillon::app {

namespace m = maintenance;

namespace {

constexpr const char* kFileFilters =
    "Program files (*.dll;*.exe;*.drv)|*.dll;*.exe;*.drv|"
    "Library files (*.lib)|*.lib|All files (*.*)|*.*";

}  // namespace

EditListDialog::EditListDialog(Workspace& ws, m::EditListKind kind, std::string systemIni,
                               QWidget* parent)
    : QDialog(parent), m_ws(ws), m_kind(kind), m_systemIni(std::move(systemIni))
{
    const bool favorites = kind == m::EditListKind::Favorites;
    setObjectName("P364$LISTWINDOW");
    setWindowTitle(fromUtf8(favorites ? m::kFavoritesCaption : m::kExceptionsCaption));
    auto* layout = new QVBoxLayout(this);
    auto* hint = new QLabel(fromUtf8(favorites ? m::kFavoritesHint : m::kExceptionsHint), this);
    hint->setObjectName("hint");
    layout->addWidget(hint);
    m_list = new QTreeWidget(this);
    m_list->setObjectName("entries");
    m_list->setRootIsDecorated(false);
    m_list->setHeaderLabels({"Module name", "File name"});
    m_list->setColumnWidth(0, 160);
    m_list->setMinimumSize(520, 260);
    m_list->setContextMenuPolicy(Qt::ActionsContextMenu);
    layout->addWidget(m_list, 1);

    auto action = [this](const QString& label, const QKeySequence& key, auto slot) {
        auto* a = new QAction(label, m_list);
        a->setShortcut(key);
        a->setShortcutContext(Qt::WidgetShortcut);
        connect(a, &QAction::triggered, this, slot);
        m_list->addAction(a);
        return a;
    };
    action("Add a new entry...", QKeySequence(Qt::Key_Insert), [this] { addEntry(); });
    QAction* editItem =
        action("Edit selected entry...", QKeySequence(Qt::Key_F2), [this] { editEntry(); });
    QAction* removeItem =
        action("Remove selected entry", QKeySequence(Qt::Key_Delete), [this] { removeEntry(); });
    connect(m_list, &QTreeWidget::itemDoubleClicked, this, [this] { editEntry(); });
    connect(m_list, &QTreeWidget::currentItemChanged, this, [this] { updateButtons(); });

    auto* row = new QHBoxLayout;
    m_add = new QPushButton("&Add...", this);
    m_edit = new QPushButton("&Edit...", this);
    m_remove = new QPushButton("&Remove", this);
    m_import = new QPushButton("Impor&t", this);
    m_import->setObjectName("import");
    m_import->setVisible(!favorites);
    for (QPushButton* b : {m_add, m_edit, m_remove, m_import})
        row->addWidget(b);
    row->addStretch(1);
    layout->addLayout(row);
    connect(m_add, &QPushButton::clicked, this, [this] { addEntry(); });
    connect(m_edit, &QPushButton::clicked, this, [this] { editEntry(); });
    connect(m_remove, &QPushButton::clicked, this, [this] { removeEntry(); });
    connect(m_import, &QPushButton::clicked, this, [this] { importEntries(); });
    connect(m_list, &QTreeWidget::currentItemChanged, this, [this, editItem, removeItem] {
        editItem->setEnabled(m_list->currentItem() != nullptr);
        removeItem->setEnabled(m_list->currentItem() != nullptr);
    });

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText("&OK");
    buttons->button(QDialogButtonBox::Cancel)->setText("&Cancel");
    connect(buttons, &QDialogButtonBox::accepted, this, &EditListDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    m_entries = m::loadEditList(m_ws, m_kind);
    fill(m_entries.empty() ? -1 : 0);
    m_list->setFocus();
}

bool EditListDialog::run(Workspace& ws, m::EditListKind kind, QWidget* parent)
{
    std::string systemIni;
    if (kind == m::EditListKind::Exceptions)
        systemIni = m::defaultSystemIni(ws.files(), platform::Environment::fromProcess());
    EditListDialog dialog(ws, kind, systemIni, parent);
    return dialog.exec() == QDialog::Accepted;
}

void EditListDialog::fill(int select)
{
    m_list->clear();
    for (const m::EditListEntry& e : m_entries)
        new QTreeWidgetItem(m_list, {fromCp1252(e.moduleName), fromPath(e.fileName)});
    if (select >= 0 && select < m_list->topLevelItemCount())
        m_list->setCurrentItem(m_list->topLevelItem(select));
    updateButtons();
}

void EditListDialog::updateButtons()
{
    const bool selected = m_list->currentItem() != nullptr;
    m_edit->setEnabled(selected);
    m_remove->setEnabled(selected);
}

bool EditListDialog::takeEntry(const m::EditListEntry& entry, std::optional<std::size_t> editing)
{
    const m::EntryRefusal refusal = m::checkEntry(m_kind, m_entries, entry, editing);
    if (refusal == m::EntryRefusal::None)
        return true;
    (void)m_ws.ui().message(m::refusedEntryBox(m::entryRefusalText(m_kind, refusal)));
    return false;
}

bool EditListDialog::openEntry(bool add, std::size_t at)
{
    const m::EditListEntry current = add ? m::EditListEntry{} : m_entries[at];
    const std::optional<std::size_t> editing = add ? std::nullopt : std::optional(at);
    auto checker = [this, editing](const m::EditListEntry& e) { return takeEntry(e, editing); };
    auto browser = [this](const std::string& file) {
        return m_ws.ui().openFileDialog({"Select file", file, kFileFilters});
    };
    EditListEntryDialog dialog(m_kind, add, current, checker, browser, this);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    if (add)
        m_entries.push_back(dialog.entry());
    else
        m_entries[at] = dialog.entry();
    fill(static_cast<int>(add ? m_entries.size() - 1 : at));
    return true;
}

void EditListDialog::addEntry()
{
    if (m_entries.size() >= m::kMaxListEntries) {
        (void)m_ws.ui().message(
            m::refusedEntryBox(m::entryRefusalText(m_kind, m::EntryRefusal::Full)));
        return;
    }
    (void)openEntry(true, 0);
}

void EditListDialog::editEntry()
{
    const int at = m_list->indexOfTopLevelItem(m_list->currentItem());
    if (at >= 0 && static_cast<std::size_t>(at) < m_entries.size())
        (void)openEntry(false, static_cast<std::size_t>(at));
}

void EditListDialog::removeEntry()
{
    const int at = m_list->indexOfTopLevelItem(m_list->currentItem());
    if (at < 0 || static_cast<std::size_t>(at) >= m_entries.size())
        return;
    m_entries.erase(m_entries.begin() + at);
    fill(std::min(at, static_cast<int>(m_entries.size()) - 1));
}

void EditListDialog::importEntries()
{
    if (m_kind != m::EditListKind::Exceptions)
        return;
    const m::SystemIniImport import = m::importSystemIni(m_ws, m_entries, m_systemIni);
    fill(import.added > 0 ? static_cast<int>(m_entries.size() - import.added) : -1);
    m::showStatus(m_ws, 1, m::systemIniImportText(import, m_systemIni));
}

void EditListDialog::accept()
{
    const Status saved = m::saveEditList(m_ws, m_kind, m_entries);
    if (!saved) {
        (void)m_ws.ui().message(m::editListErrorBox(saved.error().code, saved.error().text, false));
        return;
    }
    QDialog::accept();
}

}  // namespace quillon::app
