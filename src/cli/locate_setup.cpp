// Setting up the search for the DLLs behind modules.
#include "cli/locate_setup.h"

#include "locate/locate_state.h"
#include "locate/search_places.h"
#include "maintenance/exceptions.h"

namespace quillon::cli {

void addPriorityOption(CLI::App& app, std::vector<std::string>& folders)
{
    asPath(app.add_option("--priority", folders,
                          "search FOLDER first (repeatable; the settings' UsePriorityPath and "
                          "FirstFolder of [Folders] do the same for every run)"))
        ->type_name("FOLDER")
        ->allow_extra_args(false)
        ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
}

locate::AutolocateOptions locateOptions(CommandContext& context,
                                        const std::vector<std::string>& priority)
{
    Workspace& ws = context.workspace();
    locate::AutolocateOptions options = locate::readAutolocateOptions(ws.settings());
    std::vector<std::string> folders;
    for (const std::string& folder : priority) {
        if (ws.files().isFolder(ws.files().fullPath(folder)))
            folders.push_back(ws.files().fullPath(folder));
        else
            context.tell("--priority " + folder + ": folder not found");
    }
    if (!folders.empty()) {
        options.UsePriorityPath = true;
        options.FirstFolder = folders.front();
        options.morePriorityFolders.assign(folders.begin() + 1, folders.end());
    }
    return options;
}

void useLocateOptions(CommandContext& context, const locate::AutolocateOptions& options)
{
    Workspace& ws = context.workspace();
    maintenance::loadExceptList(ws);
    locate::LocateState& state = locate::state(ws);
    if (context.session() != nullptr)
        state.environment = locate::locateEnvironment(ws.files(), context.session()->environment());
    state.fixedOptions = options;
    state.optionsChanged();
}

}  // namespace quillon::cli
