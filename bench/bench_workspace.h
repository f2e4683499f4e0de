// NullUi and BenchWorkspace: a silent front end and a workspace for the benchmarks.
#pragma once

#include "base/clock.h"
#include "core/ui/silent_ui.h"
#include "core/workspace.h"
#include "platform/file_system.h"
#include "settings/settings_store.h"

namespace quillon::bench {

using NullUi = ui::SilentUi;

/// A workspace over the silent front end, the real file layer and no settings file.
struct BenchWorkspace {
    NullUi ui;
    platform::FileSystem files;
    settings::SettingsStore settings{"/nonexistent/Quillon32.ini"};
    SteadyClock clock;
    Workspace ws{ui, files, settings, clock};
};

}  // namespace quillon::bench
