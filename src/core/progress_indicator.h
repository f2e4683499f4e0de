// ProgressIndicator: the status bar's progress display for long operations.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/ui/ui_interface.h"

namespace quillon {

/// Start (caption, total), step (value and a unit text such as " bytes"), end, and the working
/// texts an operation writes into the status panes while it runs. Draws nothing when disabled
/// (the status bar is off or the caller runs quietly). The caller decides, so that an operation
/// given an indicator takes no flag saying how it is shown.
class ProgressIndicator {
public:
    ProgressIndicator(ui::UiInterface& ui, bool enabled) : m_ui(ui), m_enabled(enabled) {}
    ~ProgressIndicator() { end(); }
    ProgressIndicator(const ProgressIndicator&) = delete;
    ProgressIndicator& operator=(const ProgressIndicator&) = delete;

    void start(std::string_view caption, std::uint64_t total);
    /// Shows `value` followed by `unit` ("1200 bytes").
    void step(std::uint64_t value, std::string_view unit);
    /// Shows `value` with a text of its own (the item being handled: "KERNEL32...").
    void stepText(std::uint64_t value, std::string_view text);
    void end();
    /// Writes a working text (the step under way, the item being handled, or an empty pane)
    /// into status pane 1, 2 or 3.
    void status(int pane, std::string_view text);

    [[nodiscard]] bool enabled() const { return m_enabled; }
    [[nodiscard]] bool running() const { return m_running; }
    /// The front end this indicator draws on, for an indicator of a nested step.
    [[nodiscard]] ui::UiInterface& ui() const { return m_ui; }
    [[nodiscard]] std::uint64_t total() const { return m_total; }

private:
    ui::UiInterface& m_ui;
    bool m_enabled;
    bool m_running = false;
    std::uint64_t m_total = 0;
};

}  // namespace quillon
