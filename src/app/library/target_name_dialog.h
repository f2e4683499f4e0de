// TargetNameDialog: the library target file name for "&New..." and "&Rename...".
#pragma once

#include <QDialog>

#include <string>

#include "core/workspace.h"

class QCheckBox;
class QLineEdit;

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

private:
    Workspace& m_ws;
    QtUi& m_ui;
    const IconSet& m_icons;
    std::string m_defaultFolder;
    std::string m_fullName;
    QLineEdit* m_name = nullptr;
    QCheckBox* m_keep = nullptr;
};

}  // namespace quillon::app
