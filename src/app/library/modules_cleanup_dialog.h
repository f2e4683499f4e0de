// ModulesCleanupDialog: the "Modules Cleanup" dialog's four boxes; performs nothing.
#pragma once

#include <QDialog>

#include <functional>

#include "core/workspace.h"
#include "maintenance/modules_cleanup.h"

class QCheckBox;
class QLabel;
class QPushButton;

namespace quillon::app {

class ModulesCleanupDialog final : public QDialog {
    Q_OBJECT
public:
    /// The boxes the options switch off are disabled; the start button needs one of them.
    ModulesCleanupDialog(const Workspace& ws, const maintenance::ModulesCleanupChoices& choices,
                         QWidget* parent = nullptr);
    [[nodiscard]] maintenance::ModulesCleanupChoices choices() const;

    /// Opens the options dialog on a page (0 the LIB-file options, 1 the autolocate options)
    /// and tells whether the options changed.
    using OptionsOpener = std::function<bool(int page)>;
    void setOptionsOpener(OptionsOpener opener) { m_opener = std::move(opener); }
    /// "Cleanup options..." (page 0) and "A&utolocate options..." (page 1); changed options
    /// enable or disable the boxes again.
    void openOptions(int page);

    /// Offers "E&xceptions list..." running `editor`.
    void setExceptionsEditor(std::function<void()> editor);

private:
    QCheckBox* m_bit = nullptr;
    QCheckBox* m_unlocated = nullptr;
    QCheckBox* m_duplicates = nullptr;
    QCheckBox* m_report = nullptr;
    QPushButton* m_start = nullptr;
    QPushButton* m_exceptions = nullptr;
    std::function<void()> m_exceptionsEditor;
    QLabel* m_hint = nullptr;
    const Workspace& m_ws;
    OptionsOpener m_opener;

    void followOptions();
};

}  // namespace quillon::app
