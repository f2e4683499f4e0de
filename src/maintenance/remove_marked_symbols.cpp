// Removal of marked symbols in one pass over the library.
#include "maintenance/remove_marked_symbols.h"

#include <vector>

#include "core/library_model.h"
#include "core/progress_indicator.h"
#include "maintenance/maintenance_common.h"
#include "maintenance/maintenance_messages.h"

namespace quillon::maintenance {

SymbolRemoval removeMarkedSymbols(Workspace& ws, ProgressIndicator* progress)
{
    SymbolRemoval result;
    Library& lib = ws.library;
    if (lib.empty())
        return result;
    result.ran = true;
    ProgressIndicator quiet(ws.ui(), false);
    ProgressIndicator& shown = progress != nullptr ? *progress : quiet;
    shown.status(2, kSymbolsCleanup);
    shown.status(1, "");
    shown.status(2, "");
    shown.status(3, "");
    shown.start(kSymbolsCleanup, lib.SymbolCount);

    const std::vector<std::int32_t> moduleIndex = moduleIndexByNumber(lib.rows, lib.modules);
    std::vector<bool> entryRemoved(lib.modules.size(), false);
    LibraryList& rows = lib.rows;
    // The kept rows are moved down in place: `out` is where the next kept row goes.
    std::size_t out = 0;
    std::size_t in = 0;
    std::int32_t current = -1;  // the current module's `ModuleTable` entry
    std::uint32_t running = 0;
    std::uint32_t removed = 0;
    const auto storeRunning = [&] {
        if (current >= 0 && running != 0)
            lib.modules[static_cast<std::size_t>(current)].FUNCTIONNUM =
                static_cast<FunctionCount>(running);
    };
    for (; in < rows.size(); ++in) {
        LibraryRow& row = rows[in];
        if (row.ORDINAL == 0 && row.isModule()) {
            storeRunning();
            const std::int32_t entry = moduleIndex[row.MODULENUM];
            if (entry < 0 || entryRemoved[static_cast<std::size_t>(entry)])
                break;
            current = entry;
            // The count is taken from the rows themselves: a stale or overflowed
            // `FUNCTIONNUM` must neither keep an emptied module nor drop one that still has
            // symbols (they would fall under the module above).
            running = 0;
            for (std::size_t next = in + 1; next < rows.size() && !rows[next].isModule(); ++next)
                ++running;
            row.EXCLUDE = kExcludeNone;
        } else if (row.EXCLUDE != kExcludeNone) {
            if (running > 0)
                --running;
            ++removed;
            if (lib.SymbolCount > 0)
                --lib.SymbolCount;
            if (running == 0 && current >= 0 && out > 0 && rows[out - 1].isModule()) {
                // The module's last symbol is gone: the module goes with its table entry.
                --out;
                entryRemoved[static_cast<std::size_t>(current)] = true;
                current = -1;
                if (lib.ModuleCount > 0)
                    --lib.ModuleCount;
                ++result.modulesRemoved;
            }
            if (removed % kProgressStride == 0)
                shown.step(removed, kSymbolsUnit);
            continue;
        }
        if (out != in)
            rows[out] = std::move(row);
        ++out;
    }
    storeRunning();
    // A walk that stopped early leaves the rest of the list as it was.
    for (; in < rows.size(); ++in, ++out) {
        if (out != in)
            rows[out] = std::move(rows[in]);
    }
    rows.resize(out);
    if (removed > 0) {
        std::size_t kept = 0;
        for (std::size_t i = 0; i < lib.modules.size(); ++i) {
            if (entryRemoved[i])
                continue;
            if (kept != i)
                lib.modules[kept] = std::move(lib.modules[i]);
            ++kept;
        }
        lib.modules.resize(kept);
    }

    shown.step(removed, kSymbolsUnit);
    shown.end();

    if (removed > 0)
        lib.LibraryChanged = true;
    if (lib.empty())
        lib.LibraryChanged = false;
    refreshIcons(ws);
    result.removed = removed;
    result.symbolsLeft = lib.SymbolCount;
    result.empty = lib.empty();
    return result;
}

}  // namespace quillon::maintenance
