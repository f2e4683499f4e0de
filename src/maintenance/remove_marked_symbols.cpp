// Removal of marked symbols in one pass over the library.
#include "maintenance/remove_marked_symbols.h"

#include <vector>

#include "core/library_model.h"
#include "core/progress_indicator.h"
#include "maintenance/maintenance_common.h"
#include "maintenance/maintenance_messages.h"

namespace quillon::maintenance {

std::uint32_t removeMarkedSymbols(Workspace& ws, bool report, bool quiet)
{
    if (quiet)
        report = false;
    Library& lib = ws.library;
    if (lib.empty())
        return 0;
    showStatus(ws, 2, kSymbolsCleanup);
    ProgressIndicator progress(ws.ui(), report && ws.options.UseStatusBar);
    if (report) {
        showStatus(ws, 1, "");
        showStatus(ws, 2, "");
        showStatus(ws, 3, "");
        progress.start(kSymbolsCleanup, lib.SymbolCount);
    }

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
            }
            if (report && removed % kProgressStride == 0)
                progress.step(removed, kSymbolsUnit);
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

    if (report) {
        progress.step(removed, kSymbolsUnit);
        progress.end();
        showStatus(ws, 1, symbolsRemovedText(removed));
        showStatus(ws, 2, kCleanupDone);
        showStatus(ws, 3, countNoun(lib.SymbolCount, "symbol"));
    } else {
        showStatus(ws, 1, "");
    }

    if (removed > 0)
        lib.LibraryChanged = true;
    if (lib.empty()) {
        lib.LibraryChanged = false;
        if (report)
            showStatus(ws, 3, kNoSymbols);
    } else if (report) {
        showStatus(ws, 3, countNoun(lib.SymbolCount, "symbol"));
    }
    refreshIcons(ws);
    return removed;
}

}  // namespace quillon::maintenance
