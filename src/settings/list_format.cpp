// List box format keys.
#include "settings/list_format.h"

#include "settings/settings_store.h"

namespace quillon::settings {

namespace {
constexpr std::string_view kFormatSection = "Format";
}

std::string listFormatPrefix(std::string_view caption)
{
    while (!caption.empty() && caption.front() == ' ')
        caption.remove_prefix(1);
    return std::string(caption.substr(0, 3));
}

std::string listFormatKey(std::string_view caption, int number)
{
    return listFormatPrefix(caption) + ":List" + std::to_string(number) + ":Format";
}

std::string listFormatDefaultKey(std::string_view caption, int number)
{
    return listFormatKey(caption, number) + ":Default";
}

void writeDefaultListFormat(SettingsStore& store, std::string_view caption, int number,
                            std::string_view designFormat)
{
    store.writeSetting(kFormatSection, listFormatDefaultKey(caption, number), designFormat);
}

std::string restoreListFormat(SettingsStore& store, std::string_view caption, int number,
                              std::string_view designFormat, int useRestoreFormat)
{
    if (useRestoreFormat != 1)
        return std::string(designFormat);
    return store.readSetting(kFormatSection, listFormatKey(caption, number), designFormat);
}

std::string defaultListFormat(SettingsStore& store, std::string_view caption, int number,
                              std::string_view designFormat)
{
    return store.readSetting(kFormatSection, listFormatDefaultKey(caption, number), designFormat);
}

void writeListFormat(SettingsStore& store, std::string_view caption, int number,
                     std::string_view format)
{
    store.writeSetting(kFormatSection, listFormatKey(caption, number), format);
}

bool isUsableLibraryDataFormat(std::string_view format)
{
    return format.find(kLibraryDataFormatColours) != std::string_view::npos;
}

}  // namespace quillon::settings
