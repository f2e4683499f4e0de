// The session of one subcommand's run.
#include "cli/command_session.h"

#include "platform/environment.h"
#include "settings/settings_location.h"

namespace quillon::cli {

std::unique_ptr<Session> openCommandSession(ui::UiInterface& ui, const std::string& settingsDir)
{
    platform::Environment env = platform::Environment::fromProcess();
    if (!settingsDir.empty())
        env.set("QUILLON_SETTINGS_DIR", settingsDir);
    auto session =
        std::make_unique<Session>(ui, std::move(env), settings::LocationInputs::fromProcess());
    session->workspace().SilentMode = true;
    return session;
}

}  // namespace quillon::cli
