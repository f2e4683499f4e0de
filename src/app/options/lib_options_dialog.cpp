// The LIB-file and autolocate options dialog.
#include "app/options/lib_options_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

#include "app/options/edit_list_dialog.h"
#include "app/options/exclude_entry_dialog.h"
#include "app/widgets/icon_set.h"
#include "app/widgets/qt_ui.h"
#include "maintenance/exclusion_list.h"
#include "platform/paths.h"
#include "settings/settings_store.h"

namespace quillon::app {

namespace {

/// A combo box listing the texts of a choice in the order of its numbers, from 0.
template <class Choice>
QComboBox* choiceCombo(QWidget* parent, const char* name, const QStringList& texts, Choice value,
                       Choice fallback)
{
    auto* combo = new QComboBox(parent);
    combo->setObjectName(name);
    combo->addItems(texts);
    const int at = static_cast<int>(value);
    combo->setCurrentIndex(at >= 0 && at < texts.size() ? at : static_cast<int>(fallback));
    return combo;
}

template <class Choice>
Choice chosen(const QComboBox* combo)
{
    return static_cast<Choice>(combo->currentIndex());
}

QCheckBox* flagBox(QWidget* parent, const char* name, const QString& text, bool value)
{
    auto* box = new QCheckBox(text, parent);
    box->setObjectName(name);
    box->setChecked(value);
    return box;
}

}  // namespace

LibOptionsDialog::LibOptionsDialog(Workspace& ws, QtUi& ui, const IconSet& icons, Page page,
                                   QWidget* parent)
    : QDialog(parent),
      m_ws(ws),
      m_ui(ui),
      m_icons(icons),
      m_initial(ws.options),
      m_initialLocate(locate::readAutolocateOptions(ws.settings())),
      m_excludes(ws.excludeList)
{
    setObjectName("libOptions");
    setWindowTitle("Clarion Quillon 32 - LIB-file and autolocate options");
    const Options& o = m_initial;
    auto* layout = new QVBoxLayout(this);
    m_pages = new QTabWidget(this);
    m_pages->setObjectName("pages");
    m_pages->setUsesScrollButtons(false);
    layout->addWidget(m_pages);

    // LIB-file options.
    auto* lib = new QWidget(m_pages);
    auto* libLayout = new QVBoxLayout(lib);
    auto* saving = new QGroupBox("Saving", lib);
    auto* savingForm = new QFormLayout(saving);
    // Any other stored sort order is taken as 3 when the library is saved.
    m_sortOrder = choiceCombo(
        saving, "UseLIBSortOrder",
        {"Current sort order", "Symbol names", "Ordinal numbers", "File order (unsorted)"},
        o.UseLIBSortOrder, LibSortOrder::FileOrder);
    savingForm->addRow("LIB-file's sort order:", m_sortOrder);
    libLayout->addWidget(saving);

    auto* modules = new QGroupBox("Modules cleanup", lib);
    auto* modulesForm = new QFormLayout(modules);
    m_bitCheck = choiceCombo(modules, "UseBitCheck",
                             {"None", "Synchronize manually", "Remove inconsistent modules",
                              "Remove inconsistent and unlocated"},
                             o.UseBitCheck, BitCheck::None);
    modulesForm->addRow("DLL source files synchronization:", m_bitCheck);
    m_duplicateModules = flagBox(modules, "UseBitCheckDuplicates", "&Remove duplicated modules",
                                 o.UseBitCheckDuplicates);
    modulesForm->addRow(m_duplicateModules);
    libLayout->addWidget(modules);

    auto* symbols = new QGroupBox("Symbols cleanup", lib);
    auto* symbolsLayout = new QGridLayout(symbols);
    m_excludeList = flagBox(symbols, "UseExcludeList", "&Activate symbols cleanup operations",
                            o.UseExcludeList);
    symbolsLayout->addWidget(m_excludeList, 0, 0, 1, 2);
    m_globalDuplicates =
        flagBox(symbols, "UseExcludeGlobalDuplicates",
                "&Exclude globally duplicated symbols: ", o.UseExcludeGlobalDuplicates);
    m_keepMode = choiceCombo(symbols, "UseExcludeGlobalDuplicatesSet",
                             {"Keep none", "Keep first entry", "Match saved LIB, else keep none",
                              "Match saved LIB, else keep first"},
                             o.UseExcludeGlobalDuplicatesSet, DuplicateKeep::KeepNone);
    symbolsLayout->addWidget(m_globalDuplicates, 1, 0);
    symbolsLayout->addWidget(m_keepMode, 1, 1);
    m_list = new QTreeWidget(symbols);
    m_list->setObjectName("excludeList");
    m_list->setHeaderLabels({"Excluded symbols"});
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setIconSize(QSize(16, 16));
    m_list->setMinimumHeight(140);
    symbolsLayout->addWidget(m_list, 2, 0, 1, 2);
    auto* listButtons = new QHBoxLayout;
    m_add = new QPushButton("A&dd...", symbols);
    m_add->setObjectName("addExclude");
    m_edit = new QPushButton("Edi&t...", symbols);
    m_edit->setObjectName("editExclude");
    m_remove = new QPushButton("Re&move", symbols);
    m_remove->setObjectName("removeExclude");
    listButtons->addStretch(1);
    listButtons->addWidget(m_add);
    listButtons->addWidget(m_edit);
    listButtons->addWidget(m_remove);
    symbolsLayout->addLayout(listButtons, 3, 0, 1, 2);
    symbolsLayout->setColumnStretch(1, 1);
    libLayout->addWidget(symbols, 1);
    m_pages->addTab(lib, "LIB-file options");
    connect(m_add, &QPushButton::clicked, this, [this] { addEntry(); });
    connect(m_edit, &QPushButton::clicked, this, [this] { editEntry(); });
    connect(m_remove, &QPushButton::clicked, this, [this] { removeEntry(); });
    connect(m_list, &QTreeWidget::itemDoubleClicked, this, [this] { editEntry(); });
    connect(m_excludeList, &QCheckBox::toggled, this, [this] { updateStates(); });
    connect(m_globalDuplicates, &QCheckBox::toggled, this, [this] { updateStates(); });

    // Autolocate options.
    const locate::AutolocateOptions& a = m_initialLocate;
    auto* autolocate = new QWidget(m_pages);
    auto* locateLayout = new QVBoxLayout(autolocate);
    m_priority =
        flagBox(autolocate, "UsePriorityPath",
                "Use a first &priority folder when locating source DLL-files: ", a.UsePriorityPath);
    locateLayout->addWidget(m_priority);
    settings::ObsoleteTest missing;
    if (o.UseExcludeObsoleteFolders) {
        const platform::FileSystem& files = ws.files();
        missing = [&files](const std::string& entry) { return !files.exists(entry); };
    }
    m_firstHistory.entries = settings::readHistory(
        ws.settings(), {"Folders", "FirstFolderDrop", o.UseRecentFolders}, missing);
    m_firstHistory.loadedValue = a.FirstFolder;
    auto* folderRow = new QHBoxLayout;
    m_firstFolder = new QComboBox(autolocate);
    m_firstFolder->setObjectName("FirstFolder");
    m_firstFolder->setEditable(true);
    m_firstFolder->setInsertPolicy(QComboBox::NoInsert);
    m_firstFolder->setMinimumContentsLength(40);
    m_firstFolder->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    for (const std::string& entry : m_firstHistory.entries)
        m_firstFolder->addItem(fromPath(entry));
    m_firstFolder->setEditText(fromPath(a.FirstFolder));
    auto* browse = new QToolButton(autolocate);
    browse->setObjectName("browseFirstFolder");
    browse->setText("...");
    // The blue star the locate failure message points the user to.
    browse->setIcon(IconSet::named("QNBlueStar"));
    browse->setIconSize(QSize(16, 16));
    browse->setToolButtonStyle(Qt::ToolButtonIconOnly);
    browse->setToolTip("Browse for the first priority folder");
    m_browseFirst = browse;
    folderRow->addSpacing(20);
    folderRow->addWidget(m_firstFolder, 1);
    folderRow->addWidget(browse);
    locateLayout->addLayout(folderRow);
    connect(browse, &QToolButton::clicked, this, [this] {
        const auto chosen = m_ui.chooseFolderDialog(
            {"First priority folder", toPath(m_firstFolder->currentText()), ""});
        if (chosen)
            m_firstFolder->setEditText(fromPath(platform::withTrailingSeparator(*chosen)));
    });
    connect(m_priority, &QCheckBox::toggled, this, [this] { updateStates(); });

    auto* restrict = new QGroupBox("Restrictions", autolocate);
    auto* restrictLayout = new QVBoxLayout(restrict);
    m_onlyPriority = flagBox(restrict, "UseOnlyPriorityPath",
                             "Restrict search to &first priority folder ", a.UseOnlyPriorityPath);
    m_onlySource = flagBox(restrict, "UseOnlySourcePath",
                           "Restrict search to default &source folder ", a.UseOnlySourcePath);
    m_onlyEnvironment =
        flagBox(restrict, "UseOnlyEnvironmentPath",
                "Restrict search to system folders plus en&vironment PATHs/LIBPATHs ",
                a.UseOnlyEnvironmentPath);
    restrictLayout->addWidget(m_onlyPriority);
    restrictLayout->addWidget(m_onlySource);
    restrictLayout->addWidget(m_onlyEnvironment);
    locateLayout->addWidget(restrict);
    auto* matching = new QGroupBox("Matching", autolocate);
    auto* matchingLayout = new QVBoxLayout(matching);
    m_relaxed = flagBox(matching, "UseRelaxedAutolocate", "Use &relaxed name matching ",
                        a.UseRelaxedAutolocate);
    m_verify = flagBox(matching, "UseVerifyOSAutolocate", "Verify &header signatures ",
                       a.UseVerifyOSAutolocate);
    m_deep = flagBox(matching, "UseAutolocateDeep", "Use &deep search ", a.UseAutolocateDeep);
    m_onlyDll = flagBox(matching, "UseOnlyDLLAutolocate", "Only files with D&LL extension ",
                        a.UseOnlyDLLAutolocate);
    matchingLayout->addWidget(m_relaxed);
    matchingLayout->addWidget(m_verify);
    matchingLayout->addWidget(m_deep);
    matchingLayout->addWidget(m_onlyDll);
    locateLayout->addWidget(matching);
    // Modules whose file has another name are found through the exceptions list.
    auto* exceptionsRow = new QHBoxLayout;
    auto* exceptions = new QPushButton("E&xceptions list...", autolocate);
    exceptions->setObjectName("exceptionsList");
    exceptionsRow->addWidget(exceptions);
    exceptionsRow->addStretch(1);
    locateLayout->addLayout(exceptionsRow);
    connect(exceptions, &QPushButton::clicked, this, [this] {
        (void)EditListDialog::run(m_ws, maintenance::EditListKind::Exceptions, this);
    });
    locateLayout->addStretch(1);
    m_pages->addTab(autolocate, "Autolocate options");

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    fillList(m_excludes.empty() ? -1 : 0);
    updateStates();
    m_pages->setCurrentIndex(page);
}

QWidget* LibOptionsDialog::field(const char* name) const
{
    return findChild<QWidget*>(name);
}

void LibOptionsDialog::fillList(int select)
{
    m_list->clear();
    for (const ExcludeEntry& e : m_excludes.entries()) {
        auto* item = new QTreeWidgetItem(m_list, {fromCp1252(e.symbol)});
        item->setIcon(0, m_icons.listIcon(e.icon()));
    }
    if (select >= 0 && select < m_list->topLevelItemCount())
        m_list->setCurrentItem(m_list->topLevelItem(select));
    updateStates();
}

void LibOptionsDialog::updateStates()
{
    const bool active = m_excludeList->isChecked();
    const bool any = m_list->topLevelItemCount() > 0;
    m_globalDuplicates->setEnabled(active);
    m_keepMode->setEnabled(active && m_globalDuplicates->isChecked());
    m_list->setEnabled(active);
    m_add->setEnabled(active);
    m_edit->setEnabled(active && any);
    m_remove->setEnabled(active && any);
    m_firstFolder->setEnabled(m_priority->isChecked());
    m_browseFirst->setEnabled(m_priority->isChecked());
}

void LibOptionsDialog::addEntry()
{
    ExcludeEntryDialog dialog(true, {}, true, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (const auto at = maintenance::addExcludeEntry(m_excludes, dialog.symbol(), dialog.check()))
        fillList(static_cast<int>(*at));
}

void LibOptionsDialog::editEntry()
{
    const int row = m_list->indexOfTopLevelItem(m_list->currentItem());
    if (row < 0 || static_cast<std::size_t>(row) >= m_excludes.size())
        return;
    const ExcludeEntry& entry = m_excludes.entries()[static_cast<std::size_t>(row)];
    ExcludeEntryDialog dialog(false, entry.symbol, entry.check != 0, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (maintenance::editExcludeEntry(m_excludes, static_cast<std::size_t>(row), dialog.symbol(),
                                      dialog.check()))
        fillList(row);
}

void LibOptionsDialog::removeEntry()
{
    const int row = m_list->indexOfTopLevelItem(m_list->currentItem());
    if (row < 0)
        return;
    const auto next = maintenance::removeExcludeEntry(m_excludes, static_cast<std::size_t>(row));
    fillList(next ? static_cast<int>(*next) : -1);
}

Options LibOptionsDialog::options() const
{
    Options o = m_initial;
    o.UseLIBSortOrder = chosen<LibSortOrder>(m_sortOrder);
    o.UseBitCheck = chosen<BitCheck>(m_bitCheck);
    o.UseBitCheckDuplicates = m_duplicateModules->isChecked();
    o.UseExcludeList = m_excludeList->isChecked();
    o.UseExcludeGlobalDuplicates = m_globalDuplicates->isChecked();
    o.UseExcludeGlobalDuplicatesSet = chosen<DuplicateKeep>(m_keepMode);
    return o;
}

locate::AutolocateOptions LibOptionsDialog::autolocate() const
{
    locate::AutolocateOptions a;
    a.UsePriorityPath = m_priority->isChecked();
    const std::string folder = toPath(m_firstFolder->currentText().trimmed());
    a.FirstFolder = folder.empty() ? folder : platform::withTrailingSeparator(folder);
    a.UseOnlyPriorityPath = m_onlyPriority->isChecked();
    a.UseOnlySourcePath = m_onlySource->isChecked();
    a.UseOnlyEnvironmentPath = m_onlyEnvironment->isChecked();
    a.UseRelaxedAutolocate = m_relaxed->isChecked();
    a.UseVerifyOSAutolocate = m_verify->isChecked();
    a.UseAutolocateDeep = m_deep->isChecked();
    a.UseOnlyDLLAutolocate = m_onlyDll->isChecked();
    return a;
}

void LibOptionsDialog::saveFirstFolderHistory(settings::SettingsStore& store,
                                              const Options& options,
                                              const std::string& firstFolder)
{
    settings::ObsoleteTest missing;
    if (options.UseExcludeObsoleteFolders) {
        const platform::FileSystem& files = m_ws.files();
        missing = [&files](const std::string& entry) { return !files.exists(entry); };
    }
    (void)settings::writeHistory(store, {"Folders", "FirstFolderDrop", options.UseRecentFolders},
                                 m_firstHistory, firstFolder, missing);
}

}  // namespace quillon::app
