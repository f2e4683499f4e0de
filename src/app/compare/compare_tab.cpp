// The "Disk-compare" tab.
#include "app/compare/compare_tab.h"

#include <QAction>
#include <QActionGroup>
#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMenu>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

#include "app/compare/compare_list_model.h"
#include "app/compare/compare_shown_rows.h"
#include "app/widgets/goto_dialog.h"
#include "app/widgets/in_place_edit_delegate.h"
#include "app/widgets/keypad_sort_keys.h"
#include "app/widgets/qt_ui.h"
#include "reports/compare_settings.h"
#include "reports/compare_state.h"
#include "settings/settings_store.h"

namespace quillon::app {

CompareTab::CompareTab(Workspace& ws, QWidget* parent) : QWidget(parent), m_ws(ws)
{
    setObjectName("compareTab");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    auto button = [this, buttons](const QString& text) {
        auto* b = new QPushButton(text, this);
        buttons->addWidget(b);
        return b;
    };
    QPushButton* compare = button("&Compare...");
    m_refreshButton = button("&Refresh list");
    QPushButton* next = button("Ne&xt");
    m_clearButton = button("Cl&ear list");
    layout->addLayout(buttons);

    m_list = new QTreeView(this);
    m_list->setObjectName("compareList");
    m_list->setRootIsDecorated(false);
    m_list->setAllColumnsShowFocus(true);
    m_list->setUniformRowHeights(true);
    m_list->setContextMenuPolicy(Qt::CustomContextMenu);
    // A double click edits the function name or ordinal in place (F2 is "Compare next").
    m_list->setItemDelegate(new InPlaceEditDelegate(m_list));
    m_list->setEditTriggers(QAbstractItemView::DoubleClicked);
    m_model = new CompareListModel(ws, this);
    m_list->setModel(m_model);
    m_shown = std::make_unique<CompareShownRows>(*m_model);
    m_list->setColumnWidth(CompareListModel::Module, 140);
    m_list->setColumnWidth(CompareListModel::FunctionName, 260);
    m_list->setColumnWidth(CompareListModel::Ordinal, 70);
    m_list->header()->setStretchLastSection(true);
    layout->addWidget(m_list, 1);

    createActions();
    new KeypadSortKeys(m_list, m_actions.sortAscending, m_actions.sortDescending);
    connect(compare, &QPushButton::clicked, this, &CompareTab::compareRequested);
    connect(next, &QPushButton::clicked, this, &CompareTab::compareNextRequested);
    connect(m_refreshButton, &QPushButton::clicked, m_actions.refresh, &QAction::trigger);
    connect(m_clearButton, &QPushButton::clicked, m_actions.clear, &QAction::trigger);
    connect(m_list, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { m_popup->popup(m_list->viewport()->mapToGlobal(pos)); });
    m_model->setShowOnlyChanged(reports::readCompareSettings(ws.settings()).UseNoUnchanged);
    refresh();
}

CompareTab::~CompareTab() = default;

const query::SearchList& CompareTab::searchList() const
{
    return *m_shown;
}

std::optional<std::size_t> CompareTab::currentRow() const
{
    return currentViewRow(*m_list);
}

void CompareTab::showFoundRow(std::size_t row)
{
    showViewRow(*m_list, row);
}

void CompareTab::createActions()
{
    auto make = [this](const QString& text, const QKeySequence& key) {
        auto* action = new QAction(text, this);
        action->setShortcut(key);
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        m_list->addAction(action);
        return action;
    };
    using K = QKeySequence;
    CompareActions& a = m_actions;
    a.showOnlyChanged = make("&Show only changed", K("Alt+S"));
    a.showOnlyChanged->setCheckable(true);
    a.refresh = make("&Refresh list", K("Alt+R"));
    a.clear = make("Cl&ear list", K("Alt+E"));
    a.compare = make("&Compare to disk...", K("Shift+F2"));
    a.compareNext = make("Compare ne&xt", K("F2"));
    a.openReport = make("&Open report...", K("F4"));
    a.exportText = make("&Export to text...", K("F12"));
    a.find = make("&Find...", K("Alt+F3"));
    a.findNext = make("Find &next", K("F3"));
    a.gotoRow = make("&Goto...", K("Ctrl+G"));
    a.copyName = make("Cop&y name", K::Copy);
    a.sortName = make("Sort by &name", K("Alt+N"));
    a.sortOrdinal = make("Sort by &ordinal", K("Alt+O"));
    a.sortFile = make("&File order", K("Alt+F"));
    a.sortAscending = make(
        "&Ascending", K(QKeyCombination(Qt::ControlModifier | Qt::KeypadModifier, Qt::Key_Plus)));
    a.sortDescending = make(
        "&Descending", K(QKeyCombination(Qt::ControlModifier | Qt::KeypadModifier, Qt::Key_Minus)));
    a.popup = make("Pop-up menu", K("Alt+Z"));
    auto* fields = new QActionGroup(this);
    auto* directions = new QActionGroup(this);
    for (QAction* s : {a.sortName, a.sortOrdinal, a.sortFile}) {
        s->setCheckable(true);
        fields->addAction(s);
    }
    for (QAction* s : {a.sortAscending, a.sortDescending}) {
        s->setCheckable(true);
        directions->addAction(s);
    }

    m_popup = new QMenu(this);
    for (QAction* x : {a.showOnlyChanged, a.refresh, a.clear})
        m_popup->addAction(x);
    m_popup->addSeparator();
    for (QAction* x : {a.compare, a.compareNext, a.openReport})
        m_popup->addAction(x);
    m_popup->addSeparator();
    for (QAction* x : {a.exportText, a.find, a.findNext, a.gotoRow, a.copyName})
        m_popup->addAction(x);
    QMenu* sort = m_popup->addMenu("&Sort list");
    for (QAction* x : {a.sortName, a.sortOrdinal, a.sortFile})
        sort->addAction(x);
    sort->addSeparator();
    sort->addAction(a.sortAscending);
    sort->addAction(a.sortDescending);

    connect(a.showOnlyChanged, &QAction::toggled, this, [this](bool on) {
        m_model->setShowOnlyChanged(on);
        m_ws.settings().writeNumber(reports::kCompareSection, "UseNoUnchanged", on ? 1 : 0);
        updateActions();
    });
    connect(a.refresh, &QAction::triggered, this, [this] { refresh(); });
    connect(a.clear, &QAction::triggered, this, [this] {
        reports::clearCompareList(m_ws);
        refresh();
        emit listChanged();
    });
    connect(a.compare, &QAction::triggered, this, &CompareTab::compareRequested);
    connect(a.compareNext, &QAction::triggered, this, &CompareTab::compareNextRequested);
    connect(a.openReport, &QAction::triggered, this, &CompareTab::reportRequested);
    connect(a.exportText, &QAction::triggered, this, &CompareTab::exportRequested);
    connect(a.find, &QAction::triggered, this,
            [this] { (void)runFindCommand(m_ws, this, *this, false); });
    connect(a.findNext, &QAction::triggered, this,
            [this] { (void)runFindCommand(m_ws, this, *this, true); });
    connect(a.gotoRow, &QAction::triggered, this, [this] {
        if (const auto row =
                askGotoRow(this, currentRow(), static_cast<std::size_t>(m_model->rowCount())))
            showFoundRow(*row);
    });
    connect(a.copyName, &QAction::triggered, this, [this] {
        if (const reports::CompareRow* row = m_model->rowAt(m_list->currentIndex().row()))
            QGuiApplication::clipboard()->setText(fromCp1252(row->SYMBOL));
    });
    const auto sortBy = [this](CompareListModel::SortField field) {
        m_model->sortBy(field, m_model->descending());
        updateActions();
    };
    connect(a.sortName, &QAction::triggered, this,
            [sortBy] { sortBy(CompareListModel::SortField::Name); });
    connect(a.sortOrdinal, &QAction::triggered, this,
            [sortBy] { sortBy(CompareListModel::SortField::Ordinal); });
    connect(a.sortFile, &QAction::triggered, this,
            [sortBy] { sortBy(CompareListModel::SortField::FileOrder); });
    connect(a.sortAscending, &QAction::triggered, this, [this] {
        m_model->sortBy(m_model->sortField(), false);
        updateActions();
    });
    connect(a.sortDescending, &QAction::triggered, this, [this] {
        m_model->sortBy(m_model->sortField(), true);
        updateActions();
    });
    connect(a.popup, &QAction::triggered, this, [this] {
        const QRect rect = m_list->visualRect(m_list->currentIndex());
        m_popup->popup(m_list->viewport()->mapToGlobal(rect.isValid() ? rect.center() : QPoint()));
    });
}

void CompareTab::refresh()
{
    m_model->refresh();
    updateActions();
}

void CompareTab::updateActions()
{
    const bool rows = reports::compareState(m_ws).hasResult;
    for (QAction* x : {m_actions.clear, m_actions.openReport, m_actions.copyName})
        x->setEnabled(rows);
    m_clearButton->setEnabled(rows);
    const bool shown = m_model->rowCount() > 0;
    for (QAction* x : {m_actions.exportText, m_actions.find, m_actions.findNext, m_actions.gotoRow})
        x->setEnabled(shown);
    m_actions.showOnlyChanged->setChecked(m_model->showOnlyChanged());
    using F = CompareListModel::SortField;
    m_actions.sortName->setChecked(m_model->sortField() == F::Name);
    m_actions.sortOrdinal->setChecked(m_model->sortField() == F::Ordinal);
    m_actions.sortFile->setChecked(m_model->sortField() == F::FileOrder);
    m_actions.sortAscending->setChecked(!m_model->descending());
    m_actions.sortDescending->setChecked(m_model->descending());
}

}  // namespace quillon::app
