// Reading and writing flags of the settings file.
#include "settings/flag_setting.h"

#include "settings/settings_store.h"

namespace quillon::settings {

bool readFlag(SettingsStore& store, std::string_view section, std::string_view key, bool fallback)
{
    return store.readNumber(section, key, fallback ? 1 : 0) != 0;
}

void writeFlag(SettingsStore& store, std::string_view section, std::string_view key, bool on)
{
    store.writeNumber(section, key, on ? 1 : 0);
}

}  // namespace quillon::settings
