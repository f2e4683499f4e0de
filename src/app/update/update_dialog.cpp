// The update dialog.
#include "app/update/update_dialog.h"

#include <QDialogButtonBox>
#include <QRadioButton>
#include <QVBoxLayout>

namespace quillon::app {

UpdateDialog::UpdateDialog(bool marked, bool selected, QWidget* parent) : QDialog(parent)
{
    setWindowTitle("Update library");
    auto* layout = new QVBoxLayout(this);
    m_all = new QRadioButton("Update &all modules from DLL/EXE files", this);
    m_marked = new QRadioButton("Update &marked modules", this);
    m_selected = new QRadioButton("Update &selected module", this);
    m_marked->setEnabled(marked);
    m_selected->setEnabled(selected);
    (marked ? m_marked : m_all)->setChecked(true);
    for (QRadioButton* b : {m_all, m_marked, m_selected})
        layout->addWidget(b);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

UpdateScope UpdateDialog::scope() const
{
    if (m_marked->isChecked())
        return UpdateScope::MarkedModules;
    if (m_selected->isChecked())
        return UpdateScope::SelectedModule;
    return UpdateScope::AllModules;
}

QRadioButton* UpdateDialog::choice(UpdateScope scope) const
{
    switch (scope) {
        case UpdateScope::MarkedModules:
            return m_marked;
        case UpdateScope::SelectedModule:
            return m_selected;
        case UpdateScope::AllModules:
            break;
    }
    return m_all;
}

}  // namespace quillon::app
