// Setting up one run of a program.
#include "program/session.h"

#include "maintenance/exclusion_list.h"
#include "program/settings_failure_report.h"
#include "settings/options_io.h"

namespace quillon {

Session::Session(ui::UiInterface& ui, platform::Environment env, settings::LocationInputs inputs,
                 settings::SettingsStore::Access access)
    : m_env(std::move(env)),
      m_location(settings::locateSettingsFile(m_files, m_env, inputs)),
      m_settings(m_files, m_location.settingsFile, access),
      m_ws(std::make_unique<Workspace>(ui, m_files, m_settings, m_clock))
{
    reportSettingsFailures(*m_ws);
    loadOptions();
}

void Session::loadOptions()
{
    settings::OptionsSeams seams;
    maintenance::setExcludeListSeams(seams, *m_ws);
    settings::OptionsContext context;
    context.settingsFolder = m_location.settingsFolder;
    settings::LoadOptions(m_settings, m_files, m_ws->options, context, seams);
}

void Session::saveOptions()
{
    settings::OptionsSeams seams;
    maintenance::setExcludeListSeams(seams, *m_ws);
    settings::SaveOptions(m_settings, m_ws->options, seams);
}

}  // namespace quillon
