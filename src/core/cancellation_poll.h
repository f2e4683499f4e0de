// CancellationPoll: the one place long operations look for the Escape key.
#pragma once

#include <cstdint>

#include "base/clock.h"
#include "core/ui/ui_interface.h"

namespace quillon {

/// Looks at the window's pending key presses at most once every 5 hundredths of a second.
/// Escape sets the cancel flag; a pending F1 postpones the next look by another 5 hundredths.
class CancellationPoll {
public:
    static constexpr std::int64_t kIntervalHundredths = 5;

    CancellationPoll(ui::UiInterface& ui, const Clock& clock) : m_ui(ui), m_clock(clock) {}

    /// Polls when the interval has passed; returns the cancel flag.
    bool poll();
    [[nodiscard]] bool cancelled() const { return m_cancelled; }
    void clear() { m_cancelled = false; }
    void cancel() { m_cancelled = true; }

private:
    ui::UiInterface& m_ui;
    const Clock& m_clock;
    std::int64_t m_nextPoll = 0;
    bool m_cancelled = false;
};

}  // namespace quillon
