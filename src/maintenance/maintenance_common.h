// Small helpers the maintenance operations share: status texts, name keys, module lookup.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "base/ascii_text.h"
#include "core/module_numbers.h"
#include "core/workspace.h"

namespace quillon::maintenance {

/// Writes `text` into status pane `pane` when the status bar is on.
inline void showStatus(Workspace& ws, int pane, std::string_view text)
{
    if (ws.options.UseStatusBar)
        ws.ui().status(pane, text);
}

/// The settings key of entry `n` of a numbered list: `name` followed by `n` ("Symbol3").
[[nodiscard]] inline std::string numberedKey(std::string_view name, std::size_t n)
{
    return std::string(name) + std::to_string(n);
}

/// True when `a` and `b` are equal ignoring letter case and trailing blanks.
[[nodiscard]] inline bool equalNames(std::string_view a, std::string_view b)
{
    a = trimRight(a);
    b = trimRight(b);
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        char x = a[i];
        char y = b[i];
        if (x >= 'a' && x <= 'z')
            x = static_cast<char>(x - 'a' + 'A');
        if (y >= 'a' && y <= 'z')
            y = static_cast<char>(y - 'a' + 'A');
        if (x != y)
            return false;
    }
    return true;
}

/// The position in `ModuleTable` of each module number of the rows and the table (-1 when the
/// table has none), so that every row's `MODULENUM` indexes it.
[[nodiscard]] inline std::vector<std::int32_t> moduleIndexByNumber(const LibraryList& rows,
                                                                   const ModuleTable& modules)
{
    std::vector<std::int32_t> index(moduleNumberBound(rows, modules), -1);
    for (std::size_t i = 0; i < modules.size(); ++i) {
        std::int32_t& slot = index[modules[i].MODULENUM];
        if (slot < 0)
            slot = static_cast<std::int32_t>(i);
    }
    return index;
}

/// Progress is stepped once every this many items (and at the end), so that a million rows
/// do not mean a million redraws.
inline constexpr std::uint64_t kProgressStride = 4096;

}  // namespace quillon::maintenance
