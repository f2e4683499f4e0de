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

InconsistentRemoval removeInconsistentModules(Workspace& ws, const InconsistentRequest& request,
                                              ProgressIndicator* shownProgress)
{
    InconsistentRemoval result;
    InconsistentCounts& counts = result.counts;
    Library& lib = ws.library;
    const Options& o = ws.options;
    if (o.UseBitCheck == BitCheck::None || lib.empty())
        return result;
    ProgressIndicator quiet(ws.ui(), false);
    ProgressIndicator& progress = shownProgress != nullptr ? *shownProgress : quiet;
    progress.status(1, kReadingData);
    progress.status(2, kCleanup);
    progress.status(3, "");
    progress.status(1, "");
    progress.status(2, kCleanup);
    progress.status(3, "");
    std::uint8_t wrongOs = kOsUnknown;
    if (o.UseBitCheckSet == LibraryBitness::Set16Bit)
        wrongOs = kOs32;
    else if (o.UseBitCheckSet == LibraryBitness::Set32Bit)
        wrongOs = kOs16;
    else
        return result;
    result.bits = wrongOs == kOs32 ? "32" : "16";

    const bool removeInconsistent = request.inconsistent.value_or(true);
    const bool removeDuplicates = request.duplicates.value_or(true);
    const bool removeUnlocated =
        request.unlocated.value_or((o.UseBitCheckSetUnlocated && request.unlocatedSwitch) ||
                                   (o.UseBitCheck == BitCheck::RemoveInconsistentAndUnlocated &&
                                    (!request.unlocatedSwitch || request.saveAsksUnlocated)));

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
        progress.status(3, removingModuleText(row.MODULENAME.view()));
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
    if (removeDuplicates) {
        // The duplicate step draws on an indicator of its own, which it never starts.
        ProgressIndicator duplicates(progress.ui(), progress.enabled());
        counts.duplicates =
            removeDuplicateModules(ws, DuplicateRemovalMode::FromInconsistent, &duplicates).removed;
    }

    progress.end();
    progress.status(3, "");
    if (lib.empty())
        lib.LibraryChanged = false;
    if (counts.total() > 0 && !lib.empty()) {
        markExcludedSymbols(ws);
        (void)findGlobalDuplicates(ws);
        refreshIcons(ws);
    }
    return result;
}

}  // namespace quillon::maintenance
