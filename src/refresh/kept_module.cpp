// The module check of a reload and the module it keeps.
#include "refresh/kept_module.h"

#include "base/ascii_text.h"
#include "core/library_model.h"
#include "platform/paths.h"

namespace quillon::refresh {

namespace {

std::string bareName(std::string_view name, std::string_view extension)
{
    std::string upper = upperCase(trimRight(name));
    if (!extension.empty() && upper.ends_with(extension))
        upper.erase(upper.size() - extension.size());
    return upper;
}

}  // namespace

bool isSameModule(std::string_view loaded, std::string_view wanted, std::string_view file)
{
    const std::string fileName = upperCase(platform::fileNameOf(file));
    const std::size_t dot = fileName.rfind('.');
    const std::string extension = dot == std::string::npos ? std::string() : fileName.substr(dot);
    return bareName(loaded, extension) == bareName(wanted, extension);
}

void appendKeptModule(Workspace& ws, LibraryList& module)
{
    LibraryList& rows = ws.library.rows;
    std::uint32_t sequence = rows.empty() ? 0 : rows.back().UNSORTED;
    for (LibraryRow& row : module) {
        row.UNSORTED = ++sequence;
        rows.push_back(std::move(row));
    }
    rebuildModuleTable(ws);
}

}  // namespace quillon::refresh
