// TargetNameDialog: the library target file name for "&New..." and "&Rename...".
#pragma once

#include <QDialog>

#include <functional>
#include <optional>

#include <string>

#include "core/workspace.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace quillon::app {

class IconSet;
class QtUi;

/// "Enter a valid library filename:" with the present and default target folders; OK checks
/// the name by the target name rules and keeps the dialog open until the name is usable.
class TargetNameDialog final : public QDialog {
    Q_OBJECT
public:
    TargetNameDialog(Workspace& ws, QtUi& ui, const IconSet& icons, bool rename,
                     std::string defaultFolder, QWidget* parent = nullptr);

    /// The accepted full name.
    [[nodiscard]] const std::string& fullName() const { return m_fullName; }
    [[nodiscard]] QLineEdit* nameField() const { return m_name; }
    [[nodiscard]] QCheckBox* keepFolderBox() const { return m_keep; }

    void accept() override;

    /// Opens the folder options dialog; returns the default target folder after OK, nothing
    /// when it was cancelled.
    using FolderOptionsOpener = std::function<std::optional<std::string>()>;
    /// Enables "&Default folders..." with `opener`; the folder shown follows the options.
    void setFolderOptionsOpener(FolderOptionsOpener opener);
    /// "&Default folders...": the folder options dialog; the default target folder that the
    /// name goes to follows the options stored there.
    void openFolderOptions();
    [[nodiscard]] QPushButton* foldersButton() const { return m_folders; }
    [[nodiscard]] QString defaultFolderText() const;

private:
    Workspace& m_ws;
    QtUi& m_ui;
    const IconSet& m_icons;
    std::string m_defaultFolder;
    std::string m_fullName;
    QLineEdit* m_name = nullptr;
    QCheckBox* m_keep = nullptr;
    QLabel* m_defaultLabel = nullptr;
    QPushButton* m_folders = nullptr;
    FolderOptionsOpener m_opener;
};

}  // namespace quillon::app
