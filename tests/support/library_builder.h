// Builds libraries for tests the way loads do: module rows, symbol rows, post-processing.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/library_model.h"
#include "core/workspace.h"

namespace quillon::testing {

/// One symbol: name and ordinal.
using Symbols = std::vector<std::pair<std::string, int>>;

/// Appends one module with `symbols` as a reader would, then post-processes it as loaded from
/// `file` (default "/dlls/<module>.DLL", an executable).
inline void addModule(Workspace& ws, std::string_view module, const Symbols& symbols,
                      std::uint8_t os = kOs32, std::string file = {})
{
    const std::size_t first = ws.library.rows.size();
    appendModuleRow(ws, module, os);
    for (const auto& [name, ordinal] : symbols)
        appendSymbolRow(ws, name, static_cast<std::uint16_t>(ordinal));
    if (file.empty())
        file = "/dlls/" + std::string(module) + ".DLL";
    const bool executable = file.size() < 4 || (file.substr(file.size() - 4) != ".LIB" &&
                                                file.substr(file.size() - 4) != ".lib");
    postProcessLoad(ws, first, LoadedFile{file, executable, 0});
}

/// The `SYMBOL` of every row, in order.
inline std::vector<std::string> rowNames(const Workspace& ws)
{
    std::vector<std::string> names;
    for (const LibraryRow& row : ws.library.rows)
        names.push_back(row.SYMBOL.str());
    return names;
}

/// The `EXCLUDE` of every row, in order.
inline std::vector<int> excludeMarks(const Workspace& ws)
{
    std::vector<int> marks;
    for (const LibraryRow& row : ws.library.rows)
        marks.push_back(row.EXCLUDE);
    return marks;
}

}  // namespace quillon::testing
