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

std::vector<int> listFormatWidths(std::string_view format, std::size_t columnCount)
{
    constexpr int kMaxColumnWidth = 10000;
    std::vector<int> widths;
    std::size_t start = 0;
    while (start <= format.size()) {
        std::size_t end = format.find('|', start);
        if (end == std::string_view::npos)
            end = format.size();
        const std::string_view column = format.substr(start, end - start);
        int width = 0;
        std::size_t digits = 0;
        while (digits < column.size() && column[digits] >= '0' && column[digits] <= '9' &&
               width <= kMaxColumnWidth) {
            width = width * 10 + (column[digits] - '0');
            ++digits;
        }
        if (digits == 0 || width <= 0 || width > kMaxColumnWidth)
            return {};
        widths.push_back(width);
        start = end + 1;
    }
    if (widths.size() != columnCount)
        return {};
    return widths;
}

}  // namespace quillon::settings
