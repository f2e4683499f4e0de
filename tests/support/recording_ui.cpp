// The recording front end of the tests.
#include "support/recording_ui.h"

namespace quillon::testing {

int RecordingUi::message(const ui::MessageBox& box)
{
    messages.push_back(box);
    calls.push_back("message: " + box.title);
    if (answers.empty())
        return box.defaultButton;
    const int answer = answers.front();
    answers.pop_front();
    return answer;
}

void RecordingUi::status(int pane, std::string_view text)
{
    if (pane < 1 || pane > 3)
        return;
    m_panes[pane - 1] = std::string(text);
    statusHistory[pane - 1].emplace_back(text);
    calls.push_back("status " + std::to_string(pane) + ": " + std::string(text));
}

std::string RecordingUi::statusText(int pane) const
{
    if (pane < 1 || pane > 3)
        return {};
    return m_panes[pane - 1];
}

void RecordingUi::progressStart(std::string_view caption, std::uint64_t)
{
    ++progressStarts;
    progressCaptions.emplace_back(caption);
    calls.push_back("progress start: " + std::string(caption));
}

void RecordingUi::progress(std::uint64_t, std::uint64_t, std::string_view text)
{
    progressTexts.emplace_back(text);
    calls.push_back("progress: " + std::string(text));
}

void RecordingUi::progressEnd()
{
    ++progressEnds;
    calls.push_back("progress end");
}

ui::PendingKey RecordingUi::takePendingKeys()
{
    ++keyPolls;
    if (keys.empty())
        return ui::PendingKey::None;
    const ui::PendingKey key = keys.front();
    keys.pop_front();
    return key;
}

std::vector<std::string> RecordingUi::openFilesDialog(const ui::FileDialogRequest& request)
{
    dialogs.push_back(request);
    if (dialogResults.empty())
        return {};
    std::vector<std::string> result = dialogResults.front();
    dialogResults.pop_front();
    return result;
}

namespace {
std::optional<std::string> firstOf(std::vector<std::string> files)
{
    if (files.empty())
        return std::nullopt;
    return files.front();
}
}  // namespace

std::optional<std::string> RecordingUi::openFileDialog(const ui::FileDialogRequest& request)
{
    return firstOf(openFilesDialog(request));
}

std::optional<std::string> RecordingUi::saveFileDialog(const ui::FileDialogRequest& request)
{
    return firstOf(openFilesDialog(request));
}

std::optional<std::string> RecordingUi::chooseFolderDialog(const ui::FileDialogRequest& request)
{
    return firstOf(openFilesDialog(request));
}

}  // namespace quillon::testing
