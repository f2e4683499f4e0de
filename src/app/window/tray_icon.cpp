// The tray icon and its options dialog.
#include "app/window/tray_icon.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCursor>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QMenu>
#include <QTimer>

#include "app/widgets/icon_set.h"
#include "program/window_texts.h"
#include "settings/options_io.h"
#include "settings/settings_store.h"

namespace quillon::app {

TrayOptionsDialog::TrayOptionsDialog(const Options& options, QWidget* parent) : QDialog(parent)
{
    setObjectName("TrayWindow");
    setWindowTitle("Clarion Quillon 32 - Tray icon options");
    auto* form = new QFormLayout(this);
    m_button = new QComboBox(this);
    m_button->addItems({"Left mouse button", "Right mouse button"});
    m_button->setCurrentIndex(options.UseTrayMenuAlignment == "Left mouse button" ? 0 : 1);
    form->addRow("Mouse button menu assignment:", m_button);
    m_single = new QCheckBox("Single click to restore", this);
    m_single->setChecked(options.UseIconSingle);
    form->addRow(m_single);
    m_animation = new QCheckBox("Use icon animation", this);
    m_animation->setChecked(options.UseIconAnimation);
    form->addRow(m_animation);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton("&OK", QDialogButtonBox::AcceptRole);
    buttons->addButton("&Cancel", QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);
}

void TrayOptionsDialog::store(Workspace& ws) const
{
    ws.options.UseTrayMenuAlignment = m_button->currentText().toStdString();
    ws.options.UseIconSingle = m_single->isChecked();
    ws.options.UseIconAnimation = m_animation->isChecked();
    settings::SaveOption(ws.settings(), ws.options, &Options::UseTrayMenuAlignment);
    settings::SaveOption(ws.settings(), ws.options, &Options::UseIconSingle);
    settings::SaveOption(ws.settings(), ws.options, &Options::UseIconAnimation);
}

TrayIcon::TrayIcon(Workspace& ws, QWidget& window, const IconSet& icons)
    : QObject(&window), m_ws(ws), m_window(window), m_icons(icons)
{
    m_menu = new QMenu(&window);
    connect(m_menu->addAction("&Restore Clarion Quillon"), &QAction::triggered, this,
            [this] { restore(); });
    connect(m_menu->addAction("&Tray icon options..."), &QAction::triggered, this,
            [this] { showOptions(); });
    connect(m_menu->addAction("&About..."), &QAction::triggered, this, [this] {
        restore();
        emit aboutRequested();
    });
    m_menu->addSeparator();
    connect(m_menu->addAction("E&xit Clarion Quillon"), &QAction::triggered, this, [this] {
        restore();
        m_window.close();
    });
}

bool TrayIcon::minimizeToTray()
{
    if (!QSystemTrayIcon::isSystemTrayAvailable())
        return false;
    if (m_icon == nullptr) {
        m_icon = new QSystemTrayIcon(m_icons.program(), this);
        m_icon->setToolTip("Clarion Quillon 32");
        connect(m_icon, &QSystemTrayIcon::activated, this, &TrayIcon::activated);
        m_animation = new QTimer(this);
        m_animation->setInterval(600);
        connect(m_animation, &QTimer::timeout, this, [this] {
            m_secondImage = !m_secondImage;
            m_icon->setIcon(m_secondImage ? IconSet::named("QNOpenFold") : m_icons.program());
        });
    }
    m_icon->show();
    if (m_ws.options.UseIconAnimation)
        m_animation->start();
    m_window.hide();
    return true;
}

void TrayIcon::restore()
{
    if (m_animation != nullptr)
        m_animation->stop();
    if (m_icon != nullptr)
        m_icon->hide();
    m_window.showNormal();
    m_window.activateWindow();
    if (m_window.isHidden()) {
        m_window.show();
        (void)m_ws.ui().message(exceptionalSplashMessage());
    }
}

void TrayIcon::activated(QSystemTrayIcon::ActivationReason reason)
{
    const bool leftMenu = m_ws.options.UseTrayMenuAlignment == "Left mouse button";
    if ((reason == QSystemTrayIcon::Context && !leftMenu) ||
        (reason == QSystemTrayIcon::Trigger && leftMenu)) {
        m_menu->popup(QCursor::pos());
        return;
    }
    const bool single = m_ws.options.UseIconSingle;
    if ((single && reason == QSystemTrayIcon::Trigger) ||
        (!single && reason == QSystemTrayIcon::DoubleClick))
        restore();
}

void TrayIcon::showOptions()
{
    TrayOptionsDialog dialog(m_ws.options, &m_window);
    if (dialog.exec() == QDialog::Accepted)
        dialog.store(m_ws);
}

}  // namespace quillon::app
