// CompareController: the window's compare commands: the compare dialog, "Compare next", the
// report window, and keeping each result for the "Disk-compare" tab.
#pragma once

#include <QObject>

#include <cstddef>
#include <functional>
#include <optional>
#include <string>

#include "app/compare/compare_dialog.h"
#include "core/workspace.h"
#include "reports/compare_types.h"

class QWidget;

namespace quillon::app {

class CompareTab;
class QtUi;

class CompareController final : public QObject {
    Q_OBJECT
public:
    CompareController(Workspace& ws, QtUi& ui, QWidget& window, CompareTab& tab);

    /// "Co&mpare module to disk..." (Shift+F2): the dialog for the module of `libraryRow`
    /// (a module or symbol row; the first module when absent), then the comparison.
    void compareCommand(std::optional<std::size_t> libraryRow);
    /// "Compare ne&xt" (F2): the module after the one compared last, with its located file at
    /// once ("UseMultiCompare") or through the dialog.
    void compareNext();
    /// "&Open report..." (F4): the report of the last comparison in a window.
    void openReport();
    /// Runs one comparison and keeps its result; shows the report when the settings ask.
    void run(std::size_t moduleRow, const std::string& diskFile,
             const reports::CompareSettings& settings);

    /// The module row of the module that `row` belongs to.
    [[nodiscard]] static std::optional<std::size_t> moduleRowOf(const Workspace& ws,
                                                                std::size_t row);

    /// Test seam: runs the dialog in place of a person (returns whether it was accepted).
    using DialogSeam = std::function<bool(CompareDialog&)>;
    void setDialogSeam(DialogSeam seam) { m_dialogSeam = std::move(seam); }

signals:
    /// A comparison ran (or the list changed): status panes and module results are new.
    void compared();
    /// A comparison ran and its result is to be shown: `paired` when the module was compared
    /// with the file, `reportOpen` when its report window opened.
    void resultReady(bool paired, bool reportOpen);

private:
    /// The dialog on `moduleRow`; `unlocated` when autolocate found no file for it, so the
    /// file field starts empty rather than with the file of another module.
    void openDialog(std::size_t moduleRow, bool unlocated = false);
    [[nodiscard]] std::optional<std::string> locate(std::size_t moduleRow, bool tell);

    Workspace& m_ws;
    QtUi& m_ui;
    QWidget& m_window;
    CompareTab& m_tab;
    DialogSeam m_dialogSeam;
};

}  // namespace quillon::app
