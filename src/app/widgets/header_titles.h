// Column titles shown whole: no column of a list is narrower than its title.
#pragma once

class QHeaderView;

namespace quillon::app {

/// The width section `section` of `header` needs to show its whole title beside a sort arrow,
/// in the header's present font and style.
[[nodiscard]] int titleWidth(const QHeaderView* header, int section);

/// Widens each visible section of `header` that is narrower than its title.
void widenToTitles(QHeaderView* header);

/// Widens the sections of `header` to their titles now and again whenever the header's font
/// or style changes (a new list font reaches the header from its view).
void keepTitlesWhole(QHeaderView* header);

}  // namespace quillon::app
