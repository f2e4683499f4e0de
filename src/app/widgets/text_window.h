// TextWindow: "Readme.txt" and "Notes.txt" in a read-only text window; HelpWindow: the help.
#pragma once

#include <QDialog>

#include <string>

#include "core/workspace.h"

class QPlainTextEdit;
class QTextBrowser;

namespace quillon::app {

/// Reads `name` from the first of `folders` that holds it (then from the program's own copy),
/// asking "Do you want to retry?" when a file is there but cannot be read. Returns false when
/// the user gave up; `text` gets the file's text.
[[nodiscard]] bool readTextFile(Workspace& ws, const std::string& name,
                                const std::vector<std::string>& folders, std::string& text);

/// A read-only text window captioned "Clarion Quillon 32 - " and the file name.
class TextWindow final : public QDialog {
    Q_OBJECT
public:
    TextWindow(const QString& fileName, const QString& text, QWidget* parent = nullptr);
    [[nodiscard]] QPlainTextEdit* view() const { return m_view; }

private:
    QPlainTextEdit* m_view = nullptr;
};

/// The help document of the program's resources in a browser window.
class HelpWindow final : public QDialog {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);
    [[nodiscard]] QTextBrowser* browser() const { return m_browser; }

private:
    QTextBrowser* m_browser = nullptr;
};

}  // namespace quillon::app
