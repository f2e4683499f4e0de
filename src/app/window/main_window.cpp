// The main window: layout, the library tree, caption, status bar and closing.
#include "app/window/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QMenu>
#include <QPixmap>
#include <QPushButton>
#include <QStandardItemModel>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QTreeView>
#include <QVBoxLayout>

#include <algorithm>

#include "app/compare/compare_controller.h"
#include "app/compare/compare_shown_rows.h"
#include "app/compare/compare_tab.h"
#include "app/find/extracted_tab.h"
#include "app/library/cleanup_menu.h"
#include "app/library/library_tree_model.h"
#include "app/options/list_appearance.h"
#include "app/options/list_formats.h"
#include "app/options/options_tab.h"
#include "app/update/update_tab.h"
#include "app/widgets/action_button.h"
#include "app/widgets/header_titles.h"
#include "app/widgets/in_place_edit_delegate.h"
#include "app/widgets/keypad_sort_keys.h"
#include "app/widgets/qt_ui.h"
#include "app/window/about_tab.h"
#include "app/window/banner.h"
#include "app/window/tray_icon.h"
#include "core/library_edit.h"
#include "program/window_texts.h"
#include "reports/compare_state.h"
#include "reports/export_rows.h"
#include "settings/options_io.h"
#include "settings/recent_files.h"
#include "settings/settings_store.h"
#include "settings/window_placement.h"

