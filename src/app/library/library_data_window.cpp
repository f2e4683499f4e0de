// The library data window: summary, module table, find, locate and its layout settings.
#include "app/library/library_data_window.h"

#include <QAction>
#include <QApplication>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QSplitter>
#include <QTabWidget>
#include <QTableView>
#include <QTreeView>
#include <QVBoxLayout>

#include <vector>

#include "app/library/library_data_format.h"
#include "app/library/library_find_targets.h"
#include "app/library/library_tree_model.h"
#include "app/library/library_view.h"
#include "app/library/module_table_model.h"
#include "app/library/search_results_window.h"
#include "app/widgets/header_titles.h"
#include "app/widgets/qt_ui.h"
#include "app/widgets/window_geometry.h"
#include "core/workspace.h"
#include "settings/list_format.h"
#include "settings/settings_store.h"
#include "settings/window_placement.h"

namespace quillon::app {

namespace {
constexpr const char* kBarY = "BarY";
}  // namespace

LibraryDataWindow* LibraryDataWindow::of(const QWidget& owner)
{
    return owner.findChild<LibraryDataWindow*>(QString(), Qt::FindDirectChildrenOnly);
}

LibraryDataWindow* LibraryDataWindow::showFor(LibraryView& view)
{
    return showToolWindow<LibraryDataWindow>(view.owner(), view, view.workspace().settings(),
                                             settings::kModuleWindowSection);
}

LibraryDataWindow::LibraryDataWindow(LibraryView& view)
    : QDialog(&view.owner()), m_view(view), m_ws(view.workspace())
{
    setObjectName("ModuleWindow");
    setWindowTitle(kCaption);
    setWindowFlag(Qt::Tool);
    setModal(false);
    setSizeGripEnabled(true);

    auto* summary = new QWidget(this);
    auto* form = new QFormLayout(summary);
    m_fileLabel = new QLabel(summary);
    m_fileLabel->setObjectName("libraryFile");
    m_fileLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_modulesLabel = new QLabel(summary);
    m_modulesLabel->setObjectName("moduleCount");
    m_functionsLabel = new QLabel(summary);
    m_functionsLabel->setObjectName("functionCount");
    form->addRow("Library file:", m_fileLabel);
    form->addRow("Modules:", m_modulesLabel);
    form->addRow("Functions:", m_functionsLabel);

    auto* lower = new QWidget(this);
    auto* lowerLayout = new QVBoxLayout(lower);
    lowerLayout->setContentsMargins(0, 0, 0, 0);
    auto* findRow = new QHBoxLayout;
    auto* findLabel = new QLabel("F&ind:", lower);
    m_findEdit = new QLineEdit(lower);
    m_findEdit->setObjectName("findEdit");
    findLabel->setBuddy(m_findEdit);
    auto* findButton = new QPushButton("Find &next", lower);
    findButton->setObjectName("findButton");
    findButton->setAutoDefault(false);
    findRow->addWidget(findLabel);
    findRow->addWidget(m_findEdit, 1);
    findRow->addWidget(findButton);
    lowerLayout->addLayout(findRow);

    m_model = new ModuleTableModel(m_ws, view.icons(), this);
    m_table = new QTableView(lower);
    m_table->setObjectName("moduleTable");
    m_table->setModel(m_model);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    // Unsorted at first: the table's own order, by module number.
    m_table->horizontalHeader()->setSortIndicatorClearable(true);
    m_table->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    m_table->setSortingEnabled(true);
    m_table->verticalHeader()->hide();
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 6);
    m_table->setWordWrap(false);
    const std::vector<int> widths = libraryDataFormatWidths(libraryDataDesignFormat());
    for (int c = 0; c < ModuleTableModel::kFormatColumns; ++c)
        m_table->setColumnWidth(c, widths[static_cast<std::size_t>(c)]);
    keepTitlesWhole(m_table->horizontalHeader());
    lowerLayout->addWidget(m_table, 1);

    m_splitter = new QSplitter(Qt::Vertical, this);
    m_splitter->setObjectName("splitter");
    m_splitter->setChildrenCollapsible(false);
    m_splitter->addWidget(summary);
    m_splitter->addWidget(lower);
    m_splitter->setStretchFactor(1, 1);

