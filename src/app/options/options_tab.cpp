// The options tab.
#include "app/options/options_tab.h"
#include "locate/locate_state.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QFontDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/options/advanced_options_dialog.h"
#include "app/options/folder_options_dialog.h"
#include "app/options/lib_options_dialog.h"
#include "core/library_model.h"
#include "locate/autolocate_options.h"
#include "maintenance/exclusion_list.h"
#include "maintenance/global_duplicates.h"
#include "settings/options_io.h"
#include "settings/settings_store.h"

namespace quillon::app {

OptionsTab::OptionsTab(Workspace& ws, QtUi& ui, const IconSet& icons, std::string settingsFolder,
                       const QWidget& list, QWidget* parent)
    : QWidget(parent),
      m_ws(ws),
      m_ui(ui),
      m_icons(icons),
      m_settingsFolder(std::move(settingsFolder)),
      m_list(list)
{
    setObjectName("optionsTab");
    auto* layout = new QVBoxLayout(this);
    auto* startup = new QGroupBox("Start-up", this);
    auto* startupLayout = new QVBoxLayout(startup);
    auto* general = new QGroupBox("General options", this);
    auto* generalLayout = new QVBoxLayout(general);
    struct Spec {
        const char* key;
        bool Options::*value;
        const char* text;
        bool startup;
    };
    const Spec specs[] = {
        {"UseStartFile", &Options::UseStartFile, "&Load last opened library file at startup", true},
        {"UseOpening", &Options::UseOpening, "&Open library file dialog at startup", true},
        {"UseNocreate", &Options::UseNocreate, "Don't create &new library file at startup", true},
        {"UseNosplash", &Options::UseNosplash, "Don't show &splashscreen at startup", true},
        {"UseSaveWindow", &Options::UseSaveWindow, "Preserve &window changes", false},
        {"UseToolTips", &Options::UseToolTips, "Show tool&tips", false},
        {"UseQuickMenu", &Options::UseQuickMenu, "Use &quickmenus", false},
        {"UseStatusBar", &Options::UseStatusBar, "Show status&bar", false},
    };
    for (const Spec& spec : specs) {
        auto* box = new QCheckBox(spec.text, this);
        box->setObjectName(spec.key);
        (spec.startup ? startupLayout : generalLayout)->addWidget(box);
        m_entries.push_back({spec.key, spec.value, box});
    }
    layout->addWidget(startup);
    layout->addWidget(general);
    layout->addStretch(1);

    auto* buttons = new QGridLayout;
    auto button = [&](const char* name, const char* text, int row, int column) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(name);
        buttons->addWidget(b, row, column);
        return b;
    };
    QPushButton* folders = button("defaultFolders", "&Default folders...", 0, 0);
    QPushButton* advanced = button("advancedOptions", "&Advanced options...", 0, 1);
    QPushButton* lib = button("libOptions", "&LIB-file options...", 0, 2);
    QPushButton* autolocate = button("autolocateOptions", "A&utolocate options...", 0, 3);
    QPushButton* fonts = button("fonts", "&Fonts...", 0, 4);
    QPushButton* colors = button("colors", "&Colors...", 0, 5);
    QPushButton* restoreButton = button("restoreOptions", "&Restore", 1, 4);
    restoreButton->setToolTip("Restore the saved options setting");
    QPushButton* applyButton = button("applyOptions", "A&pply", 1, 5);
    applyButton->setToolTip("Save and use the selected options");
    layout->addLayout(buttons);

    auto* fontMenu = new QMenu(fonts);
    fontMenu->addAction("&Choose font...", this, [this] { chooseFont(); });
    fontMenu->addAction("&Default font", this, [this] {
        ListAppearance a = readListAppearance(m_ws.settings());
        a.font.reset();
        setListAppearance(a);
    });
    fonts->setMenu(fontMenu);
    auto* colorMenu = new QMenu(colors);
    colorMenu->addAction("&Text colour...", this, [this] { chooseColor(false); });
    colorMenu->addAction("&Background colour...", this, [this] { chooseColor(true); });
    colorMenu->addAction("&Default colours", this, [this] {
        ListAppearance a = readListAppearance(m_ws.settings());
        a.text.reset();
        a.background.reset();
        setListAppearance(a);
    });
    colors->setMenu(colorMenu);

    connect(folders, &QPushButton::clicked, this, [this] { (void)folderOptions(); });
    connect(advanced, &QPushButton::clicked, this, [this] { (void)advancedOptions(); });
    connect(lib, &QPushButton::clicked, this, [this] { (void)libOptions(0); });
    connect(autolocate, &QPushButton::clicked, this, [this] { (void)libOptions(1); });
    connect(restoreButton, &QPushButton::clicked, this, [this] { restore(); });
    connect(applyButton, &QPushButton::clicked, this, [this] { apply(); });
}

