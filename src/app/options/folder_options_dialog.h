// FolderOptionsDialog: the default folders of section Folders (source and target folder
// choices with their histories, the settings folder and the Clarion folders).
#pragma once

#include <QDialog>

#include <string>

#include "core/workspace.h"
#include "settings/setting_history.h"

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;

namespace quillon::app {

class QtUi;

/// The message of "D&etect Clarion folders" when it found no installed Clarion product, or
/// only one of its two folders.
[[nodiscard]] ui::MessageBox clarionNotDetectedMessage(bool binFound, bool libFound);

class FolderOptionsDialog final : public QDialog {
    Q_OBJECT
public:
    FolderOptionsDialog(Workspace& ws, QtUi& ui, QWidget* parent = nullptr);

    /// The options as shown; folders end in a separator, blank folders are empty.
    [[nodiscard]] Options options() const;
    /// Records the source and target folders of `options` in their histories
    /// (`AddFolderDrop<n>`, `SaveFolderDrop<n>`) and gives the histories to `options`.
    void saveHistories(settings::SettingsStore& store, Options& options);

    /// "D&etect": fills the Clarion BIN and LIB folders from the installed product, and says
    /// so when nothing was found.
    void detectClarionFolders();

    [[nodiscard]] QButtonGroup* sourceChoice() const { return m_sourceChoice; }
    [[nodiscard]] QButtonGroup* targetChoice() const { return m_targetChoice; }
    [[nodiscard]] QComboBox* addFolder() const { return m_addFolder; }
    [[nodiscard]] QComboBox* saveFolder() const { return m_saveFolder; }
    [[nodiscard]] QCheckBox* sameFolder() const { return m_same; }
    [[nodiscard]] QLineEdit* folderEdit(const char* key) const;

private:
    QWidget* browseButton(QWidget* parent, const QString& title, QWidget* target);

    Workspace& m_ws;
    QtUi& m_ui;
    Options m_initial;
    settings::SettingHistory m_addHistory;
    settings::SettingHistory m_saveHistory;
    QButtonGroup* m_sourceChoice = nullptr;
    QButtonGroup* m_targetChoice = nullptr;
    QComboBox* m_addFolder = nullptr;
    QComboBox* m_saveFolder = nullptr;
    QCheckBox* m_same = nullptr;
    QGroupBox* m_targetGroup = nullptr;
    QLineEdit* m_progFolder = nullptr;
    QLineEdit* m_statFolder = nullptr;
    QLineEdit* m_binFolder = nullptr;
    QLineEdit* m_libFolder = nullptr;
};

}  // namespace quillon::app
