// SymbolsCleanupDialog: the "Symbols Cleanup" dialog's four boxes; performs nothing.
#pragma once

#include <QDialog>

#include <functional>

#include "maintenance/symbols_cleanup.h"

class QCheckBox;

namespace quillon::app {

class SymbolsCleanupDialog final : public QDialog {
    Q_OBJECT
public:
    SymbolsCleanupDialog(const maintenance::SymbolsCleanupChoices& choices,
                         QWidget* parent = nullptr);
    [[nodiscard]] maintenance::SymbolsCleanupChoices choices() const;

    /// Opens the options dialog on a page (0 the LIB-file options) and tells whether the
    /// options changed; without one the options button does nothing.
    using OptionsOpener = std::function<bool(int page)>;
    void setOptionsOpener(OptionsOpener opener) { m_opener = std::move(opener); }
    /// "Cleanup options...": the options dialog on its symbols cleanup page.
    void openOptions();
    /// Whether the options changed while the dialog was open.
    [[nodiscard]] bool optionsChanged() const { return m_optionsChanged; }

private:
    QCheckBox* m_excludes = nullptr;
    QCheckBox* m_duplicates = nullptr;
    QCheckBox* m_remove = nullptr;
    QCheckBox* m_report = nullptr;
    OptionsOpener m_opener;
    bool m_optionsChanged = false;
};

}  // namespace quillon::app
