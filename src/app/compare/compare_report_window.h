// CompareReportWindow: the compare report in a fixed-pitch, read-only text window that keeps
// its size and maximized state in section `CompareReportWin`.
#pragma once

#include <QDialog>

#include "core/workspace.h"
#include "reports/compare_types.h"

class QPlainTextEdit;

namespace quillon::app {

class CompareReportWindow final : public QDialog {
    Q_OBJECT
public:
    CompareReportWindow(Workspace& ws, const reports::CompareResult& result,
                        QWidget* parent = nullptr);
    [[nodiscard]] QPlainTextEdit* view() const { return m_view; }

    /// Opens the report of `result` as a window of its own (closed windows delete themselves).
    static CompareReportWindow* open(Workspace& ws, const reports::CompareResult& result,
                                     QWidget* parent);

protected:
    void done(int result) override;

private:
    Workspace& m_ws;
    QPlainTextEdit* m_view = nullptr;
    /// The width that shows the longest line whole (within the screen).
    int m_fitWidth = 0;
};

}  // namespace quillon::app
