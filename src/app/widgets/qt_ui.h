// QtUi: the desktop program's front end of the core: message boxes, status bar, key poll.
#pragma once

#include <QIcon>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <array>
#include <deque>
#include <functional>
#include <memory>
#include <string>

#include "core/ui/ui_interface.h"

class QLabel;
class QProgressBar;
class QStatusBar;
class QWidget;

namespace quillon::app {

/// The texts of a message box as the desktop shows them.
struct RenderedMessage {
    QString title;
    QString text;           // lines joined by "\n", A0h kept as U+00A0
    QStringList buttons;    // with their "&" access keys
    int defaultButton = 0;  // 0-based
    int escapeButton = -1;  // 0-based, -1 when Esc has no button
};

/// Converts a core message box for display: Windows-1252 to Unicode, "|" to line breaks.
[[nodiscard]] RenderedMessage renderMessage(const ui::MessageBox& box);
/// A UTF-8 text as a QString.
[[nodiscard]] QString fromUtf8(std::string_view text);
/// A Windows-1252 text of the core as a QString; the file names it carries are UTF-8.
[[nodiscard]] QString fromCp1252(std::string_view text);
/// A QString as Windows-1252 bytes for the core.
[[nodiscard]] std::string toCp1252(const QString& text);
/// A file path of the core (UTF-8) as a QString, and back; a path from Qt (a file dialog, a
/// field the user typed into) comes back in the platform's own form ("C:\LIBS\MY.LIB", not
/// "C:/LIBS/MY.LIB").
[[nodiscard]] QString fromPath(std::string_view path);
[[nodiscard]] std::string toPath(const QString& path);
/// "*.lib;*.dll" as Qt file dialog patterns: separated by blanks and, where file names keep
/// their letter case, in both cases ("*.lib *.dll *.LIB *.DLL").
[[nodiscard]] QString dialogPatterns(const QString& patterns);
/// "Library files (*.lib)|*.lib|All files (*.*)|*.*" as a Qt file dialog filter.
[[nodiscard]] QString dialogFilter(std::string_view filters);

/// Implements the core's front end with Qt Widgets. Tests answer message boxes and file
/// dialogs through the seams instead of a person.
class QtUi final : public QObject, public ui::UiInterface {
    Q_OBJECT
public:
    explicit QtUi(QObject* parent = nullptr);
    ~QtUi() override;

    /// The window that owns message boxes and dialogs, and the status bar that gets the panes.
    void attach(QWidget* window, QStatusBar* statusBar);

    int message(const ui::MessageBox& box) override;
    /// The same message box with the program's own icon in place of the standard one.
    int messageWithIcon(const ui::MessageBox& box, const QIcon& icon);

    void status(int pane, std::string_view text) override;
    [[nodiscard]] std::string statusText(int pane) const override;
    void progressStart(std::string_view caption, std::uint64_t total) override;
    void progress(std::uint64_t done, std::uint64_t total, std::string_view text) override;
    void progressEnd() override;
    [[nodiscard]] ui::PendingKey takePendingKeys() override;
    void processEvents() override;
    void setWaitCursor(bool on) override;
    void setCaption(std::string_view caption) override;

    [[nodiscard]] std::vector<std::string> openFilesDialog(
        const ui::FileDialogRequest& request) override;
    [[nodiscard]] std::optional<std::string> openFileDialog(
        const ui::FileDialogRequest& request) override;
    [[nodiscard]] std::optional<std::string> saveFileDialog(
        const ui::FileDialogRequest& request) override;
    [[nodiscard]] std::optional<std::string> chooseFolderDialog(
        const ui::FileDialogRequest& request) override;

    /// While busy, key presses and mouse clicks meant for the window are held back: the key
    /// poll takes the keys, clicks are dropped, and message boxes still work.
    void setBusy(bool busy);
    [[nodiscard]] bool busy() const { return m_busyDepth > 0; }

    /// Test seam: when set, message boxes are not shown; the seam gets each box and returns the
    /// 1-based button.
    using MessageSeam = std::function<int(const ui::MessageBox&)>;
    void setMessageSeam(MessageSeam seam) { m_messageSeam = std::move(seam); }
    /// Test seam for file dialogs: the request and the kind ("open", "openMany", "save",
    /// "folder"); an empty result cancels.
    using DialogSeam =
        std::function<std::vector<std::string>(const ui::FileDialogRequest&, const char* kind)>;
    void setDialogSeam(DialogSeam seam) { m_dialogSeam = std::move(seam); }

    /// The pane labels (for the window's layout and tests).
    [[nodiscard]] QLabel* pane(int pane) const;
    [[nodiscard]] QProgressBar* progressBar() const { return m_progress; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int runBox(const ui::MessageBox& box, const QIcon* icon);
    [[nodiscard]] std::vector<std::string> runDialog(const ui::FileDialogRequest& request,
                                                     const char* kind);

    QPointer<QWidget> m_window;
    std::array<QLabel*, 3> m_panes{};
    std::array<std::string, 3> m_texts;
    QProgressBar* m_progress = nullptr;
    QString m_progressCaption;
    std::deque<ui::PendingKey> m_keys;
    int m_busyDepth = 0;
    bool m_capturing = false;
    bool m_waitCursor = false;
    MessageSeam m_messageSeam;
    DialogSeam m_dialogSeam;
};

}  // namespace quillon::app
