// Tool window placement.
#include "app/widgets/window_geometry.h"

#include <QWidget>

#include "settings/window_placement.h"

namespace quillon::app {

bool applyStoredPlacement(QWidget& window, settings::SettingsStore& store, std::string_view section)
{
    const settings::WindowPlacement placement = settings::readWindowPlacement(store, section);
    if (settings::placementUse(placement, true) == settings::PlacementUse::MoveAndSize)
        window.setGeometry(placement.XPosit, placement.YPosit, placement.Width, placement.Height);
    return placement.Maximize;
}

void storePlacement(const QWidget& window, settings::SettingsStore& store, std::string_view section)
{
    const bool maximized = window.isMaximized();
    const QRect normal = maximized && window.normalGeometry().isValid() ? window.normalGeometry()
                                                                        : window.geometry();
    settings::writeWindowPlacement(
        store, section, {normal.x(), normal.y(), normal.width(), normal.height(), maximized});
}

}  // namespace quillon::app
