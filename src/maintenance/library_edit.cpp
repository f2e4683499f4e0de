// Removal of whole modules from the library in one pass.
#include "maintenance/library_edit.h"

#include <algorithm>

namespace quillon::maintenance {

RemovedRows removeModulesByNumber(Workspace& ws, const std::vector<bool>& byNumber)
{
    RemovedRows removed;
    Library& lib = ws.library;
    const auto flagged = [&](ModuleNumber number) {
        return number < byNumber.size() && byNumber[number];
    };
    std::size_t out = 0;
    for (std::size_t in = 0; in < lib.rows.size(); ++in) {
        if (flagged(lib.rows[in].MODULENUM)) {
            if (!lib.rows[in].isModule())
                ++removed.symbols;
            continue;
        }
        if (out != in)
            lib.rows[out] = std::move(lib.rows[in]);
        ++out;
    }
    lib.rows.resize(out);
    const auto end = std::remove_if(lib.modules.begin(), lib.modules.end(),
                                    [&](const ModuleEntry& e) { return flagged(e.MODULENUM); });
    removed.modules = static_cast<std::uint32_t>(lib.modules.end() - end);
    lib.modules.erase(end, lib.modules.end());
    lib.SymbolCount -= std::min(lib.SymbolCount, removed.symbols);
    lib.ModuleCount -= std::min(lib.ModuleCount, removed.modules);
    return removed;
}

}  // namespace quillon::maintenance
