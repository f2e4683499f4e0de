// The history cleanup dialog.
#include "app/recent/history_cleanup_dialog.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/widgets/icon_set.h"
#include "app/widgets/qt_ui.h"

namespace quillon::app {

namespace {
constexpr int kCheckedRole = Qt::UserRole + 1;

void showChecked(QListWidgetItem* item, bool checked)
{
    item->setData(kCheckedRole, checked);
    item->setIcon(IconSet::named(checked ? "QNHookBlackOn" : "QNHookBlackOff"));
}
}  // namespace

HistoryCleanupDialog::HistoryCleanupDialog(QWidget* parent) : QDialog(parent)
{
    setObjectName("historyCleanup");
    setWindowTitle(fromUtf8(settings::kHistoryCleanupTitle));
    auto* layout = new QVBoxLayout(this);
    auto* prompt = new QLabel(fromUtf8(settings::kHistoryCleanupPrompt), this);
    layout->addWidget(prompt);
    m_list = new QListWidget(this);
    m_list->setObjectName("historyItems");
    m_list->setIconSize(QSize(16, 16));
    for (std::string_view entry : settings::kHistoryItemTexts)
        showChecked(new QListWidgetItem(fromUtf8(entry), m_list), false);
    const int rowHeight = m_list->sizeHintForRow(0) > 0 ? m_list->sizeHintForRow(0) : 18;
    m_list->setMinimumHeight(rowHeight * static_cast<int>(settings::kHistoryItemCount) +
                             2 * m_list->frameWidth() + 4);
    m_list->setMinimumWidth(m_list->sizeHintForColumn(0) + 2 * m_list->frameWidth() + 8);
    prompt->setBuddy(m_list);
    layout->addWidget(m_list);
    connect(m_list, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { toggle(m_list->row(item)); });
    // The space bar toggles the current entry, as a click does.
    auto* space = new QAction(m_list);
    space->setShortcut(Qt::Key_Space);
    space->setShortcutContext(Qt::WidgetShortcut);
    m_list->addAction(space);
    connect(space, &QAction::triggered, this, [this] { toggle(m_list->currentRow()); });
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText("&OK");
    buttons->button(QDialogButtonBox::Cancel)->setText("&Cancel");
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

void HistoryCleanupDialog::toggle(int row)
{
    QListWidgetItem* item = m_list->item(row);
    if (item != nullptr)
        showChecked(item, !item->data(kCheckedRole).toBool());
}

settings::HistorySelection HistoryCleanupDialog::selection() const
{
    settings::HistorySelection s{};
    for (int i = 0; i < m_list->count() && i < static_cast<int>(s.size()); ++i)
        s[static_cast<std::size_t>(i)] = m_list->item(i)->data(kCheckedRole).toBool();
    return s;
}

}  // namespace quillon::app
