// The cleanup steps the save command calls.
#include "maintenance/save_hooks.h"

#include "maintenance/shown_steps.h"
#include "maintenance/symbols_cleanup.h"

namespace quillon::maintenance {

void setCleanupHooks(lib::SaveHooks& hooks)
{
    hooks.removeInconsistentModules = [](Workspace& ws, bool removeUnlocated) {
        InconsistentRequest request;
        request.saveAsksUnlocated = removeUnlocated;
        (void)removeInconsistentModulesShown(ws, request);
    };
    hooks.removeDuplicateModules = [](Workspace& ws) { (void)removeDuplicateModulesShown(ws); };
    hooks.removeMarkedSymbols = [](Workspace& ws) { (void)removeMarkedSymbolsForSave(ws); };
}

}  // namespace quillon::maintenance
