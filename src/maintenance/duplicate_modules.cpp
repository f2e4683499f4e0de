// The duplicate-module question after an add and the removal of duplicate modules.
#include "maintenance/duplicate_modules.h"

#include <algorithm>
#include <numeric>
#include <string>
#include <vector>

#include "core/exclude_list.h"
#include "core/library_model.h"
#include "core/progress_indicator.h"
#include "core/sort_library.h"
#include "maintenance/exclusion_list.h"
#include "maintenance/global_duplicates.h"
#include "maintenance/library_edit.h"
#include "maintenance/maintenance_common.h"
#include "maintenance/maintenance_messages.h"

namespace quillon::maintenance {

namespace {

/// What one walk over the new rows did.
struct WalkResult {
    std::uint32_t modulesDeleted = 0;
    bool countedRowsDeleted = false;  // rows already post-processed were deleted
};

/// Walks the rows from `first` and settles every marked module row by the answer given (or
/// standing). Rows are kept or dropped in one pass; rows already post-processed (`UNSORTED`
/// set) lower `SymbolCount` when dropped. The question names `addedFile` during an add, and
/// each module's own file after it.
WalkResult walkDuplicates(Workspace& ws, std::string_view addedFile, std::size_t first,
                          bool afterAdd, bool allButtons, DuplicateAnswerState& state)
{
    WalkResult result;
    LibraryList& rows = ws.library.rows;
    const auto drop = [&](const LibraryRow& row) {
        if (row.UNSORTED == 0)
            return;
        result.countedRowsDeleted = true;
        if (!row.isModule() && ws.library.SymbolCount > 0)
            --ws.library.SymbolCount;
    };
    std::size_t out = first;
    std::size_t in = first;
    const auto keep = [&](LibraryRow& row) {
        if (out != in)
            rows[out] = std::move(row);
        ++out;
    };
    // The rows of the module starting at `in`: up to the next module row.
    const auto moduleEnd = [&](std::size_t from) {
        std::size_t end = from + 1;
        while (end < rows.size() && !rows[end].isModule())
            ++end;
        return end;
    };
    while (in < rows.size()) {
        LibraryRow& row = rows[in];
        if (!row.isModule() || row.MARK == 0) {
            keep(row);
            ++in;
            continue;
        }
        std::uint8_t answer = state.standingAnswer();
        if (answer == 0) {
            const std::string fileName = afterAdd ? row.fileName() : std::string(addedFile);
            const int chosen = ws.ui().message(
                duplicateQuestion(row.MODULENAME.view(), fileName, afterAdd, allButtons));
            // A closed box keeps the module: nothing is deleted without an answer.
            const int lastButton = allButtons ? kAnswerKeepAll : kAnswerNo;
            answer = static_cast<std::uint8_t>(
                chosen >= kAnswerYes && chosen <= lastButton ? chosen : int{kAnswerNo});
        }
        if (state.multiFileAdd())
            state.value = static_cast<std::uint8_t>(1 + answer);
        const std::size_t end = moduleEnd(in);
        if (answer == kAnswerYes) {
            showStatus(ws, 1, afterAdd ? kDuplicateModuleRemoved : kLoadingAborted);
            for (; in < end; ++in)
                drop(rows[in]);
            ++result.modulesDeleted;
        } else if (answer == kAnswerNo) {
            for (; in < end; ++in) {
                rows[in].MARK = 0;
                keep(rows[in]);
            }
        } else if (answer == kAnswerAbortAll) {
            for (; in < rows.size(); ++in) {
                if (rows[in].MARK != 0) {
                    if (rows[in].isModule())
                        ++result.modulesDeleted;
                    drop(rows[in]);
                } else {
                    keep(rows[in]);
                }
            }
            showStatus(ws, 1,
                       afterAdd || result.modulesDeleted > 1 ? kDuplicateModulesAborted
                                                             : kDuplicateModuleAborted);
        } else {
            for (std::size_t i = first; i < out; ++i)
                rows[i].MARK = 0;
            for (; in < rows.size(); ++in) {
                rows[in].MARK = 0;
                keep(rows[in]);
            }
        }
        if (answer == kAnswerAbortAll || answer == kAnswerKeepAll)
            break;
    }
    rows.resize(out);
    if (result.countedRowsDeleted)
        rebuildModuleTable(ws);
    refreshIcons(ws, first);
    return result;
}

}  // namespace

bool askDuplicateModules(Workspace& ws, std::string_view addedFile, std::size_t firstNewRow,
                         bool fromTop, bool allowAll, DuplicateAnswerState& state)
{
    const std::size_t first = fromTop ? 0 : firstNewRow;
    if (first >= ws.library.rows.size())
        return false;
    if (ws.options.UseNoMessages && !ws.options.UseBitCheckDuplicates)
        return false;
    const bool allButtons = allowAll || state.multiFileAdd();
    return walkDuplicates(ws, addedFile, first, false, allButtons, state).modulesDeleted > 0;
}

bool confirmDuplicateModulesAfterAdd(Workspace& ws, std::size_t firstNewRow,
                                     DuplicateAnswerState& state)
{
    if (firstNewRow >= ws.library.rows.size() || ws.options.UseNoMessages)
        return false;
    walkDuplicates(ws, {}, firstNewRow, true, true, state);
    return true;
}

DuplicateModuleRemoval removeDuplicateModules(Workspace& ws, DuplicateRemovalMode mode,
                                              ProgressIndicator* shownProgress)
{
    DuplicateModuleRemoval result;
    const bool standalone = mode == DuplicateRemovalMode::Standalone;
    if (standalone && !ws.options.UseBitCheckSetDuplicates && !ws.options.UseBitCheckDuplicates)
        return result;
    Library& lib = ws.library;
    if (lib.empty())
        return result;
    result.ran = true;
    ProgressIndicator quiet(ws.ui(), false);
    ProgressIndicator& progress = shownProgress != nullptr ? *shownProgress : quiet;
    if (standalone) {
        progress.start(kCleanup, lib.ModuleCount);
        progress.status(3, "");
    }

    // Modules in name order, letter case ignored, each name's lowest number first: every
    // later module of a name is a duplicate.
    std::vector<std::string> names(lib.modules.size());
    for (std::size_t i = 0; i < lib.modules.size(); ++i)
        names[i] = upperCase(trimRight(lib.modules[i].MODULENAME.view()));
    std::vector<std::size_t> order(lib.modules.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        const int c = names[a].compare(names[b]);
        return c != 0 ? c < 0 : lib.modules[a].MODULENUM < lib.modules[b].MODULENUM;
    });
    const std::size_t bound = moduleNumberBound(lib.rows, lib.modules);
    std::vector<bool> hasRows(bound, false);
    for (const LibraryRow& row : lib.rows)
        hasRows[row.MODULENUM] = true;
    std::vector<bool> remove(bound, false);
    std::uint32_t count = 0;
    for (std::size_t k = 1; k < order.size(); ++k) {
        const ModuleEntry& entry = lib.modules[order[k]];
        if (names[order[k]] != names[order[k - 1]] || !hasRows[entry.MODULENUM])
            continue;
        // A second table entry of the same number shares the rows already removed.
        if (!remove[entry.MODULENUM])
            ++count;
        remove[entry.MODULENUM] = true;
        progress.step(count, kModulesUnit);
    }

