// reportSettingsFailures: a write of the settings file that fails is shown, never dropped.
#pragma once

namespace quillon {

class Workspace;

/// Makes every failed write of the workspace's settings file reach the front end as the save
/// failure message ("Error while saving file!") with the posted code, its text and the
/// settings file's name; the status bar, when shown, says "Error posted: #<code> - <text>".
void reportSettingsFailures(Workspace& ws);

}  // namespace quillon
