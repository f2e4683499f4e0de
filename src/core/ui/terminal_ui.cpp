// The command-line program's front end.
#include "core/ui/terminal_ui.h"

#include <algorithm>
#include <cstdio>
#include <iostream>
#include <optional>
#include <vector>

#include "base/text_encoding.h"
#include "core/ui/terminal_text.h"

#ifdef _WIN32
#include <io.h>
#define QUILLON_ISATTY _isatty
#define QUILLON_FILENO _fileno
#else
#include <unistd.h>
#define QUILLON_ISATTY isatty
#define QUILLON_FILENO fileno
#endif

namespace quillon::ui {

TerminalUi::TerminalUi(volatile std::sig_atomic_t& interrupted, bool interactive, bool quiet)
    : m_interrupted(interrupted),
      m_interactive(interactive),
      m_quiet(quiet),
      m_progressOnTerminal(!quiet && QUILLON_ISATTY(QUILLON_FILENO(stderr)) != 0)
{
}

int TerminalUi::message(const ui::MessageBox& box)
{
    ++m_messages;
    progressEnd();
    // A box whose buttons are OK and Help only tells; it asks nothing.
    const std::vector<std::string> labels = ui::buttonLabels(box.buttons);
    const bool question = std::count_if(labels.begin(), labels.end(),
                                        [](const std::string& l) { return l != "Help"; }) >= 2;
    // A question asked on the terminal is shown even when quiet: it cannot be answered unseen.
    if (!m_quiet || (m_interactive && question))
        std::fputs(ui::messageAsText(box).c_str(), stderr);
    if (!question)
        return box.defaultButton;
    const std::string choices = ui::answerChoices(box.buttons, box.defaultButton);
    if (!m_interactive) {
        const std::size_t taken = static_cast<std::size_t>(
            std::clamp(box.defaultButton, 1, static_cast<int>(labels.size())) - 1);
        if (!m_quiet)
            std::fprintf(stderr, "Answer taken: %s (--interactive asks: %s)\n",
                         labels[taken].c_str(), choices.c_str());
        return box.defaultButton;
    }
    for (;;) {
        std::fprintf(stderr, "Answer %s: ", choices.c_str());
        std::string line;
        if (!std::getline(std::cin, line) || line.find_first_not_of(" \t\r") == std::string::npos)
            return box.defaultButton;
        if (const std::optional<int> chosen = ui::answeredButton(box.buttons, line))
            return *chosen;
    }
}

void TerminalUi::status(int pane, std::string_view text)
{
    if (pane >= 1 && pane <= 3)
        m_panes[static_cast<std::size_t>(pane - 1)] = std::string(text);
}

std::string TerminalUi::statusText(int pane) const
{
    if (pane < 1 || pane > 3)
        return {};
    return m_panes[static_cast<std::size_t>(pane - 1)];
}

void TerminalUi::progressStart(std::string_view caption, std::uint64_t)
{
    m_caption = textWithPathsToUtf8(caption);
}

void TerminalUi::progress(std::uint64_t, std::uint64_t, std::string_view text)
{
    if (!m_progressOnTerminal)
        return;
    std::fprintf(stderr, "\r%s %s\x1b[K", m_caption.c_str(), textWithPathsToUtf8(text).c_str());
    m_progressShown = true;
}

void TerminalUi::fileProgress(std::size_t position, std::size_t count, const std::string& path)
{
    if (!m_progressOnTerminal)
        return;
    std::fprintf(stderr, "\rReading %zu of %zu: %s\x1b[K", position, count,
                 textWithPathsToUtf8(path).c_str());
    m_progressShown = true;
}

void TerminalUi::progressEnd()
{
    if (m_progressShown) {
        std::fputs("\r\x1b[K", stderr);
        m_progressShown = false;
    }
}

ui::PendingKey TerminalUi::takePendingKeys()
{
    // The flag stays set: after Ctrl+C every step of the run stops, not only the one polling now.
    return m_interrupted != 0 ? ui::PendingKey::Escape : ui::PendingKey::None;
}

}  // namespace quillon::ui
