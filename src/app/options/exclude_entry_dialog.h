// ExcludeEntryDialog: the entry dialog of the exclusion list (add or edit one symbol name).
#pragma once

#include <QDialog>

#include <string>

class QCheckBox;
class QLabel;
class QLineEdit;

namespace quillon::app {

/// Asks for a symbol name and its check box; OK with a blank name keeps the dialog open.
class ExcludeEntryDialog final : public QDialog {
    Q_OBJECT
public:
    /// `add`: an empty name with the box checked; otherwise `symbol` and `check` are shown.
    ExcludeEntryDialog(bool add, const std::string& symbol, bool check, QWidget* parent = nullptr);

    [[nodiscard]] std::string symbol() const;
    [[nodiscard]] bool check() const;
    [[nodiscard]] QLineEdit* nameEdit() const { return m_name; }
    [[nodiscard]] QCheckBox* checkBox() const { return m_check; }

    void accept() override;

private:
    QLineEdit* m_name = nullptr;
    QCheckBox* m_check = nullptr;
};

}  // namespace quillon::app
