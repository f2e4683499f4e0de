// The session of one subcommand's run, and the LIB file a subcommand loads into it.
#include "cli/command_session.h"

#include "lib/lib_reader.h"
#include "program/file_loader.h"
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

std::optional<std::string> loadCommandLibFile(Workspace& ws, const std::string& file)
{
    lib::LibLoadRequest request;
    request.fileName = ws.files().fullPath(file);
    request.quiet = true;
    const Result<lib::LibLoadOutcome> loaded = lib::loadLibrary(ws, request);
    if (!loaded)
        return file + ": " + loaded.error().text;
    if (loaded->end != lib::LibLoadEnd::Loaded)
        return file + ": not a library file, or an empty one";
    return std::nullopt;
}

int loadCommandInputFiles(Workspace& ws, const std::vector<std::string>& files)
{
    std::vector<std::string> found;
    for (const std::string& file : files) {
        if (ws.files().isFile(ws.files().fullPath(file)))
            found.push_back(ws.files().fullPath(file));
    }
    LoadCounts counts;
    if (!found.empty())
        (void)loadFileList(ws, makeInputFileList(ws, found), {}, &counts);
    if (counts.cancelled || ws.cancel.cancelled())
        return 5;
    if (!ws.library.rows.empty())
        return 0;
    return found.empty() ? 4 : 3;
}

}  // namespace quillon::cli
