// The readme, notes and help windows.
#include "app/widgets/text_window.h"

#include <QFile>
#include <QPlainTextEdit>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "app/widgets/fixed_pitch_font.h"
#include "app/widgets/qt_ui.h"
#include "base/text_encoding.h"

namespace quillon::app {

namespace {

ui::MessageBox openError(const Error& error, const std::string& path)
{
    ui::MessageBox box;
    box.title = "CLARION QUILLON 32 - File Open Error!";
    box.icon = ui::MessageIcon::Exclamation;
    box.text = "    An error was posted while trying to open file.|" +
               std::string(90, kNonBreakingSpace) + "|    Error message: " + error.text +
               "|    Error code: " + std::to_string(error.code) + "|    Filname: " + path +
               "|    Do you want to retry?";
    box.buttons = "Retry|&Cancel";
    return box;
}

}  // namespace

bool readTextFile(Workspace& ws, const std::string& name, const std::vector<std::string>& folders,
                  std::string& text)
{
    for (const std::string& folder : folders) {
        if (folder.empty())
            continue;
        std::string path = folder;
        if (path.back() != '/')
            path += '/';
        path += name;
        if (!ws.files().exists(path))
            continue;
        for (;;) {
            auto bytes = ws.files().readWholeFile(path);
            if (bytes.ok()) {
                text.clear();
                text.reserve(bytes->size());
                for (const std::byte b : *bytes)
                    text.push_back(static_cast<char>(b));
                return true;
            }
            if (ws.ui().message(openError(bytes.error(), path)) != 1)
                return false;
        }
    }
    // The program carries its own copy.
    QFile own(":/text/" + QString::fromStdString(name));
    if (!own.open(QIODevice::ReadOnly))
        return false;
    text = utf8ToCp1252(own.readAll().toStdString());
    return true;
}

TextWindow::TextWindow(const QString& fileName, const QString& text, QWidget* parent)
    : QDialog(parent)
{
    setObjectName("TxtWin");
    setWindowTitle("Clarion Quillon 32 - " + fileName);
    auto* layout = new QVBoxLayout(this);
    m_view = new QPlainTextEdit(this);
    m_view->setReadOnly(true);
    m_view->setFont(fixedPitchFont());
    m_view->setPlainText(text);
    layout->addWidget(m_view);
    resize(640, 480);
}

HelpWindow::HelpWindow(QWidget* parent) : QDialog(parent)
{
    setObjectName("HelpWindow");
    setWindowTitle("Clarion Quillon 32 - Help");
    auto* layout = new QVBoxLayout(this);
    m_browser = new QTextBrowser(this);
    m_browser->setOpenExternalLinks(true);
    m_browser->setSource(QUrl("qrc:/help/Quillon32.html"));
    layout->addWidget(m_browser);
    resize(720, 560);
}

}  // namespace quillon::app
