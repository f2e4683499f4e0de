// The search results window.
#include "app/library/search_results_window.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QShowEvent>
#include <QTableView>
#include <QVBoxLayout>

#include <array>

#include "app/library/library_tree_model.h"
#include "app/library/library_view.h"
#include "app/library/search_results_model.h"
#include "app/widgets/header_titles.h"
#include "app/widgets/window_geometry.h"
#include "core/workspace.h"
#include "settings/window_placement.h"

namespace quillon::app {

namespace {
constexpr std::array<int, SearchResultsModel::ColumnCount> kColumnWidths = {110, 110, 260, 150,
                                                                            80,  100, 200, 200};
}  // namespace

SearchResultsWindow* SearchResultsWindow::of(const QWidget& owner)
{
    return owner.findChild<SearchResultsWindow*>(QString(), Qt::FindDirectChildrenOnly);
}

SearchResultsWindow* SearchResultsWindow::showFor(LibraryView& view)
{
    return showToolWindow<SearchResultsWindow>(view.owner(), view, view.workspace().settings(),
                                               settings::kFolderWindowSection);
}

SearchResultsWindow::SearchResultsWindow(LibraryView& view)
    : QDialog(&view.owner()), m_ws(view.workspace())
{
    setObjectName("FolderWindow");
    setWindowTitle(kCaption);
    setWindowFlag(Qt::Tool);
    setModal(false);
    setSizeGripEnabled(true);

    m_model = new SearchResultsModel(m_ws, this);
    m_table = new QTableView(this);
    m_table->setObjectName("resultsTable");
    m_table->setModel(m_model);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->verticalHeader()->hide();
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 6);
    m_table->setWordWrap(false);
    for (int c = 0; c < SearchResultsModel::ColumnCount; ++c)
        m_table->setColumnWidth(c, kColumnWidths[static_cast<std::size_t>(c)]);
    keepTitlesWhole(m_table->horizontalHeader());

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    auto* close = new QPushButton("&Close", this);
    close->setObjectName("closeButton");
    close->setAutoDefault(false);
    buttons->addWidget(close);
    connect(close, &QPushButton::clicked, this, [this] { this->close(); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_table, 1);
    layout->addLayout(buttons);
    resize(900, 360);

    connect(view.model(), &QAbstractItemModel::modelReset, this, [this] {
        if (isVisible())
            refresh();
    });
}

SearchResultsWindow::~SearchResultsWindow()
{
    // The main window closes without closing its tool windows: keep the placement now.
    if (m_open)
        storePlacement(*this, m_ws.settings(), settings::kFolderWindowSection);
}

void SearchResultsWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    m_open = true;
    refresh();
}

void SearchResultsWindow::done(int result)
{
    if (m_open) {
        storePlacement(*this, m_ws.settings(), settings::kFolderWindowSection);
        m_open = false;
    }
    QDialog::done(result);
}

void SearchResultsWindow::refresh()
{
    m_model->refresh();
    if (m_model->rowCount() > 0)
        m_table->scrollToBottom();
}

}  // namespace quillon::app
