// The default folders dialog.
#include "app/options/folder_options_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

#include "app/widgets/qt_ui.h"
#include "locate/clarion_folders.h"
#include "platform/paths.h"
#include "settings/settings_store.h"

namespace quillon::app {

namespace {

std::string folderOf(const QString& text)
{
    const std::string folder = toPath(text.trimmed());
    return folder.empty() ? folder : platform::withTrailingSeparator(folder);
}

QComboBox* historyCombo(QWidget* parent, const char* name, const std::vector<std::string>& history,
                        const std::string& current)
{
    auto* combo = new QComboBox(parent);
    combo->setObjectName(name);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setMinimumContentsLength(40);
    combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    for (const std::string& entry : history)
        combo->addItem(fromPath(entry));
    combo->setEditText(fromPath(current));
    return combo;
}

}  // namespace

FolderOptionsDialog::FolderOptionsDialog(Workspace& ws, QtUi& ui, QWidget* parent)
    : QDialog(parent), m_ws(ws), m_ui(ui), m_initial(ws.options)
{
    setObjectName("folderOptions");
    setWindowTitle("Clarion Quillon 32 - Default folders");
    const Options& o = m_initial;
    m_addHistory = {o.AddFolderDrop, o.AddFolder};
    m_saveHistory = {o.SaveFolderDrop, o.SaveFolder};
    auto* layout = new QVBoxLayout(this);

    // Source folder for DLL files.
    auto* source = new QGroupBox("Default source folder for DLL files", this);
    auto* sourceLayout = new QGridLayout(source);
    m_sourceChoice = new QButtonGroup(this);
    const char* const sourceTexts[] = {
        "System default",     "Last used source folder", "Folder:",
        "Clarion BIN folder", "Windows System folder",   "Clarion LIB folder"};
    for (int id = 1; id <= 6; ++id) {
        auto* radio = new QRadioButton(sourceTexts[id - 1], source);
        radio->setObjectName(QString("OptionAddFolder%1").arg(id));
        m_sourceChoice->addButton(radio, id);
        sourceLayout->addWidget(radio, id - 1, 0);
        if (id == 3) {
            // Made after its radio button, so that the tab order follows the rows.
            m_addFolder = historyCombo(source, "AddFolder", o.AddFolderDrop, o.AddFolder);
            sourceLayout->addWidget(m_addFolder, 2, 1);
            sourceLayout->addWidget(browseButton(source, "Default source folder", m_addFolder), 2,
                                    2);
        }
    }
    if (QAbstractButton* b = m_sourceChoice->button(static_cast<int>(o.OptionAddFolder)))
        b->setChecked(true);
    sourceLayout->setColumnStretch(1, 1);
    layout->addWidget(source);

    // Target folder for LIB files.
    m_same = new QCheckBox("&Use the same target folder as the source folder", this);
    m_same->setObjectName("UseSameAddSave");
    m_same->setChecked(o.UseSameAddSave);
    m_targetGroup = new QGroupBox("Default target folder for LIB files", this);
    auto* targetLayout = new QGridLayout(m_targetGroup);
    m_targetChoice = new QButtonGroup(this);
    const char* const targetTexts[] = {"System default", "Last used target (library) folder",
                                       "Folder:", "Clarion LIB folder"};
    for (int id = 1; id <= 4; ++id) {
        auto* radio = new QRadioButton(targetTexts[id - 1], m_targetGroup);
        radio->setObjectName(QString("OptionSaveFolder%1").arg(id));
        m_targetChoice->addButton(radio, id);
        targetLayout->addWidget(radio, id - 1, 0);
        if (id == 3) {
            m_saveFolder =
                historyCombo(m_targetGroup, "SaveFolder", o.SaveFolderDrop, o.SaveFolder);
            targetLayout->addWidget(m_saveFolder, 2, 1);
            targetLayout->addWidget(
                browseButton(m_targetGroup, "Default target folder", m_saveFolder), 2, 2);
        }
    }
    if (QAbstractButton* b = m_targetChoice->button(static_cast<int>(o.OptionSaveFolder)))
        b->setChecked(true);
    targetLayout->setColumnStretch(1, 1);
    layout->addWidget(m_same);
    layout->addWidget(m_targetGroup);
    m_targetGroup->setEnabled(!m_same->isChecked());
    connect(m_same, &QCheckBox::toggled, m_targetGroup,
            [this](bool on) { m_targetGroup->setEnabled(!on); });

    // Program and Clarion folders.
    auto* folders = new QGroupBox("Program folders", this);
    auto* foldersLayout = new QGridLayout(folders);
    int row = 0;
    auto folderRow = [&](const char* key, const QString& label, const std::string& value) {
        auto* edit = new QLineEdit(fromPath(value), folders);
        edit->setObjectName(key);
        edit->setMinimumWidth(edit->fontMetrics().averageCharWidth() * 40);
        auto* text = new QLabel(label, folders);
        text->setBuddy(edit);
        foldersLayout->addWidget(text, row, 0);
        foldersLayout->addWidget(edit, row, 1);
        QWidget* browse = browseButton(folders, label, edit);
        browse->setObjectName(QString(key) + "Browse");
        foldersLayout->addWidget(browse, row, 2);
        ++row;
        return edit;
    };
    m_progFolder = folderRow("ProgFolder", "Clarion Quillon program files:", o.ProgFolder);
    m_statFolder = folderRow("StatFolder", "Clarion library data files:", o.StatFolder);
    m_binFolder = folderRow("BINFolder", "Clarion BIN folder:", o.BINFolder);
    m_libFolder = folderRow("LIBFolder", "Clarion LIB folder:", o.LIBFolder);
    auto* detect = new QPushButton("D&etect Clarion folders", folders);
    detect->setObjectName("detectClarionFolders");
    detect->setToolTip("Find the BIN and LIB folders of the installed Clarion product");
    connect(detect, &QPushButton::clicked, this, [this] { detectClarionFolders(); });
    foldersLayout->addWidget(detect, row, 1, Qt::AlignLeft);
    foldersLayout->setColumnStretch(1, 1);
    layout->addWidget(folders);
    // The three groups' folder fields start at one edge.
    int labelWidth = 0;
    for (QGridLayout* grid : {sourceLayout, targetLayout, foldersLayout}) {
        for (int r = 0; r < grid->rowCount(); ++r) {
            if (QLayoutItem* item = grid->itemAtPosition(r, 0); item && item->widget())
                labelWidth = std::max(labelWidth, item->widget()->sizeHint().width());
        }
    }
    for (QGridLayout* grid : {sourceLayout, targetLayout, foldersLayout})
        grid->setColumnMinimumWidth(0, labelWidth);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

QWidget* FolderOptionsDialog::browseButton(QWidget* parent, const QString& title, QWidget* target)
{
    auto* button = new QToolButton(parent);
    button->setText("...");
    button->setToolTip("Browse for a folder");
    QString caption = title;
    caption.remove(':');
    connect(button, &QToolButton::clicked, this, [this, caption, target] {
        auto* combo = qobject_cast<QComboBox*>(target);
        auto* edit = qobject_cast<QLineEdit*>(target);
        const QString current = combo != nullptr ? combo->currentText() : edit->text();
        const auto chosen = m_ui.chooseFolderDialog({toCp1252(caption), toPath(current), ""});
        if (!chosen)
            return;
        const QString folder = fromPath(platform::withTrailingSeparator(*chosen));
        if (combo != nullptr)
            combo->setEditText(folder);
        else
            edit->setText(folder);
    });
    return button;
}

QLineEdit* FolderOptionsDialog::folderEdit(const char* key) const
{
    return findChild<QLineEdit*>(key);
}

Options FolderOptionsDialog::options() const
{
    Options o = m_initial;
    // The radio buttons' ids are the choices' numbers; with none checked the system default holds.
    o.OptionAddFolder = m_sourceChoice->checkedId() > 0
                            ? static_cast<SourceFolderChoice>(m_sourceChoice->checkedId())
                            : SourceFolderChoice::SystemDefault;
    o.OptionSaveFolder = m_targetChoice->checkedId() > 0
                             ? static_cast<TargetFolderChoice>(m_targetChoice->checkedId())
                             : TargetFolderChoice::SystemDefault;
    o.AddFolder = folderOf(m_addFolder->currentText());
    o.SaveFolder = folderOf(m_saveFolder->currentText());
    o.UseSameAddSave = m_same->isChecked();
    o.ProgFolder = folderOf(m_progFolder->text());
    o.StatFolder = folderOf(m_statFolder->text());
    o.BINFolder = folderOf(m_binFolder->text());
    o.LIBFolder = folderOf(m_libFolder->text());
    return o;
}

void FolderOptionsDialog::saveHistories(settings::SettingsStore& store, Options& options)
{
    settings::ObsoleteTest missing;
    if (options.UseExcludeObsoleteFolders) {
        const platform::FileSystem& files = m_ws.files();
        missing = [&files](const std::string& entry) { return !files.exists(entry); };
    }
    (void)settings::writeHistory(store, {"Folders", "AddFolderDrop", options.UseRecentFolders},
                                 m_addHistory, options.AddFolder, missing);
    (void)settings::writeHistory(store, {"Folders", "SaveFolderDrop", options.UseRecentFolders},
                                 m_saveHistory, options.SaveFolder, missing);
    options.AddFolderDrop = m_addHistory.entries;
    options.SaveFolderDrop = m_saveHistory.entries;
}

void FolderOptionsDialog::detectClarionFolders()
{
    Options detected = options();
    ClarionProduct product;
    const ClarionFoldersOutcome found =
        FindClarionFolders(1, detected, product, clarionFolderServices(m_ws));
    // A folder not found keeps what the field held.
    if (!found.first.empty())
        m_binFolder->setText(fromPath(found.first));
    if (!found.second.empty())
        m_libFolder->setText(fromPath(found.second));
    if (found.result == 0)
        (void)m_ui.message(clarionNotDetectedMessage(!found.first.empty(), !found.second.empty()));
}

ui::MessageBox clarionNotDetectedMessage(bool binFound, bool libFound)
{
    ui::MessageBox box;
    box.title = "CLARION QUILLON 32 - Detect Clarion folders";
    box.icon = ui::MessageIcon::Information;
    box.buttons = "&OK";
    if (!binFound && !libFound) {
        box.text =
            "    No installed Clarion product was found.|"
            "    WIN.INI names none whose folders exist on this computer.|";
    } else {
        box.text = "    The ";
        box.text += binFound ? "LIB" : "BIN";
        box.text += " folder of the installed Clarion product was not found.|";
    }
    box.text += "    The folder fields that were not found keep what they held.";
    return box;
}

}  // namespace quillon::app