namespace quillon::app {

namespace {
// The display factor of the stored column widths, in halves (3 = 1.5).
constexpr int kColumnFactor = 3;
// The caption whose first three characters name the keys of the lists' formats.
constexpr const char* kMainCaption = "Clarion Quillon 32";
}  // namespace

MainWindow::MainWindow(Workspace& ws, QtUi& ui, WindowSetup setup, QWidget* parent)
    : QMainWindow(parent), m_ws(ws), m_ui(ui), m_setup(std::move(setup))
{
    setObjectName("MainWindow");
    setWindowIcon(m_icons.program());
    m_ui.attach(this, statusBar());
    m_model = new LibraryTreeModel(m_ws, m_icons, this);
    createActions();
    m_loaderHooks.addRecentFile = settings::recordPresentFileHook();
    createLibraryPopup();
    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName("tabs");
    createLibraryTab();
    createOtherTabs();
    // The banner picture runs along the top, above the tabs.
    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    m_banner = new Banner(central);
    column->addWidget(m_banner);
    column->addWidget(m_tabs, 1);
    setCentralWidget(central);
    // Each list is numbered by its position among the window's controls.
    m_listFormats = std::make_unique<ListFormats>(kMainCaption);
    const QList<QWidget*> controls = findChildren<QWidget*>();
    for (QWidget* tab : {m_libraryTab, m_queryTab, m_compareTab, m_updateTab}) {
        for (QTreeView* list : tab->findChildren<QTreeView*>())
            m_listFormats->add(list, static_cast<int>(controls.indexOf(list)) + 1);
    }
    connect(m_tabs, &QTabWidget::currentChanged, this, [this] { updateStatus(); });
    setAcceptDrops(true);
    resize(900, 600);
    applyOptions();
    updateCaption();
    updateActions();
}

MainWindow::~MainWindow() = default;

void MainWindow::restoreListFormats()
{
    // The lists open before the options are loaded: the flag is read where it is kept.
    settings::SettingsStore& store = m_ws.settings();
    Options stored = m_ws.options;
    settings::LoadOption(store, stored, &Options::UseRestoreFormat);
    m_listFormats->open(store, stored.UseRestoreFormat);
}

void MainWindow::restoreDefaultListFormats()
{
    m_listFormats->restoreDefaults(m_ws.settings());
}

void MainWindow::createLibraryTab()
{
    m_libraryTab = new QWidget(this);
    auto* layout = new QVBoxLayout(m_libraryTab);
    layout->setContentsMargins(4, 4, 4, 4);
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(3);

    auto toolButton = [&](const QString& name, const QString& tip) {
        auto* b = new QToolButton(m_libraryTab);
        b->setObjectName(name);
        b->setToolTip(tip);
        b->setIconSize(QSize(20, 20));
        b->setAutoRaise(m_ws.options.UseFlatButtons);
        buttons->addWidget(b);
        return b;
    };

    m_quickButton = toolButton("quickMenuButton", "Quickmenu: Sort the library list");
    m_quickButton->setText("Quickmenu");
    m_quickButton->setToolButtonStyle(Qt::ToolButtonTextOnly);
    m_quickMenu = new QMenu(m_quickButton);
    m_quickButton->setMenu(m_quickMenu);
    m_quickButton->setPopupMode(QToolButton::InstantPopup);
    connect(m_quickMenu, &QMenu::aboutToShow, this, [this] { fillQuickMenu(); });

    m_changeQuickButton = toolButton("changeQuickMenuButton", "Change quickmenu");
    m_changeQuickButton->setArrowType(Qt::DownArrow);
    m_changeQuickMenu = new QMenu(m_changeQuickButton);
    m_changeQuickButton->setMenu(m_changeQuickMenu);
    m_changeQuickButton->setPopupMode(QToolButton::InstantPopup);
    connect(m_changeQuickMenu, &QMenu::aboutToShow, this, [this] { fillChangeQuickMenu(); });

    m_bitButton = toolButton("bitButton", "16/32-bit setting");
    m_bitMenu = new QMenu(m_bitButton);
    m_bitButton->setMenu(m_bitMenu);
    m_bitButton->setPopupMode(QToolButton::InstantPopup);
    connect(m_bitMenu, &QMenu::aboutToShow, this, [this] { fillBitMenu(); });

    m_topmostButton = toolButton("topmostButton", "Push to ENABLE topmost window");
    connect(m_topmostButton, &QToolButton::clicked, this, [this] { toggleTopmost(); });

    m_favoritesButton = toolButton("favoritesButton", "Open favorites");
    m_favoritesButton->setText("Favorites");
    m_editFavoritesButton = toolButton("editFavoritesButton", "Edit favorites");
    m_editFavoritesButton->setArrowType(Qt::DownArrow);
    createFavoritesMenus();
    auto* cleanup = toolButton("cleanupButton", "Cleanup");
    cleanup->setText("Cleanup");
    connect(cleanup, &QToolButton::clicked, m_actions.symbolsCleanup, &QAction::trigger);
    connect(m_actions.symbolsCleanup, &QAction::changed, cleanup,
            [cleanup, this] { cleanup->setEnabled(m_actions.symbolsCleanup->isEnabled()); });
    auto* cleanupOptions = toolButton("cleanupOptionsButton", "Options for cleanup");
    cleanupOptions->setArrowType(Qt::DownArrow);
    cleanupOptions->setMenu(createCleanupMenu(cleanupOptions, m_actions, [this] {
        return std::any_of(m_ws.library.rows.begin(), m_ws.library.rows.end(),
                           [](const LibraryRow& row) { return row.MARK != 0; });
    }));
    cleanupOptions->setPopupMode(QToolButton::InstantPopup);

    buttons->addStretch(1);
    auto pushButton = [&](QAction* action, const QString& text) {
        buttons->addWidget(actionButton(action, text, m_libraryTab));
    };
    pushButton(m_actions.addModule, "&Add file...");
    pushButton(m_actions.saveAs, "&Save as...");
    pushButton(m_actions.clearAll, "Cl&ear list");
    layout->addLayout(buttons);

    m_tree = new QTreeView(m_libraryTab);
    m_tree->setObjectName("libraryList");
    m_tree->setModel(m_model);
    m_tree->setUniformRowHeights(true);
    m_tree->setSelectionMode(QAbstractItemView::SingleSelection);
    m_tree->setSelectionBehavior(QAbstractItemView::SelectRows);
    // F2 edits the row in place (the model refuses when the options turn editing in place
    // off). A click on the selected row does not: the next command key would type into it.
    m_tree->setItemDelegate(new InPlaceEditDelegate(m_tree));
    m_tree->setEditTriggers(QAbstractItemView::EditKeyPressed);
    m_tree->setAllColumnsShowFocus(true);
    m_tree->setIconSize(QSize(16, 16));
    m_tree->setContextMenuPolicy(Qt::CustomContextMenu);
    new KeypadSortKeys(m_tree, m_actions.sortAscending, m_actions.sortDescending);
    m_tree->header()->setStretchLastSection(true);
    m_tree->header()->setSectionsMovable(false);
    keepTitlesWhole(m_tree->header());
    m_tree->setColumnWidth(LibraryTreeModel::Name, 380);
    m_tree->setColumnWidth(LibraryTreeModel::Ordinal, 70);
    layout->addWidget(m_tree, 1);
    // The hot keys work while the library list has the focus; closing and topmost everywhere.
    for (QAction* action : findChildren<QAction*>(Qt::FindDirectChildrenOnly)) {
        if (action == m_actions.exit || action == m_actions.topmost) {
            action->setShortcutContext(Qt::WindowShortcut);
            addAction(action);
        } else if (!action->shortcuts().isEmpty()) {
            m_tree->addAction(action);
        }
    }
    connect(m_tree, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { m_popup->popup(m_tree->viewport()->mapToGlobal(pos)); });
    connect(m_tree->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this] { updateStatus(); });
    connect(m_model, &LibraryTreeModel::rowEdited, this, [this] {
        updateActions();
        updateStatus();
    });
    connect(m_tree, &QTreeView::expanded, this, [this](const QModelIndex& index) {
        if (m_syncingExpansion)
            return;
        if (const auto row = m_model->rowOf(index)) {
            setModuleExpanded(m_ws, *row, true);
            m_model->rowsChanged(*row, *row + 1);
        }
    });
    connect(m_tree, &QTreeView::collapsed, this, [this](const QModelIndex& index) {
        if (m_syncingExpansion)
            return;
        if (const auto row = m_model->rowOf(index)) {
            setModuleExpanded(m_ws, *row, false);
            m_model->rowsChanged(*row, *row + 1);
        }
    });
    m_tabs->addTab(m_libraryTab, " Library ");
}

