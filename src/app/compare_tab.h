// CompareTab: the "Disk-compare" tab: its buttons, the compare list and the list's pop-up.
#pragma once

#include <QWidget>

#include "core/workspace.h"

class QAction;
class QMenu;
class QPushButton;
class QTreeView;

namespace quillon::app {

class CompareListModel;

/// The commands of the compare list, each one QAction made once (hot keys work while the
/// list has the focus).
struct CompareActions {
    QAction* showOnlyChanged = nullptr;
    QAction* refresh = nullptr;
    QAction* clear = nullptr;
    QAction* compare = nullptr;
    QAction* compareNext = nullptr;
    QAction* openReport = nullptr;
    QAction* copyName = nullptr;
    QAction* sortName = nullptr;
    QAction* sortOrdinal = nullptr;
    QAction* sortFile = nullptr;
    QAction* sortAscending = nullptr;
    QAction* sortDescending = nullptr;
    QAction* popup = nullptr;
};

class CompareTab final : public QWidget {
    Q_OBJECT
public:
    CompareTab(Workspace& ws, QWidget* parent = nullptr);

    [[nodiscard]] const CompareActions& actions() const { return m_actions; }
    [[nodiscard]] CompareListModel* model() const { return m_model; }
    [[nodiscard]] QTreeView* list() const { return m_list; }
    [[nodiscard]] QMenu* popupMenu() const { return m_popup; }

    /// Reads the list again and sets the commands' states.
    void refresh();

signals:
    void compareRequested();
    void compareNextRequested();
    void reportRequested();
    void listChanged();

private:
    void createActions();
    void updateActions();

    Workspace& m_ws;
    CompareActions m_actions;
    CompareListModel* m_model = nullptr;
    QTreeView* m_list = nullptr;
    QMenu* m_popup = nullptr;
    QPushButton* m_refreshButton = nullptr;
    QPushButton* m_clearButton = nullptr;
};

}  // namespace quillon::app
