// The cleanup steps the save command calls.
#include "maintenance/save_hooks.h"

#include "maintenance/duplicate_modules.h"
#include "maintenance/inconsistent_modules.h"
#include "maintenance/symbols_cleanup.h"

namespace quillon::maintenance {

void setCleanupHooks(lib::SaveHooks& hooks)
{
    hooks.removeInconsistentModules = [](Workspace& ws, bool removeUnlocated) {
        InconsistentRequest request;
        request.saveAsksUnlocated = removeUnlocated;
        removeInconsistentModules(ws, request);
    };
    hooks.removeDuplicateModules = [](Workspace& ws) {
        removeDuplicateModules(ws, DuplicateRemovalMode::Standalone, true);
    };
    hooks.removeMarkedSymbols = [](Workspace& ws) { (void)removeMarkedSymbolsForSave(ws); };
}

}  // namespace quillon::maintenance
