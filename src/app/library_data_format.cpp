// The format of the library data window's module table as kept in section Format: column
// widths, alignments and headers, and the colour specification the window requires.
#include "app/library_data_format.h"

#include <array>

#include "app/module_table_model.h"
#include "settings/list_format.h"

namespace quillon::app {

namespace {

struct ColumnFormat {
    int width;
    char alignment;
    const char* header;
};

constexpr std::array<ColumnFormat, ModuleTableModel::kFormatColumns> kDesignColumns = {{
    {140, 'L', "Module name"},
    {60, 'R', "Number"},
    {50, 'R', "Level"},
    {130, 'R', "Exported by name"},
    {260, 'L', "Library file name (source)"},
    {260, 'L', "Located DLL files"},
}};

constexpr int kMaxColumnWidth = 10000;

}  // namespace

std::string libraryDataFormat(const std::vector<int>& widths)
{
    std::string format;
    for (std::size_t c = 0; c < kDesignColumns.size(); ++c) {
        if (c > 0)
            format += '|';
        const int width = c < widths.size() ? widths[c] : kDesignColumns[c].width;
        format += std::to_string(width);
        format += kDesignColumns[c].alignment;
        format += '~';
        format += kDesignColumns[c].header;
        format += '~';
        if (c == 0)
            format += settings::kLibraryDataFormatColours;
    }
    return format;
}

std::string libraryDataDesignFormat()
{
    return libraryDataFormat({});
}

std::vector<int> libraryDataFormatWidths(std::string_view format)
{
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
    if (widths.size() != kDesignColumns.size())
        return {};
    return widths;
}

}  // namespace quillon::app
