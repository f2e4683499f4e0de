// The format of the library data window's module table as kept in section Format: column
// widths, alignments and headers, and the colour specification the window requires.
#include "app/library/library_data_format.h"

#include <array>

#include "app/library/module_table_model.h"
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
    return settings::listFormatWidths(format, kDesignColumns.size());
}

}  // namespace quillon::app
