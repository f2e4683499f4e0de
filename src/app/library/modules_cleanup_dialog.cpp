// The modules cleanup dialog.
#include "app/library/modules_cleanup_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/widgets/qt_ui.h"
#include "maintenance/maintenance_messages.h"

namespace quillon::app {

ModulesCleanupDialog::ModulesCleanupDialog(const Workspace& ws,
                                           const maintenance::ModulesCleanupChoices& choices,
                                           QWidget* parent)
    : QDialog(parent), m_ws(ws)
{
    setObjectName("P419$OPTWIN");
    setWindowTitle(fromUtf8(maintenance::kModulesCleanupTitle));
    auto* layout = new QVBoxLayout(this);
    auto box = [&](std::string_view label, bool checked, bool enabled) {
        auto* b = new QCheckBox(fromUtf8(label), this);
        b->setChecked(checked && enabled);
        b->setEnabled(enabled);
        layout->addWidget(b);
        return b;
    };
    const bool bitCheck = ws.options.UseBitCheck != BitCheck::None;
    m_bit = box(maintenance::kBoxRemoveInconsistent, choices.CheckBit, bitCheck);
    m_unlocated = box(maintenance::kBoxRemoveUnlocated, choices.CheckUnloc, bitCheck);
    m_duplicates = box(maintenance::kBoxRemoveDuplicateModules, choices.CheckDubModule,
                       ws.options.UseBitCheckDuplicates);
    m_report = box(maintenance::kBoxShowReport, choices.ShowReportModule, true);
    // Greyed-out boxes say nothing about why: point to the options that enable them.
    m_hint = new QLabel(this);
    m_hint->setObjectName("optionsHint");
    m_hint->setWordWrap(true);
    m_hint->setText(
        "The boxes are enabled in the LIB-file options (\"Cleanup options...\"), group "
        "\"Modules cleanup\": \"DLL source files synchronization\" for the first two, "
        "\"Remove duplicated modules\" for the third.");
    layout->addWidget(m_hint);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* options = buttons->addButton(fromUtf8(maintenance::kButtonCleanupOptions),
                                              QDialogButtonBox::ActionRole);
    options->setObjectName("cleanupOptions");
    connect(options, &QPushButton::clicked, this, [this] { openOptions(0); });
    QPushButton* autolocate = buttons->addButton(fromUtf8(maintenance::kButtonAutolocateOptions),
                                                 QDialogButtonBox::ActionRole);
    autolocate->setObjectName("autolocateOptions");
    connect(autolocate, &QPushButton::clicked, this, [this] { openOptions(1); });
    m_exceptions = buttons->addButton("E&xceptions list...", QDialogButtonBox::ActionRole);
    m_exceptions->setObjectName("exceptionsList");
    m_exceptions->setVisible(false);
    connect(m_exceptions, &QPushButton::clicked, this, [this] {
        if (m_exceptionsEditor)
            m_exceptionsEditor();
    });
    m_start = buttons->addButton("&Start modules cleanup", QDialogButtonBox::AcceptRole);
    m_start->setEnabled(maintenance::modulesCleanupAvailable(ws));
    m_hint->setVisible(!m_bit->isEnabled() || !m_duplicates->isEnabled());
    buttons->addButton("&Cancel", QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

void ModulesCleanupDialog::openOptions(int page)
{
    if (m_opener && m_opener(page))
        followOptions();
}

void ModulesCleanupDialog::followOptions()
{
    const bool bitCheck = m_ws.options.UseBitCheck != BitCheck::None;
    for (QCheckBox* box : {m_bit, m_unlocated}) {
        if (!bitCheck)
            box->setChecked(false);
        box->setEnabled(bitCheck);
    }
    const bool duplicates = m_ws.options.UseBitCheckDuplicates;
    if (!duplicates)
        m_duplicates->setChecked(false);
    m_duplicates->setEnabled(duplicates);
    m_start->setEnabled(maintenance::modulesCleanupAvailable(m_ws));
    m_hint->setVisible(!bitCheck || !duplicates);
}

maintenance::ModulesCleanupChoices ModulesCleanupDialog::choices() const
{
    return {m_bit->isChecked(), m_unlocated->isChecked(), m_duplicates->isChecked(),
            m_report->isChecked()};
}

void ModulesCleanupDialog::setExceptionsEditor(std::function<void()> editor)
{
    m_exceptionsEditor = std::move(editor);
    m_exceptions->setVisible(static_cast<bool>(m_exceptionsEditor));
}

}  // namespace quillon::app
