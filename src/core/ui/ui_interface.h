// The front-end interface: everything the core shows to a person goes through it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillon::ui {

/// The icon of a message box: the standard ones, the program's own icon, and the system's logo.
enum class MessageIcon { None, Information, Question, Exclamation, Hand, Program, SystemLogo };

/// One message box. Texts are Windows-1252 bytes: "|" breaks a line and byte A0h is a
/// non-breaking space; front ends convert them for display and keep the padding lines.
struct MessageBox {
    std::string title;
    std::string text;
    MessageIcon icon = MessageIcon::Information;
    /// Buttons separated by "|", each with "&" before its access key, e.g. "&Yes|&No".
    std::string buttons = "&OK";
    /// 1-based position of the default button in `buttons`.
    int defaultButton = 1;

    friend bool operator==(const MessageBox&, const MessageBox&) = default;
};

/// What the key poll found waiting in the window's input.
enum class PendingKey { None, Escape, F1, Other };

/// A file dialog's request: title, starting folder or file, and filters such as
/// "Library files (*.lib)|*.lib|All files (*.*)|*.*".
struct FileDialogRequest {
    std::string title;
    std::string start;
    std::string filters;
};

/// Implemented by the desktop program (message boxes, status bar), the command-line program
/// (stderr, exit codes) and the tests (a recording front end with scripted answers).
class UiInterface {
public:
    virtual ~UiInterface() = default;

    /// Shows a message box and returns the 1-based position of the button chosen.
    virtual int message(const MessageBox& box) = 0;

    /// Writes `text` into status pane 1, 2 or 3.
    virtual void status(int pane, std::string_view text) = 0;
    /// The text status pane 1, 2 or 3 shows now.
    [[nodiscard]] virtual std::string statusText(int pane) const = 0;

    /// The progress indicator in the status bar.
    virtual void progressStart(std::string_view caption, std::uint64_t total) = 0;
    virtual void progress(std::uint64_t done, std::uint64_t total, std::string_view text) = 0;
    virtual void progressEnd() = 0;

    /// Takes the key presses waiting in the window's input and tells the first of them; an F1
    /// stays in the input. Never blocks.
    [[nodiscard]] virtual PendingKey takePendingKeys() = 0;

    /// Lets pending window events run so that the window stays responsive.
    virtual void processEvents() {}
    virtual void setWaitCursor(bool on) { (void)on; }
    virtual void setCaption(std::string_view caption) { (void)caption; }

    /// File dialogs; an empty or absent result means the user cancelled.
    [[nodiscard]] virtual std::vector<std::string> openFilesDialog(const FileDialogRequest& request)
    {
        (void)request;
        return {};
    }
    [[nodiscard]] virtual std::optional<std::string> openFileDialog(const FileDialogRequest& request)
    {
        (void)request;
        return std::nullopt;
    }
    [[nodiscard]] virtual std::optional<std::string> saveFileDialog(const FileDialogRequest& request)
    {
        (void)request;
        return std::nullopt;
    }
    [[nodiscard]] virtual std::optional<std::string> chooseFolderDialog(const FileDialogRequest& request)
    {
        (void)request;
        return std::nullopt;
    }
};

}  // namespace quillon::ui
