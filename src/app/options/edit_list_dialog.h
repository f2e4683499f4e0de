// EditListDialog: the editor of the exceptions list and of the favourites list.
#pragma once

#include <QDialog>

#include <string>
#include <vector>

#include "core/workspace.h"
#include "maintenance/edit_list.h"

class QPushButton;
class QTreeWidget;

namespace quillon::app {

/// Shows the list in the columns "Module name" and "File name"; entries are added, edited and
/// removed in memory, "Impor&t" takes the exceptions SYSTEM.INI gives, and "&OK" writes the
/// list to the settings file (a write that fails is reported and keeps the dialog open).
class EditListDialog final : public QDialog {
    Q_OBJECT
public:
    /// `systemIni`: the SYSTEM.INI the exceptions are imported from (the favourites have no
    /// import).
    EditListDialog(Workspace& ws, maintenance::EditListKind kind, std::string systemIni,
                   QWidget* parent = nullptr);

    /// Opens the editor of `kind` with the Windows folder's SYSTEM.INI (the Wine prefix's off
    /// Windows); true when "&OK" wrote the list.
    static bool run(Workspace& ws, maintenance::EditListKind kind, QWidget* parent);

    [[nodiscard]] const std::vector<maintenance::EditListEntry>& entries() const
    {
        return m_entries;
    }
    [[nodiscard]] QTreeWidget* list() const { return m_list; }
    [[nodiscard]] QPushButton* importButton() const { return m_import; }

    /// "&Add..." (Insert), "&Edit..." (F2, double-click), "&Remove" (Delete), "Impor&t".
    void addEntry();
    void editEntry();
    void removeEntry();
    void importEntries();

    void accept() override;

private:
    void fill(int select);
    void updateButtons();
    [[nodiscard]] bool takeEntry(const maintenance::EditListEntry& entry,
                                 std::optional<std::size_t> editing);
    [[nodiscard]] bool openEntry(bool add, std::size_t at);

    Workspace& m_ws;
    maintenance::EditListKind m_kind;
    std::string m_systemIni;
    std::vector<maintenance::EditListEntry> m_entries;
    QTreeWidget* m_list = nullptr;
    QPushButton* m_add = nullptr;
    QPushButton* m_edit = nullptr;
    QPushButton* m_remove = nullptr;
    QPushButton* m_import = nullptr;
};

}  // namespace quillon::app
