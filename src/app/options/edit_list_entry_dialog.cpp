// The entry dialog of the exceptions and favourites lists.
#include "app/options/edit_list_entry_dialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/widgets/qt_ui.h"
#include "maintenance/edit_messages.h"

namespace quillon::app {

namespace {
// One more than the fields hold, so that a name too long is refused rather than cut.
constexpr int kModuleLength = 255;
constexpr int kFileLength = 260;

}  // namespace

EditListEntryDialog::EditListEntryDialog(maintenance::EditListKind kind, bool add,
                                         const maintenance::EditListEntry& entry, Checker checker,
                                         Browser browser, QWidget* parent)
    : QDialog(parent), m_kind(kind), m_checker(std::move(checker)), m_browser(std::move(browser))
{
    namespace m = maintenance;
    setObjectName("P364$EDITLISTWINDOW");
    setWindowTitle(fromUtf8(add ? m::kEntryAddCaption : m::kEntryEditCaption));
    const bool favorites = kind == m::EditListKind::Favorites;
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    m_module = new QLineEdit(fromCp1252(entry.moduleName), this);
    m_module->setObjectName("moduleName");
    m_module->setMaxLength(kModuleLength);
    // A favourite's module column is its file's name, shown only.
    m_module->setEnabled(!favorites);
    auto* moduleLabel = new QLabel(fromUtf8(add ? m::kEntryAddModule : m::kEntryEditModule), this);
    moduleLabel->setBuddy(m_module);
    grid->addWidget(moduleLabel, 0, 0, 1, 2);
    grid->addWidget(m_module, 1, 0, 1, 2);
    m_file = new QLineEdit(fromPath(entry.fileName), this);
    m_file->setObjectName("fileName");
    m_file->setMaxLength(kFileLength);
    m_file->setMinimumWidth(m_file->fontMetrics().averageCharWidth() * 50);
    m_file->setToolTip(fromUtf8(favorites ? m::kFavoritesHint : m::kExceptionsHint));
    auto* fileLabel = new QLabel(fromUtf8(add ? m::kEntryAddFile : m::kEntryEditFile), this);
    fileLabel->setBuddy(m_file);
    grid->addWidget(fileLabel, 2, 0, 1, 2);
    grid->addWidget(m_file, 3, 0);
    m_browse = new QToolButton(this);
    m_browse->setObjectName("browse");
    m_browse->setText("...");
    grid->addWidget(m_browse, 3, 1);
    layout->addLayout(grid);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText("&OK");
    buttons->button(QDialogButtonBox::Cancel)->setText("&Cancel");
    connect(buttons, &QDialogButtonBox::accepted, this, &EditListEntryDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    connect(m_browse, &QToolButton::clicked, this, [this] {
        if (!m_browser)
            return;
        const auto chosen = m_browser(toPath(m_file->text()));
        if (!chosen || chosen->empty())
            return;
        m_file->setText(fromPath(*chosen));
        // The list keeps what it needs of the chosen file: an exception its name only.
        const m::EditListEntry normal = this->entry();
        m_file->setText(fromPath(normal.fileName));
        if (m_kind == m::EditListKind::Favorites)
            m_module->setText(fromPath(normal.moduleName));
    });
    connect(m_file, &QLineEdit::textChanged, this, [this] {
        if (m_kind == maintenance::EditListKind::Favorites)
            m_module->setText(fromPath(this->entry().moduleName));
    });
    (favorites ? m_file : m_module)->setFocus();
}

maintenance::EditListEntry EditListEntryDialog::entry() const
{
    return maintenance::normalizeEntry(m_kind, toCp1252(m_module->text()), toPath(m_file->text()));
}

void EditListEntryDialog::accept()
{
    if (m_checker && !m_checker(entry())) {
        (m_module->isEnabled() ? m_module : m_file)->setFocus();
        return;
    }
    QDialog::accept();
}

}  // namespace quillon::app
