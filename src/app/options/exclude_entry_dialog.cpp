// The entry dialog of the exclusion list.
#include "app/options/exclude_entry_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/widgets/qt_ui.h"

namespace quillon::app {

namespace {
// The longest name a symbol holds.
constexpr int kSymbolCapacity = 254;
}  // namespace

ExcludeEntryDialog::ExcludeEntryDialog(bool add, const std::string& symbol, bool check,
                                       QWidget* parent)
    : QDialog(parent)
{
    setObjectName("P315$EDITEXCLUDEWINDOW");
    setWindowTitle(add ? "Add new symbol name" : "Edit symbol name");
    auto* layout = new QVBoxLayout(this);
    auto* prompt = new QLabel(
        add ? "Enter a new symbol to be excluded:" : "Edit the symbol to be excluded:", this);
    layout->addWidget(prompt);
    auto* form = new QFormLayout;
    m_name = new QLineEdit(add ? QString() : fromCp1252(symbol), this);
    m_name->setObjectName("symbolName");
    m_name->setMaxLength(kSymbolCapacity);
    m_name->setMinimumWidth(m_name->fontMetrics().averageCharWidth() * 40);
    auto* label = new QLabel("Symbol name:", this);
    label->setBuddy(m_name);
    form->addRow(label, m_name);
    layout->addLayout(form);
    m_check = new QCheckBox("Activate automatic exclusion for this symbol", this);
    m_check->setObjectName("activate");
    m_check->setChecked(add || check);
    layout->addWidget(m_check);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText("&OK");
    buttons->button(QDialogButtonBox::Cancel)->setText("&Cancel");
    connect(buttons, &QDialogButtonBox::accepted, this, &ExcludeEntryDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    setTabOrder(m_name, m_check);
}

std::string ExcludeEntryDialog::symbol() const
{
    return toCp1252(m_name->text().trimmed());
}

bool ExcludeEntryDialog::check() const
{
    return m_check->isChecked();
}

void ExcludeEntryDialog::accept()
{
    if (m_name->text().trimmed().isEmpty()) {
        m_name->setFocus();
        return;
    }
    QDialog::accept();
}

}  // namespace quillon::app
