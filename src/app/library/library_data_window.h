// LibraryDataWindow: the library data window (F4): a summary of the target library and the
// sortable table of its modules, with finding, locating and the search results.
#pragma once

#include <QDialog>

#include <cstddef>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;
class QSplitter;
class QTableView;

namespace quillon {
class Workspace;
}

namespace quillon::app {

class LibraryView;
class ModuleTableModel;

/// A non-modal tool window owned by the main window; one instance, made at first use. It reads
/// the library in place and refreshes whenever it is shown and whenever the library tree is
/// rebuilt. Placement, splitter bar (`BarY`) and table format are kept in the settings file.
class LibraryDataWindow final : public QDialog {
    Q_OBJECT
public:
    /// The caption; its first three characters name the window's list formats.
    static constexpr const char* kCaption = "Clarion Quillon 32 - Library data";
    /// The module table's number among the window's list controls.
    static constexpr int kTableListNumber = 1;

    /// Shows, raises and refreshes the library data window of the window `view`; returns it.
    static LibraryDataWindow* showFor(LibraryView& view);
    /// The library data window of the window `view`, or null when it has not been opened.
    [[nodiscard]] static LibraryDataWindow* of(const QWidget& owner);

    explicit LibraryDataWindow(LibraryView& view);
    ~LibraryDataWindow() override;

    /// Reads the summary and the module table again, keeping the selected module.
    void refresh();

    /// Selects the next module from the one after the selected one on (wrapping round) whose
    /// module name or file names contain `text`, letter case ignored. False when none does.
    bool findNext(const QString& text);
    /// The selected module as its `ModuleTable` position. With `selectModuleEntry` this is the
    /// seam for a search over the module table: it starts from the selection and shows what
    /// it found.
    [[nodiscard]] std::optional<std::size_t> currentModuleEntry() const;
    /// Selects and shows `ModuleTable` entry `entry`; false when there is no such entry.
    bool selectModuleEntry(std::size_t entry);

    /// Selects the module of entry `entry` in the library tree of the main window.
    void showInLibrary(std::size_t entry);
    /// Locates the files of all modules, or of the selected module, and shows the results.
    void locateAll();
    void locateSelected();
    void showSearchResults();

    [[nodiscard]] QTableView* table() const { return m_table; }
    [[nodiscard]] ModuleTableModel* model() const { return m_model; }
    [[nodiscard]] QSplitter* splitter() const { return m_splitter; }
    [[nodiscard]] QLineEdit* findEdit() const { return m_findEdit; }
    [[nodiscard]] QString libraryFileText() const;
    [[nodiscard]] QString moduleCountText() const;
    [[nodiscard]] QString functionCountText() const;

    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void createActions();
    void restoreLayout();
    void saveLayout();
    /// The y position of the splitter bar in the window.
    [[nodiscard]] int barY() const;

    LibraryView& m_view;
    Workspace& m_ws;
    ModuleTableModel* m_model = nullptr;
    QTableView* m_table = nullptr;
    QSplitter* m_splitter = nullptr;
    QLabel* m_fileLabel = nullptr;
    QLabel* m_modulesLabel = nullptr;
    QLabel* m_functionsLabel = nullptr;
    QLineEdit* m_findEdit = nullptr;
    /// Placement, splitter and format are applied on the first show and written on closing.
    bool m_layoutRestored = false;
    bool m_open = false;
};

}  // namespace quillon::app
