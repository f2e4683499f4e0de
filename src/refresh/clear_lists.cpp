// Emptying the library and, when asked, the other lists.
#include "refresh/clear_lists.h"

#include "core/library_edit.h"
#include "refresh/update_preview.h"
#include "reports/compare_state.h"

namespace quillon::refresh {

bool clearAllModules(Workspace& ws)
{
    clearLibrary(ws);
    return clearOtherLists(ws);
}

bool clearOtherLists(Workspace& ws)
{
    if (!ws.options.UseClearExtract)
        return false;
    ws.queryResults.rows.clear();
    reports::clearCompareList(ws);
    reports::compareState(ws).lastModuleRow.reset();
    clearUpdatePreview(ws);
    return true;
}

}  // namespace quillon::refresh
