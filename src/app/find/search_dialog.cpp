// The find and query dialog.
#include "app/find/search_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/widgets/qt_ui.h"
#include "base/ascii_text.h"
#include "platform/path_spelling.h"
#include "query/keywords.h"
#include "query/search_flow.h"

namespace quillon::app {

namespace {

// The keyword entry takes this many characters.
constexpr int kKeywordEntryLength = 100;

}  // namespace

SearchDialog::SearchDialog(Workspace& ws, query::SearchMode mode, QWidget* parent)
    : QDialog(parent), m_ws(ws), m_mode(mode)
{
    const bool queryMode = mode == query::SearchMode::Query;
    setObjectName("searchDialog");
    setWindowTitle(fromCp1252((queryMode ? "Query Dialog - " : "Search Dialog - ") +
                              platform::shownPath(ws.library.LibraryFileName)));
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    auto* keywordLabel = new QLabel("Search keyword(s):", this);
    m_keywords = new QComboBox(this);
    m_keywords->setObjectName("keywords");
    m_keywords->setEditable(true);
    m_keywords->setInsertPolicy(QComboBox::NoInsert);
    m_keywords->lineEdit()->setMaxLength(kKeywordEntryLength);
    m_keywords->setMinimumWidth(320);
    keywordLabel->setBuddy(m_keywords);
    for (const std::string& entry : query::readKeywordHistory(ws, mode))
        m_keywords->addItem(fromCp1252(entry));
    m_match = new QComboBox(this);
    m_match->setObjectName("matchOption");
    m_match->addItems({"Containing", "Beginning with", "Ending with", "Whole word"});
    grid->addWidget(keywordLabel, 0, 0);
    grid->addWidget(m_keywords, 0, 1);
    grid->addWidget(m_match, 1, 1);
    layout->addLayout(grid);

    auto box = [&](const char* name, const QString& text) {
        auto* b = new QCheckBox(text, this);
        b->setObjectName(name);
        layout->addWidget(b);
        return b;
    };
    m_multiple = box("UseMultiSearch", "&Multiple keywords");
    m_case = box("UseMatchCase", "Case sensiti&ve");
    m_mark = box("UseMarkFound", "Mar&k matches in library list");
    m_progress = box("UseProgress", "Use &progress bar");
    m_accumulate = box("UseAccumulateQuery", "Acc&umulate/exclude duplicates");
    m_backward = box("UseBackwardSearch", "&Backward search");
    m_accumulate->setVisible(queryMode);
    m_progress->setVisible(queryMode);
    m_backward->setVisible(!queryMode);
    m_indicator = new QLabel(this);
    m_indicator->setObjectName("queryIndicator");
    m_indicator->setToolTip("Query indicator");
    m_indicator->setText(queryMode ? QString("Extracted functions: %1")
                                         .arg(static_cast<qulonglong>(ws.queryResults.size()))
                                   : QString());
    layout->addWidget(m_indicator);

    auto* buttons = new QHBoxLayout;
    m_start = new QPushButton(queryMode ? "&Extract now" : "&Find next", this);
    m_start->setObjectName("startButton");
    m_start->setDefault(true);
    auto* close = new QPushButton("Close", this);
    close->setObjectName("closeButton");
    auto* cancel = new QPushButton("Cancel", this);
    cancel->setObjectName("cancelButton");
    buttons->addStretch(1);
    buttons->addWidget(m_start);
    buttons->addWidget(close);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    connect(m_start, &QPushButton::clicked, this, [this] { start(); });
    connect(close, &QPushButton::clicked, this, [this] {
        query::writeSearchOptions(m_ws, m_mode, options());
        m_outcome = Outcome::Close;
        reject();
    });
    connect(cancel, &QPushButton::clicked, this, [this] {
        m_outcome = Outcome::Cancel;
        reject();
    });

    const query::SearchOptions stored = query::readSearchOptions(ws, mode);
    m_loadedKeywords = stored.SearchString;
    showOptions(stored);
}

void SearchDialog::showOptions(const query::SearchOptions& o)
{
    m_keywords->setEditText(fromCp1252(o.SearchString));
    m_match->setCurrentIndex(static_cast<int>(o.SearchOption) - 1);
    m_multiple->setChecked(o.UseMultiSearch);
    m_case->setChecked(o.UseMatchCase);
    m_mark->setChecked(o.UseMarkFound);
    m_progress->setChecked(o.UseProgress);
    m_accumulate->setChecked(o.UseAccumulateQuery);
    m_backward->setChecked(o.UseBackwardSearch);
}

query::SearchOptions SearchDialog::options() const
{
    query::SearchOptions o;
    o.SearchString = toCp1252(m_keywords->currentText()).substr(0, query::kKeywordCapacity);
    o.SearchOption = query::matchOptionOf(m_match->currentIndex() + 1);
    o.UseMultiSearch = m_multiple->isChecked();
    o.UseMatchCase = m_case->isChecked();
    o.UseMarkFound = m_mark->isChecked();
    o.UseProgress = m_progress->isChecked();
    o.UseAccumulateQuery = m_accumulate->isChecked();
    o.UseBackwardSearch = m_backward->isChecked();
    return o;
}

void SearchDialog::start()
{
    query::SearchOptions o = options();
    if (trimBlanks(o.SearchString).empty())
        return;
    const query::StartDecision decision = query::checkBeforeStart(m_ws, m_mode, o);
    showOptions(o);
    if (decision != query::StartDecision::Start)
        return;
    query::storeSearchOptions(m_ws, m_mode, o, m_loadedKeywords);
    m_outcome = Outcome::Start;
    accept();
}

}  // namespace quillon::app
