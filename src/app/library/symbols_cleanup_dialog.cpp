// The symbols cleanup dialog.
#include "app/library/symbols_cleanup_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/widgets/qt_ui.h"
#include "maintenance/maintenance_messages.h"

namespace quillon::app {

SymbolsCleanupDialog::SymbolsCleanupDialog(const maintenance::SymbolsCleanupChoices& choices,
                                           QWidget* parent)
    : QDialog(parent)
{
    setObjectName("P420$OPTWIN");
    setWindowTitle(fromUtf8(maintenance::kSymbolsCleanupTitle));
    auto* layout = new QVBoxLayout(this);
    auto box = [&](std::string_view label, bool checked) {
        auto* b = new QCheckBox(fromUtf8(label), this);
        b->setChecked(checked);
        layout->addWidget(b);
        return b;
    };
    m_excludes = box(maintenance::kBoxLocateExcludes, choices.CheckExl);
    m_duplicates = box(maintenance::kBoxLocateDuplicates, choices.CheckDub);
    m_remove = box(maintenance::kBoxRemoveMarked, choices.Cleanup);
    m_report = box(maintenance::kBoxShowReport, choices.ShowReport);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* options = buttons->addButton(fromUtf8(maintenance::kButtonCleanupOptions),
                                              QDialogButtonBox::ActionRole);
    options->setObjectName("cleanupOptions");
    connect(options, &QPushButton::clicked, this, [this] { openOptions(); });
    buttons->addButton(fromUtf8(maintenance::kButtonStartSymbolsCleanup),
                       QDialogButtonBox::AcceptRole);
    buttons->addButton("&Cancel", QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

void SymbolsCleanupDialog::openOptions()
{
    if (m_opener && m_opener(0))
        m_optionsChanged = true;
}

maintenance::SymbolsCleanupChoices SymbolsCleanupDialog::choices() const
{
    return {m_excludes->isChecked(), m_duplicates->isChecked(), m_remove->isChecked(),
            m_report->isChecked()};
}

}  // namespace quillon::app
