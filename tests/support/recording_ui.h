// RecordingUi: the tests' front end. Records every message and status text, scripts answers.
#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "core/ui/ui_interface.h"

namespace quillon::testing {

/// Keeps every call the core makes; message answers and pending keys come from scripts.
class RecordingUi final : public ui::UiInterface {
public:
    int message(const ui::MessageBox& box) override;
    void status(int pane, std::string_view text) override;
    [[nodiscard]] std::string statusText(int pane) const override;
    void progressStart(std::string_view caption, std::uint64_t total) override;
    void progress(std::uint64_t done, std::uint64_t total, std::string_view text) override;
    void progressEnd() override;
    [[nodiscard]] ui::PendingKey takePendingKeys() override;
    void setWaitCursor(bool on) override
    {
        waitCursor = on;
        calls.push_back(on ? "wait on" : "wait off");
    }
    void setCaption(std::string_view text) override { caption = std::string(text); }
    [[nodiscard]] std::vector<std::string> openFilesDialog(
        const ui::FileDialogRequest& request) override;
    [[nodiscard]] std::optional<std::string> openFileDialog(
        const ui::FileDialogRequest& request) override;
    [[nodiscard]] std::optional<std::string> saveFileDialog(
        const ui::FileDialogRequest& request) override;
    [[nodiscard]] std::optional<std::string> chooseFolderDialog(
        const ui::FileDialogRequest& request) override;

    /// Answers for the next message boxes, in order; without one the default button is chosen.
    std::deque<int> answers;
    /// Keys the next polls find, in order; without one nothing is pending.
    std::deque<ui::PendingKey> keys;
    /// Results of the next file dialogs, in order; without one the dialog is cancelled.
    std::deque<std::vector<std::string>> dialogResults;

    std::vector<ui::MessageBox> messages;
    std::vector<ui::FileDialogRequest> dialogs;
    /// Every text written to each pane, in order (index 0 is pane 1).
    std::array<std::vector<std::string>, 3> statusHistory;
    std::vector<std::string> progressTexts;
    std::vector<std::string> progressCaptions;
    int progressStarts = 0;
    int progressEnds = 0;
    int keyPolls = 0;
    bool waitCursor = false;
    /// Every message, status text, progress call and wait cursor change in the order made:
    /// "status 2: Done", "progress start: Cleanup...", "progress: 3 symbols", "progress end",
    /// "message: Symbols Cleanup", "wait on".
    std::vector<std::string> calls;
    std::string caption;

private:
    std::array<std::string, 3> m_panes;
};

}  // namespace quillon::testing
