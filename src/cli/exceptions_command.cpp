// The "exceptions" command: the exceptions list of the settings file, on the list editor's
// own rules.
#include "cli/exceptions_command.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "base/text_encoding.h"
#include "cli/json_output.h"
#include "maintenance/edit_list.h"
#include "platform/environment.h"

namespace quillon::cli {

namespace {

using maintenance::EditListEntry;
using maintenance::EditListKind;

nlohmann::json listJson(const std::vector<EditListEntry>& list)
{
    nlohmann::json out = nlohmann::json::array();
    for (const EditListEntry& e : list)
        out.push_back({{"module", cp1252ToUtf8(e.moduleName)}, {"file", cp1252ToUtf8(e.fileName)}});
    return out;
}

std::string listText(const std::vector<EditListEntry>& list, bool json)
{
    if (json)
        return listJson(list).dump(2) + "\n";
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
        "section [Exceptlist] of Quillon32.ini. Reads no input file but the SYSTEM.INI of "
        "\"import\"; \"list\" never writes the settings file.");
    app.require_subcommand(0, 1);
    bool json = false;
    app.add_flag("--json", json, "write the list as JSON");
    // The options of "quillon exceptions" may also follow the word of what to do.
    app.fallthrough();
    (void)app.add_subcommand("list", "show the list (the default)");
    CLI::App* import = app.add_subcommand(
        "import",
        "add the drivers of the [boot] section of SYSTEM.INI whose module name differs from "
        "their file (display.drv=vga.drv: DISPLAY = VGA.DRV), as the list editor's Import does; "
        "modules the list holds stay as they are, and the settings file is written only when "
        "an entry was added. Tells how many on stderr; with --json prints {\"systemIni\", "
        "\"added\", \"list\"}");
    std::string systemIni;
    asPath(import->add_option("--system-ini", systemIni,
                              "the SYSTEM.INI to read (default: the one in the Windows folder; "
                              "off Windows the Wine prefix's, $WINEPREFIX or ~/.wine)"))
        ->type_name("FILE");
    CLI::App* add = app.add_subcommand("add", "add or replace the pair MODULE = FILE");
    std::string module;
    std::string file;
    add->add_option("MODULE", module, "module name")->required();
    asPath(add->add_option("FILE", file, "file name (its folder is dropped)"))->required();
    CLI::App* remove = app.add_subcommand("remove", "remove the pair of MODULE");
    std::string removeModule;
    remove->add_option("MODULE", removeModule, "module name")->required();
    if (const std::optional<ExitStatus> status = context.parse())
        return *status;

    const bool editing = add->parsed() || remove->parsed() || import->parsed();
    Workspace& ws = context.open(editing ? SettingsUse::ReadWrite : SettingsUse::ReadOnly);
    std::vector<EditListEntry> entries = maintenance::loadEditList(ws, EditListKind::Exceptions);
    std::optional<maintenance::SystemIniImport> imported;
    if (import->parsed()) {
        systemIni =
            systemIni.empty()
                ? maintenance::defaultSystemIni(ws.files(), platform::Environment::fromProcess())
                : ws.files().fullPath(systemIni);
        imported = maintenance::importSystemIni(ws, entries, systemIni);
        if (!imported->found) {
            context.tell(maintenance::systemIniImportText(*imported, systemIni));
            return ExitStatus::NotFound;
        }
    }
    // An import that found nothing new leaves the settings file as it is.
    if (editing && !(imported && imported->added == 0)) {
        if (add->parsed()) {
            if (const std::optional<std::string> refused = addEntry(entries, module, file)) {
                context.tell(*refused);
                return ExitStatus::Failed;
            }
        } else if (remove->parsed()) {
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
    if (imported)
        context.tell(maintenance::systemIniImportText(*imported, systemIni));
    std::string out;
    if (imported && json)
        out = jsonDocument(
            {{"systemIni", systemIni}, {"added", imported->added}, {"list", listJson(entries)}});
    else
        out = listText(entries, json);
    return context.writeOut(out) ? ExitStatus::Success : ExitStatus::WriteFailed;
}

}  // namespace quillon::cli
