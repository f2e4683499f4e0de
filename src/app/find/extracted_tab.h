// ExtractedTab: the "Extracted functions" tab: the list of `QueryResultList`, its buttons,
// its pop-up menu and hot keys.
#pragma once

#include <QWidget>

#include "app/find/find_target.h"
#include "core/workspace.h"

class QAction;
class QMenu;
class QTreeView;

namespace quillon::app {

class ExtractedListModel;
class IconSet;

/// The commands of the extracted functions list, each one QAction made once.
struct ExtractedActions {
    QAction* query = nullptr;
    QAction* saveAs = nullptr;
    QAction* clear = nullptr;
    QAction* exportText = nullptr;
    QAction* find = nullptr;
    QAction* findNext = nullptr;
    QAction* gotoRow = nullptr;
    QAction* copyName = nullptr;
    QAction* deleteRow = nullptr;
    QAction* sortName = nullptr;
    QAction* sortOrdinal = nullptr;
    QAction* sortFull = nullptr;
    QAction* sortAscending = nullptr;
    QAction* sortDescending = nullptr;
    QAction* popup = nullptr;
};

/// The tab and the find target of its list (`QUQ:SYMBOL`). The query and the export are the
/// window's: the tab asks for them by its signals.
class ExtractedTab final : public QWidget, public FindTarget {
    Q_OBJECT
public:
    ExtractedTab(Workspace& ws, const IconSet& icons, QWidget* parent = nullptr);

    /// Shows the list again after the core changed it.
    void listChanged();
    /// Sorts the list by order 1, 2 or 3, in the direction chosen.
    void sortBy(int order);
    void saveAs();
    void clearList();
    void deleteSelected();
    /// Sets the commands' enabled states and the sort checks.
    void updateActions();

    [[nodiscard]] query::SearchMode findMode() const override
    {
        return query::SearchMode::Extracted;
    }
    [[nodiscard]] const query::SearchList& searchList() const override { return m_list; }
    [[nodiscard]] std::optional<std::size_t> currentRow() const override;
    void showFoundRow(std::size_t row) override;

    [[nodiscard]] QTreeView* list() const { return m_view; }
    [[nodiscard]] ExtractedListModel* model() const { return m_model; }
    [[nodiscard]] QMenu* popupMenu() const { return m_popup; }
    [[nodiscard]] const ExtractedActions& actions() const { return m_actions; }

signals:
    /// "Quer&y..." (Alt+Y): the window's query into this list.
    void queryRequested();
    /// "E&xport to text" (F12): the export list of this list's rows.
    void exportRequested();
    /// The list's rows changed (sorted, cleared, deleted, saved).
    void rowsChanged();

private:
    void createActions();
    void gotoRow();
    void copyName();
    void showPopup();

    Workspace& m_ws;
    query::ExtractedSearchList m_list;
    ExtractedListModel* m_model = nullptr;
    QTreeView* m_view = nullptr;
    QMenu* m_popup = nullptr;
    QMenu* m_sortMenu = nullptr;
    ExtractedActions m_actions;
    bool m_descending = false;
};

}  // namespace quillon::app