QWidget* MainWindow::createListTab(const QStringList& columns, const QStringList& buttons)
{
    auto* tab = new QWidget(m_tabs);
    tab->hide();
    auto* layout = new QVBoxLayout(tab);
    layout->setContentsMargins(4, 4, 4, 4);
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    for (const QString& text : buttons) {
        auto* b = new QPushButton(text, tab);
        b->setEnabled(false);
        row->addWidget(b);
    }
    layout->addLayout(row);
    auto* list = new QTreeView(tab);
    list->setRootIsDecorated(false);
    list->setHeaderHidden(false);
    auto* model = new QStandardItemModel(0, static_cast<int>(columns.size()), list);
    model->setHorizontalHeaderLabels(columns);
    list->setModel(model);
    layout->addWidget(list, 1);
    return tab;
}

void MainWindow::createOtherTabs()
{
    m_extractedTab = new ExtractedTab(m_ws, m_icons, m_tabs);
    m_extractedTab->hide();
    connect(m_extractedTab, &ExtractedTab::queryRequested, this, &MainWindow::queryCommand);
    connect(m_extractedTab, &ExtractedTab::exportRequested, this,
            [this] { exportRows(reports::QueryResultRows(m_ws.queryResults)); });
    connect(m_extractedTab, &ExtractedTab::rowsChanged, this, [this] { updateStatus(); });
    m_queryTab = m_extractedTab;
    m_compareList = new CompareTab(m_ws, m_tabs);
    m_compareList->hide();
    m_compareTab = m_compareList;
    connect(m_compareList, &CompareTab::exportRequested, this,
            [this] { exportRows(m_compareList->shownRows()); });
    m_compare = new CompareController(m_ws, m_ui, *this, *m_compareList);
    connect(m_compare, &CompareController::compared, this, [this] { updateStatus(); });
    connect(m_compare, &CompareController::resultReady, this, &MainWindow::showCompareResult);
    m_updateList = new UpdateTab(m_ws, m_ui, m_tabs);
    m_updateList->hide();
    m_updateTab = m_updateList;
    connect(m_updateList, &UpdateTab::updateRequested, this, &MainWindow::updateFromTabCommand);
    auto* options = new OptionsTab(m_ws, m_ui, m_icons, m_setup.settingsFolder, *m_tree, this);
    connect(options, &OptionsTab::optionsChanged, this, &MainWindow::applyOptions);
    connect(options, &OptionsTab::marksChanged, this, [this] {
        m_model->allRowsChanged();
        updateActions();
        updateStatus();
    });
    m_optionsTab = options;
    auto* about = new AboutTab(m_ws, m_ui, m_setup.settingsFolder, *this);
    m_aboutTab = about;
    auto* help = new QAction("&Help", this);
    help->setShortcut(QKeySequence::HelpContents);
    help->setShortcutContext(Qt::WindowShortcut);
    addAction(help);
    connect(help, &QAction::triggered, about, &AboutTab::showHelp);
    m_tabs->addTab(m_updateTab, "Update library");
    m_tabs->addTab(m_optionsTab, " Options ");
    m_tabs->addTab(m_aboutTab, " About ");
}

