// The "Update library" tab: the update list with "&Update...", "&Refresh list" and
// "Cl&ear list", and the counts of the last update.
#pragma once

#include <QWidget>

#include "core/workspace.h"

class QLabel;
class QPushButton;
class QTreeView;

namespace quillon::app {

class QtUi;
class UpdateListModel;

class UpdateTab final : public QWidget {
    Q_OBJECT
public:
    UpdateTab(Workspace& ws, QtUi& ui, QWidget* parent = nullptr);

    [[nodiscard]] UpdateListModel* model() const { return m_model; }
    [[nodiscard]] QTreeView* list() const { return m_list; }
    [[nodiscard]] QString resultText() const;

    /// "&Refresh list": compares every module with its located executable.
    void refreshList();
    /// "Cl&ear list".
    void clearList();
    /// Shows the list as it is kept (after it was cleared elsewhere).
    void reload();
    /// Shows the counts of an update.
    void setResultText(const QString& text);

signals:
    /// "&Update..." was pressed.
    void updateRequested();

private:
    void updateButtons();

    Workspace& m_ws;
    QtUi& m_ui;
    UpdateListModel* m_model = nullptr;
    QTreeView* m_list = nullptr;
    QLabel* m_result = nullptr;
    QPushButton* m_update = nullptr;
    QPushButton* m_refresh = nullptr;
    QPushButton* m_clear = nullptr;
};

}  // namespace quillon::app
