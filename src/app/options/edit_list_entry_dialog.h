// EditListEntryDialog: one entry of the exceptions or favourites list (module and file name).
#pragma once

#include <QDialog>

#include <functional>
#include <optional>
#include <string>

#include "maintenance/edit_list.h"

class QLineEdit;
class QToolButton;

namespace quillon::app {

/// Asks for a module name and a file name; "..." browses for the file. OK hands the
/// normalised entry to the checker, which reports a refusal and keeps the dialog open.
class EditListEntryDialog final : public QDialog {
    Q_OBJECT
public:
    /// Reports why the entry cannot be taken; true takes it.
    using Checker = std::function<bool(const maintenance::EditListEntry& entry)>;
    /// Browses for a file; nothing when cancelled.
    using Browser = std::function<std::optional<std::string>(const std::string& current)>;

    EditListEntryDialog(maintenance::EditListKind kind, bool add,
                        const maintenance::EditListEntry& entry, Checker checker, Browser browser,
                        QWidget* parent = nullptr);

    /// The entry as typed, normalised for its list.
    [[nodiscard]] maintenance::EditListEntry entry() const;
    [[nodiscard]] QLineEdit* moduleEdit() const { return m_module; }
    [[nodiscard]] QLineEdit* fileEdit() const { return m_file; }
    [[nodiscard]] QToolButton* browseButton() const { return m_browse; }

    void accept() override;

private:
    maintenance::EditListKind m_kind;
    QLineEdit* m_module = nullptr;
    QLineEdit* m_file = nullptr;
    QToolButton* m_browse = nullptr;
    Checker m_checker;
    Browser m_browser;
};

}  // namespace quillon::app
