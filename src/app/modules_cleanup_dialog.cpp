// The modules cleanup dialog.
#include "app/modules_cleanup_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "maintenance/maintenance_messages.h"

namespace quillon::app {

namespace {
QString text(std::string_view s)
{
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}
}  // namespace

ModulesCleanupDialog::ModulesCleanupDialog(const Workspace& ws,
                                           const maintenance::ModulesCleanupChoices& choices,
                                           QWidget* parent)
    : QDialog(parent)
{
    setObjectName("P419$OPTWIN");
    setWindowTitle(text(maintenance::kModulesCleanupTitle));
    auto* layout = new QVBoxLayout(this);
    auto box = [&](std::string_view label, bool checked, bool enabled) {
        auto* b = new QCheckBox(text(label), this);
        b->setChecked(checked && enabled);
        b->setEnabled(enabled);
        layout->addWidget(b);
        return b;
    };
    const bool bitCheck = ws.options.UseBitCheck != 0;
    m_bit = box(maintenance::kBoxRemoveInconsistent, choices.CheckBit, bitCheck);
    m_unlocated = box(maintenance::kBoxRemoveUnlocated, choices.CheckUnloc, bitCheck);
    m_duplicates = box(maintenance::kBoxRemoveDuplicateModules, choices.CheckDubModule,
                       ws.options.UseBitCheckDuplicates != 0);
    m_report = box(maintenance::kBoxShowReport, choices.ShowReportModule, true);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* start = buttons->addButton("&Start modules cleanup", QDialogButtonBox::AcceptRole);
    start->setEnabled(maintenance::modulesCleanupAvailable(ws));
    buttons->addButton("&Cancel", QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

maintenance::ModulesCleanupChoices ModulesCleanupDialog::choices() const
{
    return {m_bit->isChecked(), m_unlocated->isChecked(), m_duplicates->isChecked(),
            m_report->isChecked()};
}

}  // namespace quillon::app
