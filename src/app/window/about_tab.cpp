// The about tab and its commands.
#include "app/window/about_tab.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

#include "app/widgets/qt_ui.h"
#include "app/widgets/system_info.h"
#include "app/widgets/text_window.h"
#include "settings/settings_store.h"
#include "settings/window_placement.h"

#ifndef QUILLON_FEEDBACK_ADDRESS
#define QUILLON_FEEDBACK_ADDRESS ""
#endif
#ifndef QUILLON_DOWNLOAD_ADDRESS
#define QUILLON_DOWNLOAD_ADDRESS ""
#endif
#ifndef QUILLON_VERSION
#define QUILLON_VERSION ""
#endif

namespace quillon::app {

namespace {

const char* const kAboutText =
    "<h2>Clarion Quillon 32</h2>"
    "<p>Version %1</p>"
    "<p>Quillon makes Clarion LIB files from Windows executables. Open a DLL, an EXE or an "
    "existing LIB file, look at its modules and exported functions, mark, clean and edit them, "
    "and save the library as a LIB file that the Clarion linker accepts.</p>"
    "<p>It reads 32-bit PE and 16-bit NE executables, keeps every module and symbol of the "
    "library in one list, and writes the import records with the ordinals the executables "
    "export.</p>"
    "<p>Press <b>F1</b> or <i>Help</i> for a guide to every command and option.</p>";

ui::MessageBox notConfigured(const std::string& what)
{
    ui::MessageBox box;
    box.title = "CLARION QUILLON 32 - " + what;
    box.icon = ui::MessageIcon::Information;
    box.text = "    No address is configured for this command in this copy of the program.|";
    return box;
}

}  // namespace

AboutAddresses builtInAddresses()
{
    return {QUILLON_FEEDBACK_ADDRESS, QUILLON_DOWNLOAD_ADDRESS, "quillon32.zip"};
}

AboutTab::AboutTab(Workspace& ws, QtUi& ui, std::string settingsFolder, QWidget& window)
    : QWidget(&window),
      m_ws(ws),
      m_ui(ui),
      m_settingsFolder(std::move(settingsFolder)),
      m_window(window),
      m_addresses(builtInAddresses())
{
    setObjectName("aboutTab");
    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    auto* picture = new QLabel(this);
    picture->setObjectName("aboutPicture");
    picture->setPixmap(QPixmap(":/icons/about.png"));
    picture->setAlignment(Qt::AlignTop);
    top->addWidget(picture);
    auto* text = new QLabel(QString(kAboutText).arg(QUILLON_VERSION), this);
    text->setObjectName("aboutText");
    text->setWordWrap(true);
    text->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    top->addWidget(text, 1);
    layout->addLayout(top);

    auto* links = new QHBoxLayout;
    auto* feedback = new QLabel("<a href=\"feedback\">Send feed-back</a>", this);
    feedback->setToolTip("Click to send feed-back with default e-mail program");
    auto* download = new QLabel("<a href=\"download\">Download latest version</a>", this);
    download->setToolTip("Click to download ZIP-file with latest version");
    connect(feedback, &QLabel::linkActivated, this, [this] { sendFeedback(); });
    connect(download, &QLabel::linkActivated, this, [this] { this->download(); });
    links->addWidget(feedback);
    links->addSpacing(24);
    links->addWidget(download);
    links->addStretch(1);
    layout->addLayout(links);
    layout->addStretch(1);

    auto* buttons = new QHBoxLayout;
    auto add = [&](const QString& textOf, const char* name, auto slot) {
        auto* b = new QPushButton(textOf, this);
        b->setObjectName(name);
        connect(b, &QPushButton::clicked, this, slot);
        buttons->addWidget(b);
    };
    add("&Notes...", "notesButton", [this] { showNotes(); });
    add("&About...", "aboutButton", [this] { showAbout(); });
    add("&Read me...", "readmeButton", [this] { showReadme(); });
    add("&System info...", "systemInfoButton", [this] { showSystemInformation(); });
    add("&Help", "helpButton", [this] { showHelp(); });
    buttons->addStretch(1);
    add("Exit", "exitButton", [this] { m_window.close(); });
    layout->addLayout(buttons);
}

void AboutTab::showSystemInformation()
{
    (void)m_ui.message(systemInformationBox(currentSystemFacts(m_ws)));
}

void AboutTab::showTextFile(const std::string& name)
{
    std::string text;
    const std::string programFolder = toPath(QCoreApplication::applicationDirPath());
    if (!readTextFile(m_ws, name, {m_settingsFolder, programFolder}, text))
        return;
    auto* window = new TextWindow(QString::fromStdString(name), fromCp1252(text), &m_window);
    window->setAttribute(Qt::WA_DeleteOnClose);
    // The text window keeps its placement in section TxtWin.
    settings::SettingsStore& store = m_ws.settings();
    const settings::WindowPlacement placement =
        settings::readWindowPlacement(store, settings::kTxtWinSection);
    if (settings::placementUse(placement, true) == settings::PlacementUse::MoveAndSize)
        window->setGeometry(placement.XPosit, placement.YPosit, placement.Width, placement.Height);
    connect(window, &QDialog::finished, this, [this, window] {
        const QRect normal = window->isMaximized() ? window->normalGeometry() : window->geometry();
        settings::writeWindowPlacement(
            m_ws.settings(), settings::kTxtWinSection,
            {normal.x(), normal.y(), normal.width(), normal.height(), window->isMaximized()});
    });
    if (placement.Maximize)
        window->showMaximized();
    else
        window->show();
}

void AboutTab::showHelp()
{
    auto* help = new HelpWindow(&m_window);
    help->setAttribute(Qt::WA_DeleteOnClose);
    help->show();
}

void AboutTab::showAbout()
{
    ui::MessageBox box;
    box.title = "CLARION QUILLON 32 - About";
    box.icon = ui::MessageIcon::Program;
    box.text = std::string("    Clarion Quillon 32, version ") + QUILLON_VERSION +
               "|    Makes Clarion LIB files from 16-bit and 32-bit Windows executables.|"
               "|    Built with Qt " +
               qVersion() + ".";
    (void)m_ui.message(box);
}

void AboutTab::sendFeedback()
{
    ui::MessageBox ask;
    ask.title = "CLARION QUILLON 32 - Send feed-back";
    ask.icon = ui::MessageIcon::Question;
    ask.text = "|    Do you want to send feed-back to the author?|";
    ask.buttons = "&Yes|&No";
    if (m_ui.message(ask) != 1)
        return;
    if (m_addresses.feedback.empty()) {
        (void)m_ui.message(notConfigured("Send feed-back"));
        return;
    }
    QDesktopServices::openUrl(QUrl("mailto:" + QString::fromStdString(m_addresses.feedback)));
}

void AboutTab::download()
{
    ui::MessageBox ask;
    ask.title = "CLARION QUILLON 32 - Download ZIP-file";
    ask.icon = ui::MessageIcon::Question;
    ask.text = "Do you want to download ZIP-file from the Internet?|";
    ask.buttons = "&Yes|&No";
    if (m_ui.message(ask) != 1)
        return;
    if (m_addresses.download.empty()) {
        (void)m_ui.message(notConfigured("Download ZIP-file"));
        return;
    }
    if (!QDesktopServices::openUrl(QUrl(QString::fromStdString(m_addresses.download)))) {
        ui::MessageBox failed;
        failed.title = "CLARION QUILLON 32 - Download failed!";
        failed.icon = ui::MessageIcon::Exclamation;
        failed.text = "Could not download file:|" + m_addresses.download;
        (void)m_ui.message(failed);
        return;
    }
    ui::MessageBox done;
    done.title = "CLARION QUILLON 32 - Download ZIP-file";
    done.text =
        "|    To complete the program update, please unzip files manually|"
        "    to the program folder.|    ZIP-file: " +
        m_addresses.archive + "|    Program folder:" + m_settingsFolder;
    (void)m_ui.message(done);
}

}  // namespace quillon::app
