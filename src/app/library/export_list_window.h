// ExportListWindow: the paged viewer of the export list, and showing a written list there,
// on the clipboard or in the text editor.
#pragma once

#include <QDialog>

#include <string>
#include <vector>

#include "core/workspace.h"
#include "reports/export_list_pages.h"

class QPlainTextEdit;

namespace quillon::app {

/// Shows the pages of the export list one at a time in a fixed-pitch font; Shift+PgDn and
/// Shift+PgUp turn the pages, Ctrl+Home and Ctrl+End go to the top and bottom of a page. Its size is kept in section `ExportListWin`.
class ExportListWindow final : public QDialog {
    Q_OBJECT
public:
    ExportListWindow(Workspace& ws, std::string fileName, reports::ExportListPages pages,
                     QWidget* parent = nullptr);
    ~ExportListWindow() override;

    /// Shows page `page` (1-based; out-of-range values are ignored).
    void showPage(int page);
    [[nodiscard]] int currentPage() const { return m_page; }
    [[nodiscard]] int pageCount() const { return static_cast<int>(m_pages.pages.size()); }
    [[nodiscard]] QPlainTextEdit* view() const { return m_view; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    Workspace& m_ws;
    std::string m_fileName;
    reports::ExportListPages m_pages;
    QPlainTextEdit* m_view = nullptr;
    int m_page = 1;
};

/// Opens `fileName` in the text editor: Notepad on Windows, the desktop's application for
/// text files elsewhere. False when no program could be started.
[[nodiscard]] bool openInTextEditor(const std::string& fileName);

/// After the export file is written: fills the viewer's pages, copies the list to the
/// clipboard when `copy` is set, and then opens the file in the text editor or shows the
/// viewer (owned by `parent`) as `UseExportTextNotepad` says. Returns the viewer, or null
/// when it was not shown.
ExportListWindow* presentExportList(Workspace& ws, const std::string& fileName, bool copy,
                                    QWidget* parent);

}  // namespace quillon::app
