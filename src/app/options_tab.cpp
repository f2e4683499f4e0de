// The options tab.
#include "app/options_tab.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/main_window.h"
#include "maintenance/exclusion_list.h"
#include "settings/options_io.h"
#include "settings/settings_store.h"

namespace quillon::app {

OptionsTab::OptionsTab(Workspace& ws, MainWindow& window)
    : QWidget(&window), m_ws(ws), m_window(window)
{
    setObjectName("optionsTab");
    auto* layout = new QVBoxLayout(this);
    auto* startup = new QGroupBox("Start-up", this);
    auto* startupLayout = new QVBoxLayout(startup);
    auto* general = new QGroupBox("General options", this);
    auto* generalLayout = new QVBoxLayout(general);
    struct Spec {
        const char* key;
        int Options::*value;
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
    const char* const dialogs[] = {"&Default folders...",
                                   "&Advanced options...",
                                   "&LIB-file options...",
                                   "A&utolocate options...",
                                   "&Fonts...",
                                   "&Colors..."};
    int column = 0;
    for (const char* text : dialogs) {
        // These dialogs are not part of this program yet.
        auto* b = new QPushButton(text, this);
        b->setEnabled(false);
        buttons->addWidget(b, 0, column++);
    }
    auto* restoreButton = new QPushButton("&Restore", this);
    restoreButton->setObjectName("restoreOptions");
    restoreButton->setToolTip("Restore the saved options setting");
    auto* applyButton = new QPushButton("A&pply", this);
    applyButton->setObjectName("applyOptions");
    applyButton->setToolTip("Save and use the selected options");
    buttons->addWidget(restoreButton, 1, 4);
    buttons->addWidget(applyButton, 1, 5);
    layout->addLayout(buttons);
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
        e.box->setChecked(m_ws.options.*e.value == 1);
}

void OptionsTab::apply()
{
    for (const Entry& e : m_entries)
        m_ws.options.*e.value = e.box->isChecked() ? 1 : 0;
    settings::OptionsSeams seams;
    maintenance::setExcludeListSeams(seams, m_ws);
    settings::SaveOptions(m_ws.settings(), m_ws.options, seams);
    m_window.applyOptions();
}

void OptionsTab::restore()
{
    settings::OptionsContext context;
    context.settingsFolder = m_window.setup().settingsFolder;
    settings::OptionsSeams seams;
    maintenance::setExcludeListSeams(seams, m_ws);
    settings::LoadOptions(m_ws.settings(), m_ws.files(), m_ws.options, context, seams);
    m_window.applyOptions();
}

}  // namespace quillon::app
