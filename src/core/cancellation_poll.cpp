// The rate-limited Escape poll.
#include "core/cancellation_poll.h"

namespace quillon {

bool CancellationPoll::poll()
{
    if (m_cancelled)
        return true;
    const std::int64_t now = m_clock.hundredths();
    if (now < m_nextPoll)
        return false;
    m_nextPoll = now + kIntervalHundredths;
    switch (m_ui.takePendingKeys()) {
    case ui::PendingKey::Escape: m_cancelled = true; break;
    case ui::PendingKey::F1: m_nextPoll = now + 2 * kIntervalHundredths; break;
    case ui::PendingKey::None:
    case ui::PendingKey::Other: break;
    }
    return m_cancelled;
}

}  // namespace quillon
