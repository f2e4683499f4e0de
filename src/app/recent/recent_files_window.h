// RecentFilesWindow: the recent files list with its test, find, add, remove, reload, save,
// move and cleanup buttons; a double click chooses a file to open.
#pragma once

#include <QDialog>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "settings/recent_files.h"

class QListWidget;
class QPushButton;
class QToolButton;

namespace quillon {
class Workspace;
}

namespace quillon::app {

class QtUi;

class RecentFilesWindow final : public QDialog {
    Q_OBJECT
public:
    RecentFilesWindow(Workspace& ws, QtUi& ui, QWidget* parent = nullptr);

    /// The file chosen by a double click; nothing when the window closed otherwise.
    [[nodiscard]] const std::optional<std::string>& chosenFile() const { return m_chosen; }
    /// The list as the window holds it now.
    [[nodiscard]] const std::vector<settings::RecentFileEntry>& entries() const
    {
        return m_entries;
    }
    [[nodiscard]] QListWidget* list() const { return m_list; }
    /// Selects entry `row` (nothing with -1).
    void selectEntry(int row);

    /// The buttons' commands (public so that tests run them as the buttons do).
    void testCommand();
    void findCommand();
    void addCommand();
    void removeCommand();
    void reloadCommand();
    void saveCommand();
    void moveCommand(int step);
    void cleanupCommand();

    /// The find dialog's answer in tests: without a seam the dialog is shown.
    using FindSeam =
        std::function<std::optional<settings::RecentFind>(const settings::RecentFind&)>;
    void setFindSeam(FindSeam seam) { m_findSeam = std::move(seam); }

    void accept() override;

private:
    void fillList();
    void changed();
    /// The selected entry, or the "No file selected!" message and nothing.
    [[nodiscard]] std::optional<std::size_t> selectedEntry();

    Workspace& m_ws;
    QtUi& m_ui;
    std::vector<settings::RecentFileEntry> m_entries;
    bool m_changed = false;
    std::optional<std::string> m_chosen;
    QListWidget* m_list = nullptr;
    FindSeam m_findSeam;
};

}  // namespace quillon::app