void MainWindow::applyOptions()
{
    const Options& o = m_ws.options;
    // Tabs in their order; the query and compare tabs come and go with their options.
    auto placeTab = [&](QWidget* tab, const QString& text, bool shown, int position) {
        const int at = m_tabs->indexOf(tab);
        if (shown && at < 0)
            m_tabs->insertTab(position, tab, text);
        else if (!shown && at >= 0)
            m_tabs->removeTab(at);
        if (!shown)
            tab->hide();
    };
    placeTab(m_queryTab, "Extracted functions", o.UseShowQuery, 1);
    placeTab(m_compareTab, "Disk-compare", o.UseShowCompare, o.UseShowQuery ? 2 : 1);

    m_icons.setOsIcons(o.UseOsIcons);
    m_tree->setColumnHidden(LibraryTreeModel::OrdinalHex, !o.UseHexColumn);
    m_tree->setColumnHidden(LibraryTreeModel::EntryPoint, !o.UseHexEntryPoint);
    // Stored widths are in the design's units; on screen they are never narrower than the
    // column's title.
    auto width = [&](int column, int stored) {
        m_tree->setColumnWidth(
            column, std::max(titleWidth(m_tree->header(), column), stored * kColumnFactor / 2));
    };
    width(LibraryTreeModel::OrdinalHex, o.UseHexWidth);
    width(LibraryTreeModel::EntryPoint, o.UseHexEntryWidth);
    width(LibraryTreeModel::Unsorted, o.UseUnsortedWidth);
    m_tree->setColumnWidth(LibraryTreeModel::Spacer, 8);

    m_banner->setVisible(!o.UseNoBanner);
    m_quickButton->setVisible(o.UseQuickMenu);
    m_changeQuickButton->setVisible(o.UseQuickMenu);
    m_topmostButton->setVisible(o.UseTopWindow);
    m_favoritesButton->setVisible(o.UseFavorites);
    m_editFavoritesButton->setVisible(o.UseFavorites);
    statusBar()->setVisible(o.UseStatusBar);
    fillQuickMenu();
    updateBitButton();
    updateTopmost();
    if (auto* options = qobject_cast<OptionsTab*>(m_optionsTab))
        options->showOptions();
    applyListAppearance(this, readListAppearance(m_ws.settings()));
    widenToTitles(m_tree->header());
    // Tool tips are shown only when asked for.
    const bool tips = o.UseToolTips;
    for (QWidget* w : findChildren<QWidget*>()) {
        if (!w->property("quillonTip").isValid())
            w->setProperty("quillonTip", w->toolTip());
        w->setToolTip(tips ? w->property("quillonTip").toString() : QString());
    }
    m_model->allRowsChanged();
    updateActions();
    updateStatus();
}

void MainWindow::libraryReplaced()
{
    m_model->resetWith([] {});
    restoreExpansion();
    updateActions();
    updateStatus();
}

void MainWindow::restoreExpansion()
{
    m_syncingExpansion = true;
    const LibraryList& rows = m_ws.library.rows;
    const std::size_t modules = m_model->moduleCount();
    std::size_t expandedCount = 0;
    for (std::size_t m = 0; m < modules; ++m)
        expandedCount += rows[m_model->moduleRow(m)].expanded() ? 1 : 0;
    if (expandedCount == modules && modules > 0) {
        m_tree->expandAll();
    } else if (expandedCount > 0) {
        for (std::size_t m = 0; m < modules; ++m) {
            if (rows[m_model->moduleRow(m)].expanded())
                m_tree->expand(m_model->index(static_cast<int>(m), 0));
        }
    }
    m_syncingExpansion = false;
}

void MainWindow::updateCaption()
{
    m_ui.setCaption(captionText(m_ws.library.LibraryFileName));
}

std::optional<std::size_t> MainWindow::selectedRow() const
{
    return m_model->rowOf(m_tree->currentIndex());
}

void MainWindow::selectRow(std::size_t row)
{
    const QModelIndex index = m_model->indexOfRow(row);
    if (!index.isValid())
        return;
    if (index.parent().isValid() && !m_tree->isExpanded(index.parent())) {
        m_syncingExpansion = true;
        m_tree->expand(index.parent());
        m_syncingExpansion = false;
    }
    m_tree->setCurrentIndex(index);
    m_tree->scrollTo(index);
}

void MainWindow::showLibraryRow(std::size_t row)
{
    m_tabs->setCurrentIndex(0);
    selectRow(row);
    raise();
    activateWindow();
    m_tree->setFocus();
}

