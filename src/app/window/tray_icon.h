// TrayIcon: the notification-area icon of a window minimized to the tray, and its options.
#pragma once

#include <QDialog>
#include <QObject>
#include <QSystemTrayIcon>

#include "core/workspace.h"

class QCheckBox;
class QComboBox;
class QMenu;
class QTimer;

namespace quillon::app {

class IconSet;

/// "Clarion Quillon 32 - Tray icon options": the mouse button of the menu, single click to
/// restore, icon animation. Performs nothing; `store` writes the choices.
class TrayOptionsDialog final : public QDialog {
    Q_OBJECT
public:
    TrayOptionsDialog(const Options& options, QWidget* parent = nullptr);
    /// Takes the choices into `options` and writes them to section `Options`.
    void store(Workspace& ws) const;

    [[nodiscard]] QComboBox* buttonBox() const { return m_button; }
    [[nodiscard]] QCheckBox* singleClickBox() const { return m_single; }
    [[nodiscard]] QCheckBox* animationBox() const { return m_animation; }

private:
    QComboBox* m_button = nullptr;
    QCheckBox* m_single = nullptr;
    QCheckBox* m_animation = nullptr;
};

/// Shown while the main window is minimized to the tray (`UseMinimizeTray`).
class TrayIcon final : public QObject {
    Q_OBJECT
public:
    /// The icon of `window`, drawn with the program icon of `icons`.
    TrayIcon(Workspace& ws, QWidget& window, const IconSet& icons);

    /// Hides the window and shows the icon; false when the platform has no tray.
    bool minimizeToTray();
    /// Shows the window again and removes the icon.
    void restore();
    [[nodiscard]] bool shown() const { return m_icon != nullptr && m_icon->isVisible(); }
    [[nodiscard]] QMenu* menu() const { return m_menu; }

signals:
    /// "&About..." of the icon's menu, after the window was restored.
    void aboutRequested();

private:
    void activated(QSystemTrayIcon::ActivationReason reason);
    void showOptions();

    Workspace& m_ws;
    QWidget& m_window;
    const IconSet& m_icons;
    QSystemTrayIcon* m_icon = nullptr;
    QMenu* m_menu = nullptr;
    QTimer* m_animation = nullptr;
    bool m_secondImage = false;
};

}  // namespace quillon::app
