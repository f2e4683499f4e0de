// Showing a failed write of the settings file.
#include "program/settings_failure_report.h"

#include "core/workspace.h"
#include "lib/lib_messages.h"
#include "settings/settings_store.h"

namespace quillon {

void reportSettingsFailures(Workspace& ws)
{
    ws.settings().setFailureReport([&ws](const Error& error, const std::string& path) {
        if (ws.options.UseStatusBar)
            ws.ui().status(1, lib::errorPostedStatus(error));
        ws.ui().message(lib::saveFailureMessage(lib::SaveFailure::Saving, error, path));
    });
}

}  // namespace quillon