    if (count > 0)
        removeModulesByNumber(ws, remove);
    std::stable_sort(lib.modules.begin(), lib.modules.end(),
                     [](const ModuleEntry& a, const ModuleEntry& b) {
                         if (a.MODULENUM != b.MODULENUM)
                             return a.MODULENUM < b.MODULENUM;
                         return a.MODULENAME < b.MODULENAME;
                     });
    if (standalone) {
        sortLibrary(ws, ws.sortOrder, ws.sortDescending);
    } else {
        const auto byNumber = [](const LibraryRow& a, const LibraryRow& b) {
            return a.MODULENUM < b.MODULENUM;
        };
        if (!std::is_sorted(lib.rows.begin(), lib.rows.end(), byNumber))
            std::stable_sort(lib.rows.begin(), lib.rows.end(), byNumber);
    }

    if (count > 0) {
        lib.LibraryChanged = true;
        if (lib.empty()) {
            lib.LibraryChanged = false;
        } else if (standalone) {
            refreshIcons(ws);
        }
        if (standalone && !lib.empty()) {
            if (markExcludedSymbols(ws) == 0)
                (void)findGlobalDuplicates(ws);
            refreshIcons(ws);
        }
    }

    progress.end();
    progress.status(3, "");
    result.removed = count;
    return result;
}

}  // namespace quillon::maintenance
