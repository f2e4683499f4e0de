// Reading and writing window placement keys.
#include "settings/window_placement.h"

#include "settings/settings_store.h"

namespace quillon::settings {

namespace {

int position(SettingsStore& store, std::string_view section, std::string_view key)
{
    const int value = settingNumber(store.readSetting(section, key, ""));
    return value < 0 ? 10 : value;
}

}  // namespace

WindowPlacement readWindowPlacement(SettingsStore& store, std::string_view section)
{
    const SettingsStore::Batch batch(store);
    WindowPlacement p;
    p.XPosit = position(store, section, "XPosit");
    p.YPosit = position(store, section, "YPosit");
    p.Width = settingNumber(store.readSetting(section, "Width", ""));
    p.Height = settingNumber(store.readSetting(section, "Height", ""));
    p.Maximize = store.readSetting(section, "Maximize", "") == "Yes";
    return p;
}

PlacementUse placementUse(const WindowPlacement& placement, bool resizable)
{
    if (!resizable)
        return PlacementUse::MoveOnly;
    if (placement.Width == 0 || placement.Height == 0)
        return PlacementUse::KeepDesign;
    return PlacementUse::MoveAndSize;
}

void writeWindowPlacement(SettingsStore& store, std::string_view section,
                          const WindowPlacement& placement)
{
    const SettingsStore::Batch batch(store);
    writeMaximize(store, section, placement.Maximize);
    store.writeNumber(section, "XPosit", placement.XPosit);
    store.writeNumber(section, "YPosit", placement.YPosit);
    store.writeNumber(section, "Width", placement.Width);
    store.writeNumber(section, "Height", placement.Height);
}

void writeMaximize(SettingsStore& store, std::string_view section, bool maximized)
{
    store.writeSetting(section, "Maximize", maximized ? "Yes" : "No");
}

int readMainWidthPref(SettingsStore& store, int currentWidth)
{
    return store.readNumber("Options", "UseMainWidthPref", currentWidth);
}

void writeMainWidthPref(SettingsStore& store, int width)
{
    store.writeNumber("Options", "UseMainWidthPref", width);
}

}  // namespace quillon::settings
