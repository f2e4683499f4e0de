// The target name dialog.
#include "app/library/target_name_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/widgets/icon_set.h"
#include "app/widgets/qt_ui.h"
#include "program/target_name.h"

namespace quillon::app {

TargetNameDialog::TargetNameDialog(Workspace& ws, QtUi& ui, const IconSet& icons, bool rename,
                                   std::string defaultFolder, QWidget* parent)
    : QDialog(parent), m_ws(ws), m_ui(ui), m_icons(icons), m_defaultFolder(std::move(defaultFolder))
{
    setObjectName("P453$NAMEWINDOW");
    setWindowTitle(rename ? "Rename the library target file" : "Create a new library target file");
    auto* grid = new QGridLayout(this);
    const std::string& present = ws.library.LibraryFileName;
    grid->addWidget(new QLabel("Enter a valid library filename:", this), 0, 0, 1, 2);
    m_name = new QLineEdit(this);
    m_name->setObjectName("targetName");
    m_name->setText(fromPath(present));
    m_name->setMinimumWidth(380);
    grid->addWidget(m_name, 1, 0, 1, 2);
    grid->addWidget(new QLabel("Present target folder:", this), 2, 0);
    auto* presentFolder = new QLabel(fromPath(folderPart(present)), this);
    presentFolder->setTextInteractionFlags(Qt::TextSelectableByMouse);
    grid->addWidget(presentFolder, 2, 1);
    grid->addWidget(new QLabel("Default target folder:", this), 3, 0);
    m_defaultLabel = new QLabel(fromPath(m_defaultFolder), this);
    m_defaultLabel->setObjectName("defaultTargetFolder");
    m_defaultLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    grid->addWidget(m_defaultLabel, 3, 1);
    m_keep = new QCheckBox("Keep present target folder ", this);
    m_keep->setToolTip("Check to use the path in the existing filename");
    m_keep->setChecked(!present.empty());
    grid->addWidget(m_keep, 4, 0, 1, 2);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_folders = buttons->addButton("&Default folders...", QDialogButtonBox::ResetRole);
    m_folders->setObjectName("defaultFolders");
    // Enabled once the window gives the way to the folder options.
    m_folders->setEnabled(false);
    connect(m_folders, &QPushButton::clicked, this, &TargetNameDialog::openFolderOptions);
    connect(buttons, &QDialogButtonBox::accepted, this, &TargetNameDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    grid->addWidget(buttons, 5, 0, 1, 2);
    grid->setColumnStretch(1, 1);
}

void TargetNameDialog::setFolderOptionsOpener(FolderOptionsOpener opener)
{
    m_opener = std::move(opener);
    m_folders->setEnabled(static_cast<bool>(m_opener));
}

void TargetNameDialog::openFolderOptions()
{
    if (!m_opener)
        return;
    if (const std::optional<std::string> folder = m_opener()) {
        m_defaultFolder = *folder;
        m_defaultLabel->setText(fromPath(m_defaultFolder));
    }
    m_name->setFocus();
}

QString TargetNameDialog::defaultFolderText() const
{
    return m_defaultLabel->text();
}

void TargetNameDialog::accept()
{
    TargetNameInput input;
    input.typed = toPath(m_name->text());
    input.presentName = m_ws.library.LibraryFileName;
    input.defaultFolder = m_defaultFolder;
    input.keepPresentFolder = m_keep->isChecked();
    const TargetNameOutcome outcome = resolveTargetName(m_ws, input);
    if (!outcome.accepted) {
        m_name->setFocus();
        return;
    }
    m_fullName = outcome.fullName;
    QDialog::accept();
}

}  // namespace quillon::app
