// Module lookup and module-definition text.
#include "reports/module_definition.h"

#include <array>

#include "base/ascii_text.h"
#include "maintenance/maintenance_common.h"

namespace quillon::reports {

namespace {

/// Words a module-definition reader takes for statements or keywords of an entry.
constexpr auto kDefinitionKeywords = std::to_array<std::string_view>({
    "APPLOADER", "CODE", "CONSTANT", "DATA", "DESCRIPTION", "EXETYPE", "EXPORTS", "HEAPSIZE",
    "IMPORTS", "LIBRARY", "NAME", "NODATA", "NONAME", "OBJECTS", "OLD", "PRIVATE", "PROTMODE",
    "REALMODE", "RESIDENTNAME", "SECTIONS", "SEGMENTS", "STACKSIZE", "STUB", "VERSION",
});

bool needsQuotes(std::string_view name)
{
    if (name.empty() || name.front() == '@')
        return true;
    for (const char c : name) {
        if (c == ' ' || c == '\t' || c == ';' || c == '=' || c == '"' || c == '\'' || c == '\0' ||
            c == '\f' || c == '\v')
            return true;
    }
    const std::string upper = upperCase(name);
    for (const std::string_view keyword : kDefinitionKeywords) {
        if (upper == keyword)
            return true;
    }
    return false;
}

}  // namespace

std::string definitionName(std::string_view name)
{
    if (!needsQuotes(name))
        return std::string(name);
    const char quote = name.find('"') == std::string_view::npos ? '"' : '\'';
    return quote + std::string(name) + quote;
}

std::vector<std::size_t> moduleRows(const Workspace& ws)
{
    std::vector<std::size_t> rows;
    for (std::size_t i = 0; i < ws.library.rows.size(); ++i) {
        if (ws.library.rows[i].isModule())
            rows.push_back(i);
    }
    return rows;
}

std::optional<std::size_t> findModuleRow(const Workspace& ws, std::string_view name)
{
    for (std::size_t i = 0; i < ws.library.rows.size(); ++i) {
        const LibraryRow& row = ws.library.rows[i];
        if (row.isModule() && maintenance::equalNames(row.MODULENAME.view(), name))
            return i;
    }
    return std::nullopt;
}

std::string moduleDefinitionText(const Workspace& ws, std::size_t moduleRow)
{
    const LibraryList& rows = ws.library.rows;
    std::string out = "LIBRARY " + definitionName(rows[moduleRow].SYMBOL) + "\nEXPORTS\n";
    for (std::size_t i = moduleRow + 1; i < rows.size() && !rows[i].isModule(); ++i) {
        out += "  " + definitionName(rows[i].SYMBOL) + " @" + std::to_string(rows[i].ORDINAL);
        out += rows[i].RESIDENTSTAB != 0 ? " RESIDENTNAME\n" : "\n";
    }
    return out;
}

}  // namespace quillon::reports
