// The "exceptions" command: the exceptions list of the settings file, on the list editor's
// own rules.
#include "cli/exceptions_command.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "base/text_encoding.h"
#include "maintenance/edit_list.h"

namespace quillon::cli {

namespace {

using maintenance::EditListEntry;
using maintenance::EditListKind;

std::string listText(const std::vector<EditListEntry>& list, bool json)
{
    if (json) {
        nlohmann::json out = nlohmann::json::array();
        for (const EditListEntry& e : list)
            out.push_back(
                {{"module", cp1252ToUtf8(e.moduleName)}, {"file", cp1252ToUtf8(e.fileName)}});
        return out.dump(2) + "\n";
    }
    std::string out;
    for (const EditListEntry& e : list)
        out += cp1252ToUtf8(e.moduleName) + " = " + cp1252ToUtf8(e.fileName) + "\n";
    return out;
}

/// Adds or replaces the pair; the refusal's text when the editor's rules refuse it.
std::optional<std::string> addEntry(std::vector<EditListEntry>& entries, const std::string& module,
                                    const std::string& file)
{
    const EditListEntry entry = maintenance::normalizeEntry(EditListKind::Exceptions, module, file);
    const auto same = std::find_if(entries.begin(), entries.end(), [&](const EditListEntry& e) {
        return e.moduleName == entry.moduleName;
    });
    const std::optional<std::size_t> editing =
        same == entries.end() ? std::nullopt
                              : std::optional(static_cast<std::size_t>(same - entries.begin()));
    const maintenance::EntryRefusal refusal =
        maintenance::checkEntry(EditListKind::Exceptions, entries, entry, editing);
    if (refusal != maintenance::EntryRefusal::None)
        return std::string(maintenance::entryRefusalText(EditListKind::Exceptions, refusal));
    if (editing)
        entries[*editing] = entry;
    else
        entries.push_back(entry);
    return std::nullopt;
}

}  // namespace

ExitStatus runExceptionsCommand(CommandContext& context)
{
    CLI::App& app = context.parser(
        "Lists and edits the exceptions list (module names whose file has another name), "
        "section [Exceptlist] of Quillon32.ini. Reads no input file; \"list\" never writes the "
        "settings file.");
    app.require_subcommand(0, 1);
    bool json = false;
    app.add_flag("--json", json, "write the list as JSON");
    // The options of "quillon exceptions" may also follow the word of what to do.
    app.fallthrough();
    (void)app.add_subcommand("list", "show the list (the default)");
    CLI::App* add = app.add_subcommand("add", "add or replace the pair MODULE = FILE");
    std::string module;
    std::string file;
    add->add_option("MODULE", module, "module name")->required();
    add->add_option("FILE", file, "file name (its folder is dropped)")->required();
    CLI::App* remove = app.add_subcommand("remove", "remove the pair of MODULE");
    std::string removeModule;
    remove->add_option("MODULE", removeModule, "module name")->required();
    if (const std::optional<ExitStatus> status = context.parse())
        return *status;

    const bool editing = add->parsed() || remove->parsed();
    Workspace& ws = context.open(editing ? SettingsUse::ReadWrite : SettingsUse::ReadOnly);
    std::vector<EditListEntry> entries = maintenance::loadEditList(ws, EditListKind::Exceptions);
    if (editing) {
        if (add->parsed()) {
            if (const std::optional<std::string> refused = addEntry(entries, module, file)) {
                context.tell(*refused);
                return ExitStatus::Failed;
            }
        } else {
            const EditListEntry key =
                maintenance::normalizeEntry(EditListKind::Exceptions, removeModule, "");
            const auto erased = std::erase_if(
                entries, [&](const EditListEntry& e) { return e.moduleName == key.moduleName; });
            if (erased == 0) {
                context.tell("the list holds no module " + removeModule);
                return ExitStatus::Failed;
            }
        }
        if (context.interrupted())
            return context.cancelled();
        const Status saved = maintenance::saveEditList(ws, EditListKind::Exceptions, entries);
        if (!saved) {
            context.tell("Editlist:1 Error#: " + std::to_string(saved.error().code) + " (" +
                         cp1252ToUtf8(saved.error().text) + ") writing " +
                         context.session()->location().settingsFile);
            return ExitStatus::WriteFailed;
        }
    }
    if (context.interrupted())
        return context.cancelled();
    return context.writeOut(listText(entries, json)) ? ExitStatus::Success
                                                     : ExitStatus::WriteFailed;
}

}  // namespace quillon::cli
