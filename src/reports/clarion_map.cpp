// The MAP include: modules gathered from the library, the head, MODULE ... END.
#include "reports/clarion_map.h"

#include "base/ascii_text.h"
#include "platform/paths.h"
#include "platform/replace_file.h"
#include "reports/clarion_prototype.h"

namespace quillon::reports {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

constexpr std::string_view kHead =
    "! Clarion prototypes of exported functions, written by Clarion Quillon 32.\r\n"
    "! INCLUDE this file inside the MAP of a program that links the LIB file of these\r\n"
    "! modules. A line that begins with \"!\" is a function whose exported name does\r\n"
    "! not tell enough to call it safely: complete it from the DLL's documentation\r\n"
    "! before you take out the \"!\".\r\n";

std::string moduleFileName(const LibraryRow& module)
{
    const std::string& located = module.fileNameDll();
    // A locating pass that found nothing leaves a marker holding "FILE NOT".
    if (!located.empty() && upperCase(located).find("FILE NOT") == std::string::npos)
        return platform::fileNameOf(located);
    return module.SYMBOL.str();
}

void appendPrototypes(std::string& out, const MapModule& module, ClarionLabels& labels)
{
    for (const std::string& name : module.exportNames) {
        out += prototypeLine(clarionPrototype(name, labels));
        out += kLineEnd;
    }
}

}  // namespace

std::vector<MapModule> mapModules(const Workspace& ws, std::span<const std::size_t> rows)
{
    const LibraryList& list = ws.library.rows;
    std::vector<bool> wanted(list.size(), rows.empty());
    for (const std::size_t row : rows) {
        if (row >= list.size())
            continue;
        wanted[row] = true;
        if (list[row].isModule()) {
            for (std::size_t i = row + 1; i < list.size() && !list[i].isModule(); ++i)
                wanted[i] = true;
        }
    }
    std::vector<MapModule> modules;
    bool moduleOpen = false;
    for (std::size_t i = 0; i < list.size(); ++i) {
        const LibraryRow& row = list[i];
        if (row.isModule()) {
            moduleOpen = false;
            continue;
        }
        if (!wanted[i] || row.ORDINAL == 0)
            continue;
        if (!moduleOpen) {
            std::size_t module = i;
            while (module > 0 && !list[module].isModule())
                --module;
            modules.push_back(MapModule{moduleFileName(list[module]), {}});
            moduleOpen = true;
        }
        modules.back().exportNames.push_back(row.SYMBOL.str());
    }
    return modules;
}

std::string clarionMapText(const std::vector<MapModule>& modules)
{
    std::string out(kHead);
    ClarionLabels labels;
    for (const MapModule& module : modules) {
        out += kLineEnd;
        out += "  MODULE(" + clarionString(module.fileName) + ")";
        out += kLineEnd;
        appendPrototypes(out, module, labels);
        out += "  END";
        out += kLineEnd;
    }
    return out;
}

std::string clarionPrototypeText(const std::vector<MapModule>& modules)
{
    std::string out;
    ClarionLabels labels;
    for (const MapModule& module : modules)
        appendPrototypes(out, module, labels);
    return out;
}

Status writeClarionMap(platform::FileSystem& files, const std::string& path, std::string_view text)
{
    return platform::replaceFile(files, path, text);
}

ui::MessageBox mapWriteFailure(std::string_view path, const Error& error)
{
    ui::MessageBox box;
    box.title = "CLARION QUILLON 32 - Writing file failed!";
    box.text = "    The Clarion MAP file could not be written.|    Posted errorcode: #" +
               std::to_string(error.code) + "|    Posted error: " + error.text + "|    File:|    " +
               std::string(path);
    box.icon = ui::MessageIcon::Question;
    return box;
}

std::string mapWrittenStatus(std::string_view path, std::size_t functions)
{
    return "Clarion MAP written: " + std::to_string(functions) +
           (functions == 1 ? " function to " : " functions to ") + std::string(path);
}

}  // namespace quillon::reports
