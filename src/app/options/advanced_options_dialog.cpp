// The advanced options dialog.
#include "app/options/advanced_options_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>

#include "app/recent/history_cleanup_dialog.h"
#include "program/history_cleanup.h"

namespace quillon::app {

namespace {
const QStringList kNeverAlwaysAsk{"Never", "Always", "Ask"};
const QStringList kStatusCaps{"Default casing", "Initial caps", "Lower casing", "Upper casing"};
// FileSuffix is stored as the text itself; the list shows these in order.
const QStringList kSuffixTexts{"All filetypes", "Only DLLs", "Only LIBs"};
const char* const kSuffixValues[] = {"", ".DLL", ".LIB"};
}  // namespace

AdvancedOptionsDialog::AdvancedOptionsDialog(Workspace& ws, QWidget* parent)
    : QDialog(parent), m_ws(ws), m_initial(ws.options)
{
    setObjectName("advancedOptions");
    setWindowTitle("Clarion Quillon 32 - Advanced options");
    auto* layout = new QVBoxLayout(this);
    m_pages = new QTabWidget(this);
    m_pages->setObjectName("pages");
    // Every page title stays readable: the dialog grows rather than scroll its tabs.
    m_pages->setUsesScrollButtons(false);
    layout->addWidget(m_pages);
    const Options& o = m_initial;

    auto page = [&](const QString& title) {
        auto* w = new QWidget(m_pages);
        auto* v = new QVBoxLayout(w);
        m_pages->addTab(w, title);
        return v;
    };
    auto flag = [&](QVBoxLayout* to, const char* key, bool Options::*value, const QString& text) {
        auto* box = new QCheckBox(text, to->parentWidget());
        box->setObjectName(key);
        box->setChecked(o.*value);
        to->addWidget(box);
        m_flags.push_back({key, value, box});
    };
    // The combo boxes list a choice's texts in the order of its numbers, from 1.
    auto choice = [&]<class Choice>(QFormLayout* to, const char* key, Choice Options::*value,
                                    const QString& label, const QStringList& texts) {
        auto* combo = new QComboBox(to->parentWidget());
        combo->setObjectName(key);
        combo->addItems(texts);
        // A stored value out of range shows the option's default.
        const int at = static_cast<int>(o.*value) - 1;
        combo->setCurrentIndex(
            at >= 0 && at < texts.size() ? at : static_cast<int>(Options().*value) - 1);
        to->addRow(label, combo);
        m_choices.push_back({key, combo, [value](Options& options, int index) {
                                 options.*value = static_cast<Choice>(index + 1);
                             }});
    };
    auto count = [&](QFormLayout* to, const char* key, int Options::*value, const QString& label,
                     int maximum) {
        auto* spin = new QSpinBox(to->parentWidget());
        spin->setObjectName(key);
        spin->setRange(0, maximum);
        spin->setValue(o.*value);
        to->addRow(label, spin);
        m_counts.push_back({key, value, spin});
    };

    // General: files, folders and messages.
    QVBoxLayout* general = page("General");
    flag(general, "UseLongAdd", &Options::UseLongAdd, "Use long &file names (LFN)");
    flag(general, "UseRestoreFormat", &Options::UseRestoreFormat, "&Preserve listbox changes");
    flag(general, "UseNoMessages", &Options::UseNoMessages, "&Suppress messages");
    flag(general, "UseClearExtract", &Options::UseClearExtract,
         "&Clear all lists when main list is cleared");
    flag(general, "UseNoEditInPlace", &Options::UseNoEditInPlace, "Disable &edit-in-place (EIP)");
    flag(general, "UseMinimizeTray", &Options::UseMinimizeTray, "Minimi&ze to tray");
    general->addStretch(1);

    // Display: the main window's look.
    QVBoxLayout* display = page("Display");
    auto* displayForm = new QFormLayout;
    display->addLayout(displayForm);
    m_statusCaps = new QComboBox(display->parentWidget());
    m_statusCaps->setObjectName("UseStatusCaps");
    m_statusCaps->addItems(kStatusCaps);
    m_statusCaps->setCurrentIndex(std::max(
        0, static_cast<int>(kStatusCaps.indexOf(QString::fromStdString(o.UseStatusCaps)))));
    displayForm->addRow("Status bar library &casing:", m_statusCaps);
    flag(display, "UseOsIcons", &Options::UseOsIcons, "Use 16/32-bit &icons in library list");
    flag(display, "UseHexColumn", &Options::UseHexColumn, "Show &ordinal hex column");
    flag(display, "UseHexEntryPoint", &Options::UseHexEntryPoint, "Show e&ntry point column");
    flag(display, "UseExpandAll", &Options::UseExpandAll, "E&xpand all modules when loaded");
    flag(display, "UseShowQuery", &Options::UseShowQuery, "Show \"&Extraced functions\" tab");
    flag(display, "UseShowCompare", &Options::UseShowCompare, "Show \"Disk-co&mpare\" tab");
    flag(display, "UseTopWindow", &Options::UseTopWindow, "Show &Topmost Window button");
    flag(display, "UseFlatButtons", &Options::UseFlatButtons, "Use flat b&uttons");
    flag(display, "UseFavorites", &Options::UseFavorites, "Show &favorites menu button");
    flag(display, "UseNoBanner", &Options::UseNoBanner, "Hide the &banner picture");
    display->addStretch(1);

    // Recent files and histories.
    QVBoxLayout* recent = page("Recent files and folders");
    flag(recent, "UseRecentMenu", &Options::UseRecentMenu,
         "Include &recent files in library list menu");
    auto* recentForm = new QFormLayout;
    recent->addLayout(recentForm);
    count(recentForm, "UseRecentFolders", &Options::UseRecentFolders,
          "Number of recent folders:", 255);
    count(recentForm, "UseRecentFiles", &Options::UseRecentFiles, "Number of recent &files:", 255);
    count(recentForm, "UseRecentSearch", &Options::UseRecentSearch,
          "Number of search &keywords:", 255);
    count(recentForm, "UseNumMenu", &Options::UseNumMenu,
          "Number of files to include in sub-menu:", 20);
    choice(recentForm, "CaseOption", &Options::CaseOption,
           "Letter casing setting:", {"Upper", "Lower", "Default"});
    m_fileSuffix = new QComboBox(recent->parentWidget());
    m_fileSuffix->setObjectName("FileSuffix");
    m_fileSuffix->addItems(kSuffixTexts);
    m_fileSuffix->setCurrentIndex(o.FileSuffix == ".DLL" ? 1 : o.FileSuffix == ".LIB" ? 2 : 0);
    recentForm->addRow("What kind of files to include:", m_fileSuffix);
    flag(recent, "UseExcludeObsoleteFiles", &Options::UseExcludeObsoleteFiles,
         "Exclude o&bsolete files");
    flag(recent, "UseExcludeObsoleteFolders", &Options::UseExcludeObsoleteFolders,
         "&Exclude obsolete folders");
    auto* cleanup = new QPushButton("History data &cleanup...", recent->parentWidget());
    cleanup->setObjectName("historyCleanupButton");
    connect(cleanup, &QPushButton::clicked, this, [this] { historyCleanup(); });
    auto* cleanupRow = new QHBoxLayout;
    cleanupRow->addWidget(cleanup);
    cleanupRow->addStretch(1);
    recent->addLayout(cleanupRow);
    recent->addStretch(1);

    // Exported text and resident names.
    QVBoxLayout* texts = page("Export");
    auto* textsForm = new QFormLayout;
    texts->addLayout(textsForm);
    choice(textsForm, "UseExportTextCopy", &Options::UseExportTextCopy,
           "Copy exported text to the clipboard:", kNeverAlwaysAsk);
    choice(textsForm, "UseExportTextNotepad", &Options::UseExportTextNotepad,
           "Open exported text in Notepad:", kNeverAlwaysAsk);
    choice(textsForm, "UseReadResidentNames", &Options::UseReadResidentNames,
           "Read resident &names:", kNeverAlwaysAsk);
    choice(textsForm, "UseWriteResidentNames", &Options::UseWriteResidentNames,
           "&Write resident names:", kNeverAlwaysAsk);
    texts->addStretch(1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

QWidget* AdvancedOptionsDialog::field(const char* key) const
{
    return findChild<QWidget*>(key);
}

Options AdvancedOptionsDialog::options() const
{
    Options o = m_initial;
    for (const Flag& f : m_flags)
        o.*f.value = f.box->isChecked();
    for (const Choice& c : m_choices)
        c.assign(o, c.combo->currentIndex());
    for (const Count& c : m_counts)
        o.*c.value = c.spin->value();
    o.UseStatusCaps = m_statusCaps->currentText().toStdString();
    o.FileSuffix = kSuffixValues[std::clamp(m_fileSuffix->currentIndex(), 0, 2)];
    // The histories in memory are those of the workspace: the cleanup may have emptied them.
    o.AddFolderDrop = m_ws.options.AddFolderDrop;
    o.SaveFolderDrop = m_ws.options.SaveFolderDrop;
    return o;
}

void AdvancedOptionsDialog::historyCleanup()
{
    HistoryCleanupDialog dialog(this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const settings::HistorySelection selection = dialog.selection();
    (void)settings::clearHistories(m_ws, selection);
    if (selection[static_cast<std::size_t>(settings::HistoryItem::ExcludeSymbols)])
        m_excludeListCleared = true;
}

}  // namespace quillon::app
