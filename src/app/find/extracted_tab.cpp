// The "Extracted functions" tab.
#include "app/find/extracted_tab.h"

#include <QAction>
#include <QActionGroup>
#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>
#include <QTreeView>
#include <QVBoxLayout>

#include <algorithm>

#include "app/find/extracted_list_model.h"
#include "app/widgets/action_button.h"
#include "app/widgets/goto_dialog.h"
#include "app/widgets/in_place_edit_delegate.h"
#include "app/widgets/keypad_sort_keys.h"
#include "app/widgets/qt_ui.h"
#include "lib/save_file.h"

namespace quillon::app {

ExtractedTab::ExtractedTab(Workspace& ws, const IconSet& icons, QWidget* parent)
    : QWidget(parent), m_ws(ws), m_list(ws)
{
    setObjectName("extractedTab");
    m_model = new ExtractedListModel(ws, icons, this);
    createActions();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    auto* buttons = new QHBoxLayout;
    auto* sort = new QToolButton(this);
    sort->setObjectName("sortOptionsButton");
    sort->setText("Sort");
    sort->setToolTip("Sort options for the list");
    sort->setMenu(m_sortMenu);
    sort->setPopupMode(QToolButton::InstantPopup);
    buttons->addWidget(sort);
    buttons->addStretch(1);
    auto pushButton = [&](QAction* action, const QString& text) {
        buttons->addWidget(actionButton(action, text, this));
    };
    pushButton(m_actions.query, "Quer&y...");
    pushButton(m_actions.saveAs, "&Save as...");
    pushButton(m_actions.clear, "Cl&ear list");
    layout->addLayout(buttons);

    m_view = new QTreeView(this);
    m_view->setObjectName("extractedList");
    m_view->setModel(m_model);
    m_view->setRootIsDecorated(false);
    m_view->setUniformRowHeights(true);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    // F2 or a double click edits the function name or ordinal in place (the model refuses
    // when the options turn editing in place off).
    m_view->setItemDelegate(new InPlaceEditDelegate(m_view));
    m_view->setEditTriggers(QAbstractItemView::DoubleClicked);
    new InPlaceEditKey(m_view, ExtractedListModel::Function);
    m_view->setAllColumnsShowFocus(true);
    m_view->setContextMenuPolicy(Qt::CustomContextMenu);
    new KeypadSortKeys(m_view, m_actions.sortAscending, m_actions.sortDescending);
    m_view->setColumnWidth(ExtractedListModel::Module, 160);
    m_view->setColumnWidth(ExtractedListModel::Function, 360);
    layout->addWidget(m_view, 1);
    for (QAction* action : findChildren<QAction*>(Qt::FindDirectChildrenOnly)) {
        if (!action->shortcuts().isEmpty())
            m_view->addAction(action);
    }
    connect(m_view, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { m_popup->popup(m_view->viewport()->mapToGlobal(pos)); });
    updateActions();
}

void ExtractedTab::createActions()
{
    auto make = [this](const QString& text, const QList<QKeySequence>& keys, auto slot) {
        auto* action = new QAction(text, this);
        action->setShortcuts(keys);
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    using K = QKeySequence;
    ExtractedActions& a = m_actions;
    a.query = make("Quer&y...", {K("Alt+Y")}, [this] { emit queryRequested(); });
    a.saveAs = make("&Save as...", {K("Alt+S")}, [this] { saveAs(); });
    a.clear = make("Cl&ear list", {K("Alt+E")}, [this] { clearList(); });
    a.exportText = make("E&xport to text", {K("F12")}, [this] { emit exportRequested(); });
    a.find = make("&Find...", {K("Alt+F3")},
                  [this] { (void)runFindCommand(m_ws, window(), *this, false); });
    a.findNext = make("Find &next", {K("F3")},
                      [this] { (void)runFindCommand(m_ws, window(), *this, true); });
    a.gotoRow = make("&Goto...", {K("Ctrl+G")}, [this] { gotoRow(); });
    a.copyName = make("Cop&y name", {K::Copy}, [this] { copyName(); });
    a.deleteRow = make("&Delete", {K::Delete}, [this] { deleteSelected(); });
    a.sortName = make("Sort by &name", {K("Alt+N")}, [this] { sortBy(1); });
    a.sortOrdinal = make("Sort by &ordinal", {K("Alt+O")}, [this] { sortBy(2); });
    a.sortFull = make("Sort by name and o&rdinal", {K("Alt+F")}, [this] { sortBy(3); });
    a.sortAscending =
        make("&Ascending",
             {K(QKeyCombination(Qt::ControlModifier | Qt::KeypadModifier, Qt::Key_Plus))}, [this] {
                 m_descending = false;
                 sortBy(m_ws.queryResults.order);
             });
    a.sortDescending =
        make("&Descending",
             {K(QKeyCombination(Qt::ControlModifier | Qt::KeypadModifier, Qt::Key_Minus))}, [this] {
                 m_descending = true;
                 sortBy(m_ws.queryResults.order);
             });
    a.popup = make("Pop-up menu", {K("Alt+Z")}, [this] { showPopup(); });
    auto* fields = new QActionGroup(this);
    for (QAction* s : {a.sortName, a.sortOrdinal, a.sortFull}) {
        s->setCheckable(true);
        fields->addAction(s);
    }
    auto* directions = new QActionGroup(this);
    for (QAction* s : {a.sortAscending, a.sortDescending}) {
        s->setCheckable(true);
        directions->addAction(s);
    }

    m_sortMenu = new QMenu("&Sort list", this);
    for (QAction* s : {a.sortName, a.sortOrdinal, a.sortFull})
        m_sortMenu->addAction(s);
    m_sortMenu->addSeparator();
    m_sortMenu->addAction(a.sortAscending);
    m_sortMenu->addAction(a.sortDescending);
    m_popup = new QMenu(this);
    m_popup->setObjectName("extractedPopup");
    for (QAction* x : {a.query, a.saveAs, a.clear, a.exportText})
        m_popup->addAction(x);
    m_popup->addSeparator();
    for (QAction* x : {a.find, a.findNext, a.gotoRow, a.copyName, a.deleteRow})
        m_popup->addAction(x);
    m_popup->addMenu(m_sortMenu);
}

void ExtractedTab::updateActions()
{
    const bool rows = !m_ws.queryResults.empty();
    const ExtractedActions& a = m_actions;
    a.query->setEnabled(!m_ws.library.empty());
    for (QAction* x :
         {a.saveAs, a.clear, a.exportText, a.find, a.findNext, a.gotoRow, a.copyName, a.deleteRow,
          a.sortName, a.sortOrdinal, a.sortFull, a.sortAscending, a.sortDescending})
        x->setEnabled(rows);
    const int order = m_ws.queryResults.order;
    a.sortName->setChecked(order == 1);
    a.sortOrdinal->setChecked(order == 2);
    a.sortFull->setChecked(order != 1 && order != 2);
    a.sortAscending->setChecked(!m_descending);
    a.sortDescending->setChecked(m_descending);
}

void ExtractedTab::listChanged()
{
    updateActions();
    emit rowsChanged();
}

void ExtractedTab::sortBy(int order)
{
    m_model->resetWith([&] {
        sortQueryResultList(m_ws.queryResults, order);
        if (m_descending)
            std::reverse(m_ws.queryResults.rows.begin(), m_ws.queryResults.rows.end());
    });
    listChanged();
}

void ExtractedTab::saveAs()
{
    lib::SaveHooks hooks;
    (void)lib::saveFile(m_ws, lib::SaveWhat::QueryResults, true, hooks);
    // Saving sorts the list by the LIB-file sort order; the rows stay, and the save's report
    // stays in the status bar.
    m_model->resetWith([] {});
    updateActions();
}

void ExtractedTab::clearList()
{
    m_model->resetWith([&] { m_ws.queryResults.rows.clear(); });
    listChanged();
}

void ExtractedTab::deleteSelected()
{
    if (const auto row = currentRow()) {
        m_model->removeEntry(*row);
        listChanged();
    }
}

std::optional<std::size_t> ExtractedTab::currentRow() const
{
    return currentViewRow(*m_view);
}

void ExtractedTab::showFoundRow(std::size_t row)
{
    showViewRow(*m_view, row);
}

void ExtractedTab::gotoRow()
{
    const auto row = askGotoRow(this, currentRow(), static_cast<std::size_t>(m_model->rowCount()));
    if (row)
        showFoundRow(*row);
}

void ExtractedTab::copyName()
{
    if (const auto row = currentRow())
        QGuiApplication::clipboard()->setText(fromCp1252(m_ws.queryResults.rows[*row].SYMBOL));
}

void ExtractedTab::showPopup()
{
    const QRect rect = m_view->visualRect(m_view->currentIndex());
    const QPoint at = rect.isValid() ? rect.bottomLeft() : QPoint(0, 0);
    m_popup->popup(m_view->viewport()->mapToGlobal(at));
}

}  // namespace quillon::app