    auto* buttons = new QHBoxLayout;
    auto button = [&](const QString& text, const char* name) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(name);
        b->setAutoDefault(false);
        buttons->addWidget(b);
        return b;
    };
    QPushButton* locateAllButton = button("&Locate all DLL/EXE files", "locateAllButton");
    QPushButton* locateOneButton = button("Locate &DLL/EXE for selected module", "locateOneButton");
    QPushButton* resultsButton = button("Search &results...", "resultsButton");
    buttons->addStretch(1);
    QPushButton* closeButton = button("&Close", "closeButton");

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_splitter, 1);
    layout->addLayout(buttons);
    resize(900, 520);

    connect(findButton, &QPushButton::clicked, this,
            [this] { (void)findNext(m_findEdit->text()); });
    connect(m_findEdit, &QLineEdit::returnPressed, this,
            [this] { (void)findNext(m_findEdit->text()); });
    connect(locateAllButton, &QPushButton::clicked, this, [this] { locateAll(); });
    connect(locateOneButton, &QPushButton::clicked, this, [this] { locateSelected(); });
    connect(resultsButton, &QPushButton::clicked, this, [this] { showSearchResults(); });
    connect(closeButton, &QPushButton::clicked, this, [this] { close(); });
    connect(m_table, &QTableView::doubleClicked, this, [this](const QModelIndex& index) {
        if (const auto entry = m_model->entryOf(index.row()))
            showInLibrary(*entry);
    });
    // The library tree is rebuilt after every change of the library's shape; follow it.
    connect(view.model(), &QAbstractItemModel::modelReset, this, [this] {
        if (isVisible())
            refresh();
    });
    connect(view.model(), &QAbstractItemModel::dataChanged, this,
            [this] { m_table->viewport()->update(); });
    createActions();
}

LibraryDataWindow::~LibraryDataWindow()
{
    // The main window closes without closing its tool windows: keep the layout now.
    if (m_open)
        saveLayout();
}

void LibraryDataWindow::createActions()
{
    auto make = [this](const QString& text, const QList<QKeySequence>& keys, auto slot) {
        auto* action = new QAction(text, this);
        action->setShortcuts(keys);
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        connect(action, &QAction::triggered, this, slot);
        addAction(action);
        return action;
    };
    using K = QKeySequence;
    make("&Locate DLL/EXE files ", {K("Ctrl+F3"), K("Ctrl+L")}, [this] { locateAll(); });
    make("&Locate DLL/EXE file ", {K("Shift+F3"), K("Shift+L")}, [this] { locateSelected(); });
    make("&Update from DLL/EXE files ", {K("Shift+F8")}, [this] {
        m_view.updateLibraryCommand();
        refresh();
    });
    make("&Update module from DLL/EXE file ", {K("Ctrl+F8")}, [this] {
        const auto entry = currentModuleEntry();
        if (const auto row = entry ? m_model->libraryRowOf(*entry) : std::nullopt)
            m_view.selectRow(*row);
        m_view.updateModuleCommand();
        refresh();
    });
    // Finding in the module table is the search of the other lists, over the module names.
    make("&Find...", {K("Alt+F3")}, [this] {
        ModuleTableFindTarget target(*this, m_ws);
        (void)runFindCommand(m_ws, this, target, false);
    });
    make("Find &next", {K("F3")}, [this] {
        ModuleTableFindTarget target(*this, m_ws);
        (void)runFindCommand(m_ws, this, target, true);
    });
}

void LibraryDataWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!m_open) {
        m_open = true;
        restoreLayout();
    }
    refresh();
}

void LibraryDataWindow::done(int result)
{
    if (m_open) {
        saveLayout();
        m_open = false;
    }
    QDialog::done(result);
}

int LibraryDataWindow::barY() const
{
    const QList<int> sizes = m_splitter->sizes();
    return m_splitter->mapTo(this, QPoint(0, 0)).y() + (sizes.isEmpty() ? 0 : sizes.front());
}

