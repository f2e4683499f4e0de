// Locating one module for the update commands.
#include "refresh/module_location.h"

#include "base/ascii_text.h"
#include "base/lib_file_name.h"
#include "exe/header_kind.h"
#include "locate/locate_module.h"
#include "platform/paths.h"
#include "refresh/refresh_texts.h"

namespace quillon::refresh {

std::optional<std::string> recordedExecutable(const Workspace& ws, const std::string& fileNameDll)
{
    if (trimBlanks(fileNameDll).empty() ||
        upperCase(fileNameDll).find("FILE NOT") != std::string::npos)
        return std::nullopt;
    std::string normal =
        platform::NormalizeFolderPath(ws.files(), fileNameDll, ws.options.UseLongAdd);
    if (normal.empty() || !ws.files().isFile(normal))
        return std::nullopt;
    return normal;
}

std::optional<std::string> locateModuleForUpdate(Workspace& ws, ModuleEntry& entry,
                                                 bool SilentMode)
{
    if (!isLibFileName(entry.FILENAME))
        entry.FILENAMEDLL = entry.FILENAME;
    if (auto recorded = recordedExecutable(ws, entry.FILENAMEDLL))
        return recorded;

    showStatus(ws, 1, searchingModuleText(entry.MODULENAME.view()));
    locate::LocateRequest request;
    request.moduleName = entry.MODULENAME.str();
    request.moduleData = locate::ModuleData{entry.FILENAMEDLL, entry.FILENAME};
    request.quiet = true;
    request.SilentMode = SilentMode;
    const locate::LocateOutcome outcome = locate::LocateModuleFile(ws, request);
    entry.FILENAMEDLL = outcome.result;
    if (outcome.found)
        return outcome.result;
    showStatus(ws, 1, kModuleNotLocatedText);
    showStatus(ws, 3, workingName(entry.MODULENAME.view()));
    return std::nullopt;
}

void testModuleBitness(Workspace& ws, ModuleEntry& entry)
{
    // The test reads the headers only; the file being loaded stays the current one.
    if (!ws.files().isFile(entry.FILENAMEDLL))
        return;
    entry.OS = exe::headerKind(ws.files(), entry.FILENAMEDLL);
}

}  // namespace quillon::refresh
