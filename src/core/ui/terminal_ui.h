// TerminalUi: the front end of headless runs (stderr, prompts, Ctrl+C as Escape).
#pragma once

#include <array>
#include <csignal>
#include <cstdint>
#include <string>

#include "core/ui/ui_interface.h"

namespace quillon::ui {

/// Prints messages to stderr (none when quiet, but for questions it asks); questions take the
/// default button, and say so, unless prompts are enabled; progress goes to stderr only when it
/// is a terminal; an interrupt (Ctrl+C) is the Escape key of every later cancellation poll.
class TerminalUi final : public ui::UiInterface {
public:
    /// `interrupted` is the flag the interrupt handler sets.
    TerminalUi(volatile std::sig_atomic_t& interrupted, bool interactive, bool quiet);

    int message(const ui::MessageBox& box) override;
    void status(int pane, std::string_view text) override;
    [[nodiscard]] std::string statusText(int pane) const override;
    void progressStart(std::string_view caption, std::uint64_t total) override;
    void progress(std::uint64_t done, std::uint64_t total, std::string_view text) override;
    void progressEnd() override;
    [[nodiscard]] ui::PendingKey takePendingKeys() override;

    /// Shows which file of a load is being read, on a terminal only.
    void fileProgress(std::size_t position, std::size_t count, const std::string& path);

    /// How many message boxes were shown.
    [[nodiscard]] int messageCount() const { return m_messages; }

private:
    volatile std::sig_atomic_t& m_interrupted;
    bool m_interactive;
    bool m_quiet;
    bool m_progressOnTerminal;
    std::string m_caption;
    bool m_progressShown = false;
    int m_messages = 0;
    std::array<std::string, 3> m_panes;
};

}  // namespace quillon::ui
