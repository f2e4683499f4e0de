// LibraryView: what the library's own windows need from the window that shows the library list.
#pragma once

#include <cstddef>
#include <optional>

class QWidget;

namespace quillon {
class Workspace;
}

namespace quillon::app {

class IconSet;
class LibraryTreeModel;

/// The library list as the library data window, the search results window and the finds see
/// it: its workspace, model and selection, and the library commands they run. The main window
/// implements it; the windows never reach the main window itself.
class LibraryView {
public:
    virtual ~LibraryView() = default;

    [[nodiscard]] virtual Workspace& workspace() const = 0;
    [[nodiscard]] virtual const IconSet& icons() const = 0;
    [[nodiscard]] virtual LibraryTreeModel* model() const = 0;
    /// The window that owns the library's tool windows.
    [[nodiscard]] virtual QWidget& owner() = 0;

    /// The selected row of the library list.
    [[nodiscard]] virtual std::optional<std::size_t> selectedRow() const = 0;
    /// Selects the row at `row` of `LibraryList` and shows it.
    virtual void selectRow(std::size_t row) = 0;
    /// Brings the library list to the front with `row` selected and the focus on the list.
    virtual void showLibraryRow(std::size_t row) = 0;

    /// Locates the executables of all modules, or of the selected one.
    virtual void locateAllCommand() = 0;
    virtual void locateOneCommand() = 0;
    /// Updates every module, or the marked or selected one(s), from their executables.
    virtual void updateLibraryCommand() = 0;
    virtual void updateModuleCommand() = 0;
};

}  // namespace quillon::app
