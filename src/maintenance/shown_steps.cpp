// The module removals with their progress and results shown.
#include "maintenance/shown_steps.h"

#include "core/progress_indicator.h"
#include "maintenance/maintenance_status.h"

namespace quillon::maintenance {

DuplicateModuleRemoval removeDuplicateModulesShown(Workspace& ws)
{
    ui::UiInterface& ui = ws.ui();
    const bool statusBar = ws.options.UseStatusBar;
    ui.setWaitCursor(true);
    DuplicateModuleRemoval removal;
    {
        ProgressIndicator progress(ui, statusBar);
        removal = removeDuplicateModules(ws, DuplicateRemovalMode::Standalone, &progress);
    }
    ui.setWaitCursor(false);
    showDuplicateModuleRemoval(ui, statusBar, removal);
    return removal;
}

InconsistentRemoval removeInconsistentModulesShown(Workspace& ws,
                                                   const InconsistentRequest& request)
{
    ui::UiInterface& ui = ws.ui();
    const bool statusBar = ws.options.UseStatusBar;
    ProgressIndicator progress(ui, statusBar);
    const InconsistentRemoval removal = removeInconsistentModules(ws, request, &progress);
    showInconsistentRemoval(ui, statusBar, removal);
    return removal;
}

}  // namespace quillon::maintenance
