// The start-up sequence and the splash window.
#include "app/window/startup.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QPainter>
#include <QPixmap>
#include <QSplashScreen>
#include <QStandardPaths>
#include <QTimer>
#include <QToolTip>

#include <cstdlib>

#include "app/widgets/qt_ui.h"
#include "app/window/main_window.h"
#include "maintenance/exclusion_list.h"
#include "settings/options_io.h"
#include "settings/settings_store.h"

#ifndef QUILLON_VERSION
#define QUILLON_VERSION ""
#endif

namespace quillon::app {

QSplashScreen* createSplash(int milliseconds)
{
    QPixmap picture(":/icons/splash.png");
    {
        QPainter p(&picture);
        p.setPen(QColor(210, 226, 255));
        QFont font = p.font();
        font.setPixelSize(12);
        p.setFont(font);
        p.drawText(picture.rect().adjusted(0, 0, -12, -8), Qt::AlignRight | Qt::AlignBottom,
                   QString("Version ") + QUILLON_VERSION);
    }
    auto* splash = new QSplashScreen(picture);
    splash->setObjectName("splash");
    splash->setAttribute(Qt::WA_DeleteOnClose);
    QTimer::singleShot(milliseconds, splash, &QWidget::close);
    return splash;
}

void applyInfoWindowColours(const settings::InfoWindowColours& colours)
{
    const auto colour = [](const settings::Rgb& c) { return QColor(c.red, c.green, c.blue); };
    QPalette palette = QToolTip::palette();
    palette.setColor(QPalette::ToolTipBase, colour(colours.background));
    palette.setColor(QPalette::ToolTipText, colour(colours.text));
    QToolTip::setPalette(palette);
}

Startup::Startup(Workspace& ws, QtUi& ui, MainWindow& window, CommandLine line)
    : m_ws(ws), m_ui(ui), m_window(window), m_line(std::move(line))
{
}

StartupReport Startup::run()
{
    StartupReport report;
    // A silent run shows nothing and loads no options into the window.
    if (m_line.silent)
        return report;
    settings::SettingsStore& store = m_ws.settings();
    // The placement comes before the options are loaded: the flag is read on its own.
    Options stored;
    settings::LoadOption(store, stored, &Options::UseSaveWindow);
    if (stored.UseSaveWindow)
        m_window.restorePlacement();
    m_window.restoreListFormats();
    settings::OptionsContext context;
    context.settingsFolder = m_window.setup().settingsFolder;
    settings::OptionsSeams seams;
    maintenance::setExcludeListSeams(seams, m_ws);
    settings::LoadOptions(store, m_ws.files(), m_ws.options, context, seams);
    m_window.applyOptions();
    if (!m_ws.options.UseNosplash && m_splashTime > 0) {
        QSplashScreen* splash = createSplash(m_splashTime);
        splash->show();
        report.splashShown = true;
    }
    m_window.updateCaption();
    if (!m_line.inputFiles.empty()) {
        // The files named on the command line stay in the window; no start-up file step.
        (void)m_window.loadFiles(m_line.inputFiles);
        m_window.updateCaption();
        return report;
    }
    startFileStep(report);
    return report;
}

void Startup::startFileStep(StartupReport& report)
{
    const LibraryActions& a = m_window.actions();
    if (m_ws.options.UseStartFile) {
        const std::string present = m_ws.settings().readPath("Filelist", "PresentFile");
        if (!present.empty() && m_ws.files().isFile(present))
            report.openedPresentFile = m_window.openFile(present);
    }
    if (!report.openedPresentFile) {
        if (m_ws.options.UseOpening) {
            report.openDialogShown = a.openLibrary->isEnabled();
            if (report.openDialogShown)
                a.openLibrary->trigger();
        } else if (!m_ws.options.UseNocreate) {
            report.newDialogShown = true;
            m_window.newLibrary();
        }
    }
    (void)m_ui.takePendingKeys();
    m_window.updateCaption();
}

}  // namespace quillon::app
