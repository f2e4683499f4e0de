// The "&Update..." dialog of the "Update library" tab: which modules to update.
#pragma once

#include <QDialog>

class QRadioButton;

namespace quillon::app {

enum class UpdateScope { AllModules, MarkedModules, SelectedModule };

class UpdateDialog final : public QDialog {
    Q_OBJECT
public:
    /// `marked`/`selected`: whether there are marked modules / a selected module to update.
    UpdateDialog(bool marked, bool selected, QWidget* parent = nullptr);

    [[nodiscard]] UpdateScope scope() const;
    [[nodiscard]] QRadioButton* choice(UpdateScope scope) const;

private:
    QRadioButton* m_all = nullptr;
    QRadioButton* m_marked = nullptr;
    QRadioButton* m_selected = nullptr;
};

}  // namespace quillon::app
