// EditSymbolDialog: the "Edit symbol" dialog (edit the selected row or insert a new symbol).
#pragma once

#include <QDialog>

#include <functional>
#include <string>

class QCheckBox;
class QLineEdit;

namespace quillon::app {

/// Shows the selected row's name and ordinal. OK hands the typed values to the acceptor, which
/// stores them (and reports a refusal); the dialog closes only when it did.
class EditSymbolDialog final : public QDialog {
    Q_OBJECT
public:
    /// Stores the typed name, ordinal text and "Insert new " box; false keeps the dialog open.
    using Acceptor =
        std::function<bool(const std::string& name, const std::string& ordinal, bool insert)>;

    EditSymbolDialog(const std::string& name, unsigned ordinal, Acceptor acceptor,
                     QWidget* parent = nullptr);

    [[nodiscard]] QLineEdit* nameEdit() const { return m_name; }
    [[nodiscard]] QLineEdit* ordinalEdit() const { return m_ordinal; }
    [[nodiscard]] QCheckBox* insertBox() const { return m_insert; }

    void accept() override;

private:
    QLineEdit* m_name = nullptr;
    QLineEdit* m_ordinal = nullptr;
    QCheckBox* m_insert = nullptr;
    Acceptor m_acceptor;
};

}  // namespace quillon::app
