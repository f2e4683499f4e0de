// CompareTab: the "Disk-compare" tab: its buttons, the compare list and the list's pop-up.
#pragma once

#include <QWidget>

#include <memory>

#include "app/find/find_target.h"
#include "core/workspace.h"

class QAction;
class QMenu;
class QPushButton;
class QTreeView;

namespace quillon::app {

class CompareListModel;
class CompareShownRows;

/// The commands of the compare list, each one QAction made once (hot keys work while the
/// list has the focus).
struct CompareActions {
    QAction* showOnlyChanged = nullptr;
    QAction* refresh = nullptr;
    QAction* clear = nullptr;
    QAction* compare = nullptr;
    QAction* compareNext = nullptr;
    QAction* openReport = nullptr;
    QAction* exportText = nullptr;
    QAction* find = nullptr;
    QAction* findNext = nullptr;
    QAction* gotoRow = nullptr;
    QAction* copyName = nullptr;
    QAction* sortName = nullptr;
    QAction* sortOrdinal = nullptr;
    QAction* sortFile = nullptr;
    QAction* sortAscending = nullptr;
    QAction* sortDescending = nullptr;
    QAction* popup = nullptr;
};

/// The tab and the find target of its list (the function names of the rows shown).
class CompareTab final : public QWidget, public FindTarget {
    Q_OBJECT
public:
    CompareTab(Workspace& ws, QWidget* parent = nullptr);
    ~CompareTab() override;

    [[nodiscard]] const CompareActions& actions() const { return m_actions; }
    [[nodiscard]] CompareListModel* model() const { return m_model; }
    [[nodiscard]] QTreeView* list() const { return m_list; }
    [[nodiscard]] QMenu* popupMenu() const { return m_popup; }

    /// Reads the list again and sets the commands' states.
    void refresh();
    /// The rows shown, in the list's order.
    [[nodiscard]] const CompareShownRows& shownRows() const { return *m_shown; }

    [[nodiscard]] query::SearchMode findMode() const override { return query::SearchMode::Compare; }
    [[nodiscard]] const query::SearchList& searchList() const override;
    [[nodiscard]] std::optional<std::size_t> currentRow() const override;
    void showFoundRow(std::size_t row) override;

signals:
    void compareRequested();
    void compareNextRequested();
    void reportRequested();
    void exportRequested();
    void listChanged();

private:
    void createActions();
    void updateActions();

    Workspace& m_ws;
    CompareActions m_actions;
    CompareListModel* m_model = nullptr;
    std::unique_ptr<CompareShownRows> m_shown;
    QTreeView* m_list = nullptr;
    QMenu* m_popup = nullptr;
    QPushButton* m_refreshButton = nullptr;
    QPushButton* m_clearButton = nullptr;
};

}  // namespace quillon::app
