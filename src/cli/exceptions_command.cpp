// The "exceptions" command: the exceptions list of the settings file, on the list editor's
// own rules.
#include "cli/exceptions_command.h"

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "cli/cli_parse.h"
#include "cli/command_session.h"
#include "core/ui/terminal_ui.h"
#include "core/workspace.h"
#include "maintenance/edit_list.h"

namespace quillon::cli {

namespace {

using maintenance::EditListEntry;
using maintenance::EditListKind;

void printList(const std::vector<EditListEntry>& list, bool json)
{
    if (json) {
        nlohmann::json out = nlohmann::json::array();
        for (const EditListEntry& e : list)
            out.push_back({{"module", e.moduleName}, {"file", e.fileName}});
        std::printf("%s\n", out.dump(2).c_str());
        return;
    }
    for (const EditListEntry& e : list)
        std::printf("%s = %s\n", e.moduleName.c_str(), e.fileName.c_str());
}

}  // namespace

int runExceptionsCommand(int argc, char** argv)
{
    CLI::App app{
        "Lists and edits the exceptions list (module names whose file has another "
        "name), section [Exceptlist] of Quillon32.ini.",
        "quillon exceptions"};
    app.require_subcommand(0, 1);
    bool json = false;
    std::string settingsDir;
    app.add_flag("--json", json, "write the list as JSON");
    asPath(app.add_option("--settings", settingsDir, "use DIR/Quillon32.ini as the settings file"));
    CLI::App* list = app.add_subcommand("list", "show the list (the default)");
    CLI::App* add = app.add_subcommand("add", "add or replace the pair MODULE = FILE");
    std::string module;
    std::string file;
    add->add_option("MODULE", module, "module name")->required();
    asPath(add->add_option("FILE", file, "file name (its folder is dropped)"))->required();
    CLI::App* remove = app.add_subcommand("remove", "remove the pair of MODULE");
    std::string removeModule;
    remove->add_option("MODULE", removeModule, "module name")->required();
    try {
        app.parse(argc - 1, argv + 1);
    } catch (const CLI::ParseError& e) {
        return app.exit(e) == 0 ? 0 : 2;
    }
    (void)list;

    volatile std::sig_atomic_t interrupted = 0;
    ui::TerminalUi ui(interrupted, false, false);
    const std::unique_ptr<Session> session = openCommandSession(ui, settingsDir);
    Workspace& ws = session->workspace();
    std::vector<EditListEntry> entries = maintenance::loadEditList(ws, EditListKind::Exceptions);

    if (add->parsed() || remove->parsed()) {
        if (add->parsed()) {
            const EditListEntry entry =
                maintenance::normalizeEntry(EditListKind::Exceptions, module, file);
            const auto same = std::find_if(entries.begin(), entries.end(), [&](const auto& e) {
                return e.moduleName == entry.moduleName;
            });
            const std::optional<std::size_t> editing =
                same == entries.end()
                    ? std::nullopt
                    : std::optional(static_cast<std::size_t>(same - entries.begin()));
            const auto refusal =
                maintenance::checkEntry(EditListKind::Exceptions, entries, entry, editing);
            if (refusal != maintenance::EntryRefusal::None) {
                std::fprintf(
                    stderr, "quillon: %s\n",
                    std::string(maintenance::entryRefusalText(EditListKind::Exceptions, refusal))
                        .c_str());
                return 1;
            }
            if (editing)
                entries[*editing] = entry;
            else
                entries.push_back(entry);
        } else {
            const EditListEntry key =
                maintenance::normalizeEntry(EditListKind::Exceptions, removeModule, "");
            const auto erased = std::erase_if(
                entries, [&](const EditListEntry& e) { return e.moduleName == key.moduleName; });
            if (erased == 0) {
                std::fprintf(stderr, "quillon: the list holds no module %s\n",
                             key.moduleName.c_str());
                return 1;
            }
        }
        const Status saved = maintenance::saveEditList(ws, EditListKind::Exceptions, entries);
        if (!saved) {
            std::fprintf(stderr, "quillon: Editlist:1 Error#: %d (%s) writing %s\n",
                         saved.error().code, saved.error().text.c_str(),
                         session->location().settingsFile.c_str());
            return 2;
        }
    }
    printList(entries, json);
    return 0;
}

}  // namespace quillon::cli
