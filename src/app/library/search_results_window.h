// SearchResultsWindow: the "Search results" window listing every search for a module's file.
#pragma once

#include <QDialog>

class QTableView;

namespace quillon {
class Workspace;
}

namespace quillon::app {

class LibraryView;
class SearchResultsModel;

/// A non-modal tool window owned by the main window; one instance, made at first use. It lists
/// `ResultQ` in place, refreshes whenever it is shown and whenever the library tree is rebuilt
/// (every locate run rebuilds it), and keeps its placement in section `FolderWindow`.
class SearchResultsWindow final : public QDialog {
    Q_OBJECT
public:
    static constexpr const char* kCaption = "Clarion Quillon 32 - Search results";

    /// Shows, raises and refreshes the search results window of the window `view`; returns it.
    static SearchResultsWindow* showFor(LibraryView& view);
    /// The search results window of the window `view`, or null when it has not been opened.
    [[nodiscard]] static SearchResultsWindow* of(const QWidget& owner);

    explicit SearchResultsWindow(LibraryView& view);
    ~SearchResultsWindow() override;

    /// Reads the results again and shows the newest.
    void refresh();

    [[nodiscard]] QTableView* table() const { return m_table; }
    [[nodiscard]] SearchResultsModel* model() const { return m_model; }

    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    Workspace& m_ws;
    SearchResultsModel* m_model = nullptr;
    QTableView* m_table = nullptr;
    bool m_open = false;
};

}  // namespace quillon::app
