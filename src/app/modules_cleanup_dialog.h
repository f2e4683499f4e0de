// ModulesCleanupDialog: the "Modules Cleanup" dialog's four boxes; performs nothing.
#pragma once

#include <QDialog>

#include "core/workspace.h"
#include "maintenance/modules_cleanup.h"

class QCheckBox;

namespace quillon::app {

class ModulesCleanupDialog final : public QDialog {
    Q_OBJECT
public:
    /// The boxes the options switch off are disabled; the start button needs one of them.
    ModulesCleanupDialog(const Workspace& ws, const maintenance::ModulesCleanupChoices& choices,
                         QWidget* parent = nullptr);
    [[nodiscard]] maintenance::ModulesCleanupChoices choices() const;

private:
    QCheckBox* m_bit = nullptr;
    QCheckBox* m_unlocated = nullptr;
    QCheckBox* m_duplicates = nullptr;
    QCheckBox* m_report = nullptr;
};

}  // namespace quillon::app
