// The "Edit symbol" dialog.
#include "app/library/edit_symbol_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "app/widgets/qt_ui.h"

namespace quillon::app {

namespace {
// The longest name a symbol holds, and the most digits the ordinal field takes.
constexpr int kSymbolCapacity = 254;
constexpr int kOrdinalDigits = 20;
}  // namespace

EditSymbolDialog::EditSymbolDialog(const std::string& name, unsigned ordinal, Acceptor acceptor,
                                   QWidget* parent)
    : QDialog(parent), m_acceptor(std::move(acceptor))
{
    setObjectName("P370$EDITWINDOW");
    setWindowTitle("Edit symbol");
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    m_name = new QLineEdit(fromCp1252(name), this);
    m_name->setObjectName("symbolName");
    // One more than the field holds, so that a name too long is refused rather than cut.
    m_name->setMaxLength(kSymbolCapacity + 1);
    m_name->setMinimumWidth(m_name->fontMetrics().averageCharWidth() * 50);
    auto* nameLabel = new QLabel("Symbol name:", this);
    nameLabel->setBuddy(m_name);
    form->addRow(nameLabel, m_name);
    m_ordinal = new QLineEdit(ordinal == 0 ? QString() : QString::number(ordinal), this);
    m_ordinal->setObjectName("ordinalNumber");
    m_ordinal->setMaxLength(kOrdinalDigits);
    m_ordinal->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,20}")), this));
    auto* ordinalLabel = new QLabel("Ordinal number:", this);
    ordinalLabel->setBuddy(m_ordinal);
    form->addRow(ordinalLabel, m_ordinal);
    layout->addLayout(form);
    m_insert = new QCheckBox("Insert new ", this);
    m_insert->setObjectName("insertNew");
    m_insert->setToolTip("Check to enter a new symbol");
    layout->addWidget(m_insert);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText("&OK");
    buttons->button(QDialogButtonBox::Cancel)->setText("&Cancel");
    connect(buttons, &QDialogButtonBox::accepted, this, &EditSymbolDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    setTabOrder(m_name, m_ordinal);
    setTabOrder(m_ordinal, m_insert);
}

void EditSymbolDialog::accept()
{
    if (m_acceptor && !m_acceptor(toCp1252(m_name->text()), m_ordinal->text().toStdString(),
                                  m_insert->isChecked())) {
        m_name->setFocus();
        return;
    }
    QDialog::accept();
}

}  // namespace quillon::app