void MainWindow::updateStatus()
{
    QWidget* current = m_tabs->currentWidget();
    if (current == m_libraryTab) {
        const auto texts = libraryStatusTexts(m_ws, selectedRow());
        for (int pane = 1; pane <= 3; ++pane)
            m_ui.status(pane, texts[static_cast<std::size_t>(pane - 1)]);
    } else if (current == m_compareTab) {
        const auto& texts = reports::compareState(m_ws).statusTexts;
        for (int pane = 1; pane <= 3; ++pane)
            m_ui.status(pane, texts[static_cast<std::size_t>(pane - 1)]);
    } else if (current == m_queryTab) {
        m_ui.status(1, "Extracted functions = " + std::to_string(m_ws.queryResults.size()));
        m_ui.status(2, "");
        m_ui.status(3, "");
    }
}

void MainWindow::showCompareResult(bool paired, bool reportOpen)
{
    if (m_tabs->indexOf(m_compareTab) >= 0) {
        m_tabs->setCurrentWidget(m_compareTab);
        m_compareList->list()->setFocus();
        return;
    }
    // Without the "Disk-compare" tab the report window shows the result, and the status bar
    // keeps the compare's texts until the selection moves.
    if (paired && !reportOpen)
        m_compare->openReport();
    const auto& texts = reports::compareState(m_ws).statusTexts;
    for (int pane = 1; pane <= 3; ++pane)
        m_ui.status(pane, texts[static_cast<std::size_t>(pane - 1)]);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (m_ui.busy()) {
        event->ignore();
        return;
    }
    if (!saveQuestion()) {
        event->ignore();
        return;
    }
    m_ui.status(1, "Closing program...");
    m_ui.status(2, "");
    m_ui.status(3, "");
    // Moving or sizing the window changes no state of its own, so the placement the next
    // start restores is written here too.
    if (m_ws.options.UseSaveWindow) {
        savePlacement();
        settings::writeMainWidthPref(
            m_ws.settings(), normalGeometry().isValid() ? normalGeometry().width() : width());
    }
    m_ws.settings().writeNumber(
        "Options", "UseUnsortedWidth",
        m_tree->columnWidth(LibraryTreeModel::Unsorted) * 2 / kColumnFactor);
    if (m_ws.options.UseHexEntryPoint)
        m_ws.settings().writeNumber(
            "Options", "UseHexEntryWidth",
            m_tree->columnWidth(LibraryTreeModel::EntryPoint) * 2 / kColumnFactor);
    if (m_ws.options.UseRestoreFormat)
        m_listFormats->store(m_ws.settings());
    event->accept();
}

void MainWindow::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange)
        return;
    if ((isMinimized() || isMaximized()) && m_ws.options.UseSaveWindow)
        savePlacement();
    if (isMinimized() && m_ws.options.UseMinimizeTray) {
        if (m_tray == nullptr) {
            m_tray = new TrayIcon(m_ws, *this, m_icons);
            connect(m_tray, &TrayIcon::aboutRequested, this, &MainWindow::showAboutBox);
        }
        // Hiding inside the state change confuses some window managers; do it right after.
        QTimer::singleShot(0, m_tray, [this] { (void)m_tray->minimizeToTray(); });
    }
}

void MainWindow::restorePlacement()
{
    settings::SettingsStore& store = m_ws.settings();
    const settings::WindowPlacement placement =
        settings::readWindowPlacement(store, settings::kMainWindowSection);
    if (settings::placementUse(placement, true) == settings::PlacementUse::MoveAndSize)
        setGeometry(placement.XPosit, placement.YPosit, placement.Width, placement.Height);
    const int preferred = settings::readMainWidthPref(store, width());
    if (preferred > 100 && preferred != width())
        resize(preferred, height());
    settings::writeMainWidthPref(store, width());
    if (placement.Maximize)
        setWindowState(windowState() | Qt::WindowMaximized);
}

void MainWindow::savePlacement()
{
    const QRect normal = normalGeometry().isValid() ? normalGeometry() : geometry();
    settings::writeWindowPlacement(
        m_ws.settings(), settings::kMainWindowSection,
        {normal.x(), normal.y(), normal.width(), normal.height(), isMaximized()});
}

void MainWindow::showAboutBox()
{
    if (auto* about = qobject_cast<AboutTab*>(m_aboutTab))
        about->showAbout();
}

}  // namespace quillon::app
