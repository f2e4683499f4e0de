// Removal of modules of the wrong bitness, unlocated modules and duplicates.
#include "maintenance/inconsistent_modules.h"

#include <vector>

#include "core/library_model.h"
#include "core/progress_indicator.h"
#include "maintenance/duplicate_modules.h"
#include "maintenance/exclusion_list.h"
#include "maintenance/global_duplicates.h"
#include "maintenance/library_edit.h"
#include "maintenance/maintenance_common.h"
#include "maintenance/maintenance_messages.h"

namespace quillon::maintenance {

InconsistentCounts removeInconsistentModules(Workspace& ws, const InconsistentRequest& request)
{
    InconsistentCounts counts;
    Library& lib = ws.library;
    const Options& o = ws.options;
    if (o.UseBitCheck == BitCheck::None || lib.empty())
        return counts;
    showStatus(ws, 1, kReadingData);
    showStatus(ws, 2, kCleanup);
    showStatus(ws, 3, "");
    showStatus(ws, 1, "");
    showStatus(ws, 2, kCleanup);
    showStatus(ws, 3, "");
    std::uint8_t wrongOs = kOsUnknown;
    if (o.UseBitCheckSet == LibraryBitness::Set16Bit)
        wrongOs = kOs32;
    else if (o.UseBitCheckSet == LibraryBitness::Set32Bit)
        wrongOs = kOs16;
    else
        return counts;
    const char* bits = wrongOs == kOs32 ? "32" : "16";

    const bool removeInconsistent = request.inconsistent.value_or(true);
    const bool removeDuplicates = request.duplicates.value_or(true);
    const bool removeUnlocated =
        request.unlocated.value_or((o.UseBitCheckSetUnlocated && request.unlocatedSwitch) ||
                                   (o.UseBitCheck == BitCheck::RemoveInconsistentAndUnlocated &&
                                    (!request.unlocatedSwitch || request.saveAsksUnlocated)));

    ProgressIndicator progress(ws.ui(), o.UseStatusBar);
    progress.start(kCleanup, lib.ModuleCount);

    std::vector<bool> remove(moduleNumberBound(lib.rows, lib.modules), false);
    bool any = false;
    std::uint64_t visited = 0;
    for (const LibraryRow& row : lib.rows) {
        if (!row.isModule())
            continue;
        ++visited;
        const bool unlocated = removeUnlocated && row.OS == kOsUnknown;
        const bool inconsistent = removeInconsistent && row.OS == wrongOs;
        if (!unlocated && !inconsistent)
            continue;
        showStatus(ws, 3, removingModuleText(row.MODULENAME.view()));
        if (!remove[row.MODULENUM]) {
            if (row.OS == kOsUnknown)
                ++counts.unlocated;
            else
                ++counts.inconsistent;
        }
        remove[row.MODULENUM] = true;
        any = true;
        progress.step(visited, kModulesUnit);
    }
    if (any) {
        removeModulesByNumber(ws, remove);
        lib.LibraryChanged = true;
    }
    if (removeDuplicates)
        counts.duplicates =
            removeDuplicateModules(ws, DuplicateRemovalMode::FromInconsistent, false);

    progress.end();
    showStatus(ws, 3, "");
    if (lib.empty())
        lib.LibraryChanged = false;
    if (counts.total() > 0 && !lib.empty()) {
        markExcludedSymbols(ws);
        findGlobalDuplicates(ws, false);
        refreshIcons(ws);
    }
    showStatus(ws, 1,
               inconsistentSummary(counts.inconsistent, counts.unlocated, counts.duplicates, bits));
    showStatus(ws, 2, kCleanupDone);
    return counts;
}

}  // namespace quillon::maintenance
