// The command-line program's front end.
#include "core/ui/terminal_ui.h"

#include <cstdio>
#include <iostream>
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
    if (!m_quiet || m_interactive)
        std::fputs(ui::messageAsText(box).c_str(), stderr);
    const std::vector<std::string> labels = ui::buttonLabels(box.buttons);
    if (!m_interactive || labels.size() < 2)
        return box.defaultButton;
    for (;;) {
        std::fputs("Answer:", stderr);
        for (std::size_t i = 0; i < labels.size(); ++i)
            std::fprintf(stderr, " %zu=%s%s", i + 1, labels[i].c_str(),
                         static_cast<int>(i + 1) == box.defaultButton ? " (default)" : "");
        std::fputs(": ", stderr);
        std::string line;
        if (!std::getline(std::cin, line))
            return box.defaultButton;
        if (line.empty())
            return box.defaultButton;
        try {
            const int chosen = std::stoi(line);
            if (chosen >= 1 && chosen <= static_cast<int>(labels.size()))
                return chosen;
        } catch (const std::exception&) {
        }
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
    if (m_interrupted != 0) {
        m_interrupted = 0;
        return ui::PendingKey::Escape;
    }
    return ui::PendingKey::None;
}

}  // namespace quillon::ui
