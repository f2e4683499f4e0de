// HistoryCleanupDialog: the "History Data Cleanup" check list; returns the selection.
#pragma once

#include <QDialog>

#include "program/history_cleanup.h"

class QListWidget;

namespace quillon::app {

/// Eight entries with a hook icon each; a click toggles an entry. Nothing is checked at first.
class HistoryCleanupDialog final : public QDialog {
    Q_OBJECT
public:
    explicit HistoryCleanupDialog(QWidget* parent = nullptr);

    [[nodiscard]] settings::HistorySelection selection() const;
    /// Toggles the entry at `row` (as a click does).
    void toggle(int row);
    [[nodiscard]] QListWidget* list() const { return m_list; }

private:
    QListWidget* m_list = nullptr;
};

}  // namespace quillon::app