QCheckBox* OptionsTab::box(const char* key) const
{
    for (const Entry& e : m_entries) {
        if (std::string_view(e.key) == key)
            return e.box;
    }
    return nullptr;
}

void OptionsTab::showOptions()
{
    for (const Entry& e : m_entries)
        e.box->setChecked(m_ws.options.*e.value);
}

void OptionsTab::apply()
{
    for (const Entry& e : m_entries)
        m_ws.options.*e.value = e.box->isChecked();
    store({});
}

void OptionsTab::restore()
{
    settings::OptionsContext context;
    context.settingsFolder = m_settingsFolder;
    settings::OptionsSeams seams;
    maintenance::setExcludeListSeams(seams, m_ws);
    settings::LoadOptions(m_ws.settings(), m_ws.files(), m_ws.options, context, seams);
    locate::state(m_ws).optionsChanged();
    maintenance::duplicateOptionsChanged(m_ws);
    emit optionsChanged();
}

void OptionsTab::store(
    const std::function<void(settings::SettingsStore&, const Options&)>& histories)
{
    settings::OptionsSeams seams;
    maintenance::setExcludeListSeams(seams, m_ws);
    seams.saveFolderHistories = histories;
    settings::SaveOptions(m_ws.settings(), m_ws.options, seams);
    locate::state(m_ws).optionsChanged();
    maintenance::duplicateOptionsChanged(m_ws);
    // A dialog's OK stores the options held in memory; boxes of this tab not yet applied stay
    // as the user left them.
    std::vector<bool> shown;
    for (const Entry& e : m_entries)
        shown.push_back(e.box->isChecked());
    emit optionsChanged();
    for (std::size_t i = 0; i < m_entries.size(); ++i)
        m_entries[i].box->setChecked(shown[i]);
    emit optionsStored();
}

bool OptionsTab::folderOptions()
{
    FolderOptionsDialog dialog(m_ws, m_ui, window());
    if (dialog.exec() != QDialog::Accepted)
        return false;
    m_ws.options = dialog.options();
    store([&dialog, this](settings::SettingsStore& s, const Options&) {
        dialog.saveHistories(s, m_ws.options);
    });
    return true;
}

bool OptionsTab::advancedOptions()
{
    AdvancedOptionsDialog dialog(m_ws, window());
    const int answer = dialog.exec();
    // The history cleanup works at once, also when the dialog is then cancelled.
    if (dialog.excludeListCleared())
        renewExclusionMarks();
    if (answer != QDialog::Accepted)
        return false;
    m_ws.options = dialog.options();
    store({});
    return true;
}

bool OptionsTab::libOptions(int page)
{
    LibOptionsDialog dialog(
        m_ws, m_ui, m_icons,
        page == 1 ? LibOptionsDialog::AutolocatePage : LibOptionsDialog::LibFilePage, window());
    if (dialog.exec() != QDialog::Accepted)
        return false;
    m_ws.options = dialog.options();
    m_ws.excludeList = dialog.excludeList();
    const locate::AutolocateOptions autolocate = dialog.autolocate();
    locate::writeAutolocateOptions(m_ws.settings(), autolocate);
    dialog.saveFirstFolderHistory(m_ws.settings(), m_ws.options, autolocate.FirstFolder);
    store({});
    // The exclusion marks follow the list and its switch at once.
    renewExclusionMarks();
    return true;
}

void OptionsTab::renewExclusionMarks()
{
    if (m_ws.library.empty())
        return;
    (void)maintenance::markExcludedSymbols(m_ws);
    (void)refreshIcons(m_ws);
    emit marksChanged();
}

void OptionsTab::setListAppearance(const ListAppearance& appearance)
{
    writeListAppearance(m_ws.settings(), appearance);
    applyListAppearance(window(), appearance);
}

void OptionsTab::chooseFont()
{
    ListAppearance a = readListAppearance(m_ws.settings());
    bool ok = false;
    const QFont font =
        QFontDialog::getFont(&ok, a.font ? *a.font : m_list.font(), this, "List font");
    if (!ok)
        return;
    a.font = font;
    setListAppearance(a);
}

void OptionsTab::chooseColor(bool background)
{
    ListAppearance a = readListAppearance(m_ws.settings());
    std::optional<QColor>& target = background ? a.background : a.text;
    const QColor initial =
        target ? *target : m_list.palette().color(background ? QPalette::Base : QPalette::Text);
    const QColor chosen = QColorDialog::getColor(
        initial, this, background ? "List background colour" : "List text colour");
    if (!chosen.isValid())
        return;
    target = chosen;
    setListAppearance(a);
}

}  // namespace quillon::app
