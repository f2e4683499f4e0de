// Session: one run of a program, set up as start-up does it: the settings file located, the
// options and the exclusion list loaded, and the workspace over them.
#pragma once

#include <memory>

#include "base/clock.h"
#include "core/workspace.h"
#include "platform/environment.h"
#include "platform/file_system.h"
#include "settings/settings_location.h"
#include "settings/settings_store.h"

namespace quillon {

/// Owns the services of one run and the workspace built over them. The settings go through the
/// session's file layer, and a failed write of them is shown (`reportSettingsFailures`).
class Session {
public:
    /// Locates the settings file from `env` and `inputs`, loads the options and the exclusion
    /// list. `ui` must outlive the session. With `access` ReadOnly nothing the run does is
    /// written to the settings file (the runs that only look at files).
    Session(ui::UiInterface& ui, platform::Environment env, settings::LocationInputs inputs,
            settings::SettingsStore::Access access = settings::SettingsStore::Access::ReadWrite);
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    [[nodiscard]] Workspace& workspace() { return *m_ws; }
    [[nodiscard]] const settings::SettingsLocation& location() const { return m_location; }
    [[nodiscard]] const platform::Environment& environment() const { return m_env; }

    /// Reads the options and the exclusion list again (the options tab's "&Restore").
    void loadOptions();
    /// Writes the options and the exclusion list (the options tab's "A&pply").
    void saveOptions();

private:
    platform::Environment m_env;
    platform::FileSystem m_files;
    settings::SettingsLocation m_location;
    settings::SettingsStore m_settings;
    SteadyClock m_clock;
    std::unique_ptr<Workspace> m_ws;
};

}  // namespace quillon
