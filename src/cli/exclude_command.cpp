// The "exclude" command: the exclusion list of the settings file, on the options dialog's own
// rules.
#include "cli/exclude_command.h"

#include <nlohmann/json.hpp>

#include <optional>
#include <string>

#include "base/ascii_text.h"
#include "base/text_encoding.h"
#include "cli/json_output.h"
#include "maintenance/exclusion_list.h"

namespace quillon::cli {

namespace {

/// The entries in the order the settings file stores them.
std::vector<ExcludeEntry> storedOrder(const ExcludeList& list)
{
    ExcludeList sorted = list;
    sorted.sortByRec();
    return sorted.entries();
}

std::string listText(const ExcludeList& list, bool json)
{
    if (json) {
        nlohmann::json out = nlohmann::json::array();
        for (const ExcludeEntry& e : storedOrder(list))
            out.push_back({{"symbol", cp1252ToUtf8(e.symbol)}, {"check", e.check != 0}});
        return jsonDocument(out);
    }
    std::string out;
    for (const ExcludeEntry& e : storedOrder(list))
        out += cp1252ToUtf8(e.symbol) + (e.check != 0 ? "\n" : "\toff\n");
    return out;
}

/// The position of the entry named `symbol` (letter case ignored), if any.
std::optional<std::size_t> findEntry(const ExcludeList& list, std::string_view symbol)
{
    const std::string upper = upperCase(trimRight(symbol));
    const std::vector<ExcludeEntry>& entries = list.entries();
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (entries[i].symbolUpper() == upper)
            return i;
    }
    return std::nullopt;
}

}  // namespace

ExitStatus runExcludeCommand(CommandContext& context)
{
    CLI::App& app = context.parser(
        "Lists and edits the exclusion list (symbol names that no LIB file should hold, each "
        "switched on or off), section [Excludelist] of Quillon32.ini, as the LIB-file options "
        "of the desktop program do. The list takes effect where symbols cleanup is switched on "
        "(UseExcludeList) and with \"quillon cleanup --excluded\". \"list\" never writes the "
        "settings file.");
    app.require_subcommand(0, 1);
    bool json = false;
    app.add_flag("--json", json, "write the list as JSON");
    app.fallthrough();
    (void)app.add_subcommand("list",
                             "show the list in its stored order (the default); an entry "
                             "switched off is followed by a tab and \"off\"");
    CLI::App* add = app.add_subcommand(
        "add",
        "add NAME, or switch the entry of NAME (letter case ignored) on again; the "
        "settings file keeps at most 50 entries");
    std::string addName;
    bool off = false;
    add->add_option("NAME", addName, "symbol name")->required();
    add->add_flag("--off", off, "keep the entry but switched off");
    CLI::App* remove = app.add_subcommand("remove", "remove the entry of NAME");
    std::string removeName;
    remove->add_option("NAME", removeName, "symbol name (letter case ignored)")->required();
    if (const std::optional<ExitStatus> status = context.parse())
        return *status;

    const bool editing = add->parsed() || remove->parsed();
    Workspace& ws = context.open(editing ? SettingsUse::ReadWrite : SettingsUse::ReadOnly);
    ExcludeList list;
    maintenance::loadExcludeList(ws.settings(), list);
    if (editing) {
        // Symbol names are kept in the Windows character set, as the LIB files hold them.
        if (add->parsed()) {
            const std::string name = utf8ToCp1252(addName);
            if (trimRight(name).empty())
                return context.usageError("the symbol name is blank");
            if (const std::optional<std::size_t> at = findEntry(list, name)) {
                (void)maintenance::editExcludeEntry(list, *at, name, !off);
            } else if (list.size() >= maintenance::kMaxStoredExcludes) {
                context.tell("the list holds " + std::to_string(list.size()) +
                             " entries, the most the settings file keeps; nothing was added");
                return ExitStatus::Failed;
            } else {
                (void)maintenance::addExcludeEntry(list, name, !off);
            }
        } else {
            const std::optional<std::size_t> at = findEntry(list, utf8ToCp1252(removeName));
            if (!at) {
                context.tell("the list holds no symbol " + removeName);
                return ExitStatus::Failed;
            }
            (void)maintenance::removeExcludeEntry(list, *at);
        }
        if (context.interrupted())
            return context.cancelled();
        maintenance::saveExcludeList(ws.settings(), list);
        ExcludeList written;
        maintenance::loadExcludeList(ws.settings(), written);
        if (written.entries() != list.entries()) {
            context.tell("the exclusion list could not be written to " +
                         context.session()->location().settingsFile);
            return ExitStatus::WriteFailed;
        }
    }
    if (context.interrupted())
        return context.cancelled();
    return context.writeOut(listText(list, json)) ? ExitStatus::Success : ExitStatus::WriteFailed;
}

}  // namespace quillon::cli
