// The status bar's progress display.
#include "core/progress_indicator.h"

namespace quillon {

void ProgressIndicator::start(std::string_view caption, std::uint64_t total)
{
    m_total = total;
    m_running = true;
    if (m_enabled)
        m_ui.progressStart(caption, total);
}

void ProgressIndicator::step(std::uint64_t value, std::string_view unit)
{
    if (!m_enabled || !m_running)
        return;
    std::string text = std::to_string(value);
    text += unit;
    m_ui.progress(value, m_total, text);
}

void ProgressIndicator::stepText(std::uint64_t value, std::string_view text)
{
    if (m_enabled && m_running)
        m_ui.progress(value, m_total, text);
}

void ProgressIndicator::end()
{
    if (!m_running)
        return;
    m_running = false;
    if (m_enabled)
        m_ui.progressEnd();
}

void ProgressIndicator::status(int pane, std::string_view text)
{
    if (m_enabled)
        m_ui.status(pane, text);
}

}  // namespace quillon
