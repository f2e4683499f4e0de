// ProgressIndicator: the status bar's progress display for long operations.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/ui/ui_interface.h"

namespace quillon {

/// Start (caption, total), step (value and a unit text such as " bytes"), end. Draws nothing
/// when disabled (the status bar is off or the caller runs quietly).
class ProgressIndicator {
public:
    ProgressIndicator(ui::UiInterface& ui, bool enabled) : m_ui(ui), m_enabled(enabled) {}
    ~ProgressIndicator() { end(); }
    ProgressIndicator(const ProgressIndicator&) = delete;
    ProgressIndicator& operator=(const ProgressIndicator&) = delete;

    void start(std::string_view caption, std::uint64_t total);
    /// Shows `value` followed by `unit` ("1200 bytes").
    void step(std::uint64_t value, std::string_view unit);
    void end();

    [[nodiscard]] bool running() const { return m_running; }
    [[nodiscard]] std::uint64_t total() const { return m_total; }

private:
    ui::UiInterface& m_ui;
    bool m_enabled;
    bool m_running = false;
    std::uint64_t m_total = 0;
};

}  // namespace quillon
