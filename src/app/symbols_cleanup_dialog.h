// SymbolsCleanupDialog: the "Symbols Cleanup" dialog's four boxes; performs nothing.
#pragma once

#include <QDialog>

#include "maintenance/symbols_cleanup.h"

class QCheckBox;

namespace quillon::app {

class SymbolsCleanupDialog final : public QDialog {
    Q_OBJECT
public:
    SymbolsCleanupDialog(const maintenance::SymbolsCleanupChoices& choices,
                         QWidget* parent = nullptr);
    [[nodiscard]] maintenance::SymbolsCleanupChoices choices() const;

private:
    QCheckBox* m_excludes = nullptr;
    QCheckBox* m_duplicates = nullptr;
    QCheckBox* m_remove = nullptr;
    QCheckBox* m_report = nullptr;
};

}  // namespace quillon::app
