// AboutTab: the " About " tab: picture, texts, information commands, feedback and download.
#pragma once

#include <QWidget>

#include <string>

#include "core/workspace.h"

class QPushButton;

namespace quillon::app {

class QtUi;

/// The addresses of the feedback and download commands; empty when none is configured.
struct AboutAddresses {
    std::string feedback;
    std::string download;
    std::string archive;
};

/// The addresses this program was built with.
[[nodiscard]] AboutAddresses builtInAddresses();

class AboutTab final : public QWidget {
    Q_OBJECT
public:
    /// "Readme.txt", "Notes.txt" and the help are looked for in `settingsFolder` first; the
    /// text windows open over `window`, which "Exit" closes.
    AboutTab(Workspace& ws, QtUi& ui, std::string settingsFolder, QWidget& window);

    void showSystemInformation();
    void showReadme() { showTextFile("Readme.txt"); }
    void showNotes() { showTextFile("Notes.txt"); }
    void showHelp();
    void showAbout();
    void sendFeedback();
    void download();

    void setAddresses(AboutAddresses addresses) { m_addresses = std::move(addresses); }

private:
    void showTextFile(const std::string& name);

    Workspace& m_ws;
    QtUi& m_ui;
    std::string m_settingsFolder;
    QWidget& m_window;
    AboutAddresses m_addresses;
};

}  // namespace quillon::app
