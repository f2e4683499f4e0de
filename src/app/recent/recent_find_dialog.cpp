// The find dialog of the recent files window.
#include "app/recent/recent_find_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/widgets/qt_ui.h"

namespace quillon::app {

RecentFindDialog::RecentFindDialog(const settings::RecentFind& find, QWidget* parent)
    : QDialog(parent)
{
    setObjectName("recentFindDialog");
    setWindowTitle("Find path/file");
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel("Find path/file containing:", this);
    m_text = new QLineEdit(fromPath(find.FindText), this);
    m_text->setObjectName("findText");
    m_text->setMinimumWidth(320);
    label->setBuddy(m_text);
    m_fromTop = new QCheckBox("Start from top of list", this);
    m_fromTop->setObjectName("fromTop");
    m_fromTop->setChecked(find.FromTop);
    m_caseSensitive = new QCheckBox("Case sensitive", this);
    m_caseSensitive->setObjectName("caseSensitive");
    m_caseSensitive->setChecked(find.CaseSensitive);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton("&OK", QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton("&Cancel", QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(label);
    layout->addWidget(m_text);
    layout->addWidget(m_fromTop);
    layout->addWidget(m_caseSensitive);
    layout->addWidget(buttons);
}

settings::RecentFind RecentFindDialog::find() const
{
    return {toPath(m_text->text()), m_fromTop->isChecked(), m_caseSensitive->isChecked()};
}

}  // namespace quillon::app