void LibraryDataWindow::restoreLayout()
{
    settings::SettingsStore& store = m_ws.settings();
    const std::string design = libraryDataDesignFormat();
    settings::writeDefaultListFormat(store, kCaption, kTableListNumber, design);
    const std::string format = settings::restoreListFormat(store, kCaption, kTableListNumber,
                                                           design, m_ws.options.UseRestoreFormat);
    std::vector<int> widths;
    if (settings::isUsableLibraryDataFormat(format))
        widths = libraryDataFormatWidths(format);
    if (widths.empty())
        widths = libraryDataFormatWidths(design);
    for (int c = 0; c < ModuleTableModel::kFormatColumns; ++c)
        m_table->setColumnWidth(c, widths[static_cast<std::size_t>(c)]);

    const int bar = store.readNumber(settings::kModuleWindowSection, kBarY, 0);
    const QList<int> sizes = m_splitter->sizes();
    if (bar <= 0 || sizes.size() != 2)
        return;
    const int top = bar - m_splitter->mapTo(this, QPoint(0, 0)).y();
    const int total = sizes[0] + sizes[1];
    if (top > 0 && top < total)
        m_splitter->setSizes({top, total - top});
}

void LibraryDataWindow::saveLayout()
{
    settings::SettingsStore& store = m_ws.settings();
    storePlacement(*this, store, settings::kModuleWindowSection);
    store.writeNumber(settings::kModuleWindowSection, kBarY, barY());
    if (m_ws.options.UseRestoreFormat) {
        std::vector<int> widths;
        for (int c = 0; c < ModuleTableModel::kFormatColumns; ++c)
            widths.push_back(m_table->columnWidth(c));
        settings::writeListFormat(store, kCaption, kTableListNumber, libraryDataFormat(widths));
    }
}

void LibraryDataWindow::refresh()
{
    const auto selected = currentModuleEntry();
    const Library& library = m_ws.library;
    m_fileLabel->setText(library.LibraryFileName.empty() ? QStringLiteral("<None>")
                                                         : fromPath(library.LibraryFileName));
    m_modulesLabel->setText(QString::number(library.ModuleCount));
    m_functionsLabel->setText(QString::number(library.SymbolCount));
    m_model->refresh();
    if (selected && selectModuleEntry(*selected))
        return;
    if (m_model->rowCount() > 0)
        m_table->setCurrentIndex(m_model->index(0, 0));
}

QString LibraryDataWindow::libraryFileText() const
{
    return m_fileLabel->text();
}

QString LibraryDataWindow::moduleCountText() const
{
    return m_modulesLabel->text();
}

QString LibraryDataWindow::functionCountText() const
{
    return m_functionsLabel->text();
}

std::optional<std::size_t> LibraryDataWindow::currentModuleEntry() const
{
    const QModelIndex current = m_table->currentIndex();
    if (!current.isValid())
        return std::nullopt;
    return m_model->entryOf(current.row());
}

bool LibraryDataWindow::selectModuleEntry(std::size_t entry)
{
    const int row = m_model->rowOfEntry(entry);
    if (row < 0)
        return false;
    const QModelIndex index = m_model->index(row, ModuleTableModel::ModuleName);
    m_table->setCurrentIndex(index);
    m_table->scrollTo(index);
    return true;
}

bool LibraryDataWindow::findNext(const QString& text)
{
    const QModelIndex current = m_table->currentIndex();
    const int start = current.isValid() ? current.row() + 1 : 0;
    const auto row =
        m_model->findRow(text, m_model->rowCount() > 0 ? start % m_model->rowCount() : 0);
    if (!row) {
        QApplication::beep();
        return false;
    }
    const QModelIndex index = m_model->index(*row, ModuleTableModel::ModuleName);
    m_table->setCurrentIndex(index);
    m_table->scrollTo(index);
    return true;
}

void LibraryDataWindow::showInLibrary(std::size_t entry)
{
    const auto row = m_model->libraryRowOf(entry);
    if (!row)
        return;
    m_view.showLibraryRow(*row);
}

void LibraryDataWindow::locateAll()
{
    if (m_ws.library.empty())
        return;
    m_view.locateAllCommand();
    refresh();
    showSearchResults();
}

void LibraryDataWindow::locateSelected()
{
    const auto entry = currentModuleEntry();
    if (!entry)
        return;
    const auto row = m_model->libraryRowOf(*entry);
    if (!row)
        return;
    m_view.selectRow(*row);
    m_view.locateOneCommand();
    refresh();
    (void)selectModuleEntry(*entry);
    showSearchResults();
}

void LibraryDataWindow::showSearchResults()
{
    (void)SearchResultsWindow::showFor(m_view);
}

}  // namespace quillon::app
