// The module check of a reload and the module it keeps.
#include "refresh/kept_module.h"

#include "base/ascii_text.h"
#include "core/library_model.h"
#include "platform/paths.h"
#include "refresh/refresh_texts.h"

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

std::string_view keptText(KeepReason reason)
{
    switch (reason) {
        case KeepReason::ReadError:
            return kKeptReadErrorText;
        case KeepReason::NoNames:
            return kKeptNoNamesText;
        case KeepReason::OtherModule:
            return kKeptOtherModuleText;
        case KeepReason::None:
            break;
    }
    return {};
}

KeepReason judgeReload(const Workspace& ws, std::size_t first, const OpenResult& opened,
                       std::string_view wanted, std::string_view file)
{
    const LibraryList& rows = ws.library.rows;
    // A partial read would replace the module with part of it.
    if (opened.readError)
        return KeepReason::ReadError;
    if (rows.size() < first + 2)
        return KeepReason::NoNames;
    if (!opened.libFile && !isSameModule(rows[first].MODULENAME.view(), wanted, file))
        return KeepReason::OtherModule;
    return KeepReason::None;
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
