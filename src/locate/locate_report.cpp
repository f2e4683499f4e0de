// The locate report for scripts.
#include "locate/locate_report.h"

#include "base/text_encoding.h"
#include "core/option_override.h"
#include "core/workspace.h"
#include "locate/locate_module.h"
#include "locate/path_parts.h"

namespace quillon::locate {

namespace {

LocateReportRow locateOne(Workspace& ws, LocateRequest request)
{
    request.quiet = true;
    LocateReportRow row;
    row.module = request.moduleName;
    const LocateOutcome outcome = LocateModuleFile(ws, request);
    row.path = outcome.result;
    row.found = outcome.found;
    row.os = outcome.os;
    row.step = outcome.source;
    return row;
}

/// A field of a line (module names are shown as UTF-8): control characters (a tab or line break
/// inside a name would split the line for a script) become "?".
std::string field(std::string_view text)
{
    std::string out(text);
    for (char& c : out) {
        if (static_cast<unsigned char>(c) < 0x20 || c == '\x7F')
            c = '?';
    }
    return out;
}

}  // namespace

LocateReport locateModules(Workspace& ws, const std::vector<std::string>& extraModules)
{
    LocateReport report;
    // A report never stops for a message box.
    const OptionOverride noMessages(ws.options, &Options::UseNoMessages, true);
    const LocatePassScope pass(ws);
    ws.cancel.clear();
    for (const LibraryRow& row : ws.library.rows) {
        if (!row.isModule())
            continue;
        if (ws.cancel.poll()) {
            report.cancelled = true;
            break;
        }
        LocateRequest request;
        const std::string_view name = trimBlanks(row.SYMBOL);
        request.moduleName = std::string(name.empty() ? row.MODULENAME.view() : name);
        request.moduleData = ModuleData{row.fileNameDll(), row.fileName()};
        report.rows.push_back(locateOne(ws, std::move(request)));
    }
    for (const std::string& name : extraModules) {
        if (report.cancelled || ws.cancel.poll()) {
            report.cancelled = true;
            break;
        }
        LocateRequest request;
        request.moduleName = name;
        request.moduleData = ModuleData{};
        report.rows.push_back(locateOne(ws, std::move(request)));
    }
    return report;
}

std::string bitnessText(const LocateReportRow& row)
{
    if (!row.found)
        return "-";
    if (row.os == 1)
        return "16";
    if (row.os == 2)
        return "32";
    return "?";
}

std::string locateReportText(const LocateReport& report)
{
    std::string text;
    for (const LocateReportRow& row : report.rows) {
        text += field(cp1252ToUtf8(row.module));
        text += '\t';
        text += field(row.path);
        text += '\t';
        text += bitnessText(row);
        text += '\t';
        text += row.step.empty() ? "-" : field(row.step);
        text += '\n';
    }
    return text;
}

}  // namespace quillon::locate
