// The locating pass bound to the save command and the cleanups.
#include "locate/locate_hooks.h"

#include "locate/update_library_data.h"

namespace quillon::locate {

void setLocateHooks(lib::SaveHooks& hooks)
{
    hooks.updateLibraryData = [](Workspace& ws, int mode) { (void)UpdateLibraryData(ws, mode); };
}

maintenance::LocatePass locatePass()
{
    return [](Workspace& ws) { (void)UpdateLibraryData(ws, kUpdateLocate); };
}

}  // namespace quillon::locate
